# Helpers that keep adding a subsystem, a test or a benchmark to a few lines.

# cinelog_add_library(<subsystem> <core|ui> SOURCES ... [LINKS ...])
# Declares the static library cinelog_<subsystem>_<side>. Core libraries may link QtCore, QtSql,
# QtGui and QtNetwork/QtXml; only ui libraries link QtWidgets.
function(cinelog_add_library subsystem side)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    set(target cinelog_${subsystem}_${side})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    if(side STREQUAL "core")
        target_link_libraries(${target} PUBLIC Qt6::Core ${ARG_LINKS})
    else()
        target_link_libraries(${target} PUBLIC Qt6::Widgets ${ARG_LINKS})
    endif()
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING)
endfunction()

# cinelog_add_test(<name> <unit|widget> LABEL <subsystem> SOURCES ... [LINKS ...] [TIMEOUT s])
# Unit tests use GoogleTest; widget tests use QtTest on the offscreen platform.
function(cinelog_add_test name kind)
    cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LINKS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE cinelog_testsupport ${ARG_LINKS})
    if(kind STREQUAL "unit")
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock cinelog_gtest_main)
    else()
        target_link_libraries(${name} PRIVATE Qt6::Test Qt6::Widgets)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABEL};${ARG_LABELS}"
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CINELOG_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;CINELOG_PLUGIN_DIR=${CINELOG_BUILD_PLUGIN_DIR};CINELOG_SHARED_TESTDATA=${CMAKE_SOURCE_DIR}/../shared/testdata")
endfunction()

# cinelog_add_bench(<name> SOURCES ... [LINKS ...])
function(cinelog_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LINKS})
endfunction()
