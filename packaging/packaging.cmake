# The Debian package of the programs (cpack -G DEB in the build tree, or scripts/package.sh):
# velmora_<version>_<arch>.deb, installed under /usr, its dependencies computed from the
# programs by dpkg-shlibdeps.

# The package's documents: the copyright file as it is, the changelog compressed as Debian
# wants it (gzip -9 without a time stamp).
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog
            ${CMAKE_BINARY_DIR}/packaging/changelog
    COMMAND gzip -9 -n -f ${CMAKE_BINARY_DIR}/packaging/changelog
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    COMMENT "Compressing the package's changelog"
    VERBATIM)

# The manual pages of the programs in English and Russian (packaging/man/NAME.1.in and
# NAME.ru.1.in), dated and numbered as the release, compressed the same way.
set(manual_pages velmora-calc)
if(VELMORA_GUI)
    list(APPEND manual_pages velmora)
endif()
set(manual_pages_gz)
foreach(page IN LISTS manual_pages)
    foreach(language en ru)
        if(language STREQUAL en)
            set(source ${page}.1.in)
            set(folder man)
        else()
            set(source ${page}.${language}.1.in)
            set(folder man-${language})
        endif()
        set(made ${CMAKE_BINARY_DIR}/packaging/${folder}-source/${page}.1)
        set(gz ${CMAKE_BINARY_DIR}/packaging/${folder}/${page}.1.gz)
        configure_file(${CMAKE_CURRENT_LIST_DIR}/man/${source} ${made} @ONLY)
        add_custom_command(OUTPUT ${gz}
            COMMAND ${CMAKE_COMMAND} -E copy ${made} ${CMAKE_BINARY_DIR}/packaging/${folder}/${page}.1
            COMMAND gzip -9 -n -f ${CMAKE_BINARY_DIR}/packaging/${folder}/${page}.1
            DEPENDS ${made}
            COMMENT "Compressing the manual page ${folder}/${page}.1"
            VERBATIM)
        list(APPEND manual_pages_gz ${gz})
        if(language STREQUAL en)
            install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
        else()
            install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
        endif()
    endforeach()
endforeach()

add_custom_target(velmora_package_docs ALL DEPENDS ${changelog_gz} ${manual_pages_gz})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog_gz}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Orbelan)
set(CPACK_PACKAGE_CONTACT "Orbelan <support@velmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sag-tension calculation of overhead-line wires")
# Lines of at most 80 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmora calculates the mechanics of overhead-line conductors, earth wires
and self-supporting fibre-optic cables: the climatic loads, the critical spans
and the stress and sag over a range of spans in 17 design modes. It writes a
spreadsheet report (.xls) and draws sag templates for CAD (DXF), in English or
Russian.

The package holds the desktop program velmora and the command-line tool
velmora-calc, which computes a project without a display.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmora.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opening reports and manuals, Qt's own texts in Russian, Cyrillic on screen.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, fonts-dejavu-core")
# A viewer for the manuals and the printed tables, a spreadsheet program for the reports.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "evince | pdf-viewer, libreoffice-calc | gnumeric")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
