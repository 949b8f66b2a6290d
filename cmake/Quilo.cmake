# Helpers shared by every area's CMakeLists.txt.

function(quilo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(QUILO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Qt-free targets get no moc step: its include folder would set their compile commands apart
# from the same files' in a tree without Qt, which ccache then could not share (scripts/test).
function(quilo_no_qt target)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTORCC OFF)
endfunction()

# The Qt headers most Qt sources include, compiled once a target instead of once a file: they
# are most of the time of such a file. Only Qt targets take them; the core stays free of Qt.
set(QUILO_QT_PCH
    <QAction> <QApplication> <QComboBox> <QDialog> <QDialogButtonBox> <QDir> <QFile>
    <QFileInfo> <QFont> <QFontMetrics> <QGridLayout> <QHBoxLayout> <QImage> <QLabel>
    <QLineEdit> <QMenu> <QMouseEvent> <QPainter> <QPainterPath> <QPushButton> <QRadioButton>
    <QString> <QTimer> <QVBoxLayout> <QWidget>
    <algorithm> <array> <cmath> <functional> <memory> <string> <vector>)

# The Qt-free core: every area is its own static library so that the layering is checked by
# the build (no Qt include path, no Qt link), and all of them together form quilo_core.
add_library(quilo_core INTERFACE)

# quilo_core_library(NAME SOURCES file... [DEPS lib...])
function(quilo_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(quilo_${name} STATIC ${ARG_SOURCES})
    target_include_directories(quilo_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    if(ARG_DEPS)
        target_link_libraries(quilo_${name} PUBLIC ${ARG_DEPS})
    endif()
    quilo_warnings(quilo_${name})
    quilo_no_qt(quilo_${name})
    target_link_libraries(quilo_core INTERFACE quilo_${name})
endfunction()

# quilo_test(NAME SOURCES file... LIBS lib... [QT] [TOOL] [LOCK resource])
# QT tests run on Qt's offscreen platform and exist only with QUILO_BUILD_UI. TOOL tests run
# quilo-tool (QUILO_TOOL_PATH) and are built after it. Tests sharing a LOCK never run at once.
function(quilo_test name)
    cmake_parse_arguments(ARG "QT;TOOL" "LOCK" "SOURCES;LIBS" ${ARGN})
    if(ARG_QT)
        if(NOT QUILO_BUILD_UI)
            message(FATAL_ERROR "${name} is a Qt test: declare it under if(QUILO_BUILD_UI)")
        endif()
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} quilo_qt_test_main quilo_test_support
            GTest::gtest GTest::gmock)
    else()
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} quilo_test_support GTest::gtest GTest::gmock
            GTest::gtest_main)
        quilo_no_qt(${name})
    endif()
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE QUILO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
    if(ARG_TOOL)
        target_compile_definitions(${name} PRIVATE QUILO_TOOL_PATH="$<TARGET_FILE:quilo-tool>")
        add_dependencies(${name} quilo-tool)
    endif()
    quilo_warnings(${name})
    # An empty value would shift the pairs after it, so only set properties are listed.
    set(properties TIMEOUT 300)
    if(ARG_QT)
        list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
    if(ARG_LOCK)
        # Tests sharing a lock run one after another: started first, that chain ends with the
        # others instead of after them (ctest starts the costliest first while it has no times
        # of its own from an earlier run).
        list(APPEND properties RESOURCE_LOCK ${ARG_LOCK} COST 1000)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES ${properties})
endfunction()
