# With VELMORA_HARDENING every target is compiled and linked with the flags Debian builds its
# packages with (dpkg-buildflags with all hardening features: stack protector, fortified
# functions, format checks, read-only relocations bound at start). The debugging information
# (-g) is left out: the package's programs are stripped.
if(NOT VELMORA_HARDENING)
    return()
endif()
if(VELMORA_SANITIZE)
    message(FATAL_ERROR "VELMORA_HARDENING and VELMORA_SANITIZE do not go together "
        "(the fortified functions hide faults from AddressSanitizer)")
endif()
find_program(VELMORA_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT VELMORA_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "VELMORA_HARDENING needs dpkg-buildflags (Debian package dpkg-dev)")
endif()

function(velmora_buildflags kind out)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${VELMORA_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed: ${status}")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(REMOVE_ITEM flags -g)
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

velmora_buildflags(CPPFLAGS cppflags)
velmora_buildflags(CFLAGS cflags)
velmora_buildflags(CXXFLAGS cxxflags)
velmora_buildflags(LDFLAGS ldflags)
message(STATUS "Hardening: ${cppflags} ${cxxflags} ${ldflags}")
add_compile_options(${cppflags} "$<$<COMPILE_LANGUAGE:C>:${cflags}>"
    "$<$<COMPILE_LANGUAGE:CXX>:${cxxflags}>")
add_link_options(${ldflags})
