# What makes a fresh build short on a small machine. Most of its time went into parsing the
# same headers again for every file: the Qt headers in each window, the standard library in
# each core file.
#
# velmora_unity(TARGET [BATCH N]): with VELMORA_UNITY the target's sources are compiled N at a
# time (default 16; one generated file including N sources). The windows take fewer, so that
# both processors have a batch to compile. Only the programs' own targets take it; the test
# build has it on too, so that two files of a batch that clash (the same name in two
# anonymous namespaces) fail there and not first in the run build.
function(velmora_unity target)
    cmake_parse_arguments(U "" "BATCH" "" ${ARGN})
    if(NOT U_BATCH)
        set(U_BATCH 16)
    endif()
    if(VELMORA_UNITY)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${U_BATCH})
        # A batch file includes the sources, so gcc takes a source's own types in an anonymous
        # namespace for a header's and warns of members that use them; harmless here.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
        endif()
    endif()
endfunction()

# velmora_qt_pch(TARGET): the Qt headers most windows include, precompiled once for the target.
# ccache caches the precompiled header and its users with the sloppinesses scripts/build.sh sets.
function(velmora_qt_pch target)
    if(VELMORA_PCH)
        target_precompile_headers(${target} PRIVATE
            <QAction> <QApplication> <QButtonGroup> <QChart> <QChartView> <QComboBox> <QDialog>
            <QDialogButtonBox> <QDir> <QFileInfo> <QGridLayout> <QGroupBox> <QHBoxLayout>
            <QHeaderView> <QLabel> <QLineEdit> <QLineSeries> <QLocale> <QMainWindow> <QMenu>
            <QPainter> <QPushButton> <QRadioButton> <QString> <QStringList> <QTabWidget>
            <QTableWidget> <QToolButton> <QVBoxLayout> <QValueAxis>
            <algorithm> <functional> <memory> <optional> <string> <vector>)
    endif()
endfunction()
