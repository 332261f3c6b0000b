# Helpers shared by every folder's CMakeLists.

# A core library: standard C++ only.
function(orvan_core_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE ORVAN_CORE_BUILD=1)
endfunction()

# A GoogleTest program over the core, registered with ctest.
function(orvan_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE orvan_core GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

# A Qt Test program over the widgets; runs on the offscreen platform.
# orvan_qtest(name uilib sources...): link only the ui library under test, so that one
# subsystem's test builds without the others.
function(orvan_qtest name uilib)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE ${uilib} orvan_testkit Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    # The label "window" marks the tests that may lose a race with a loaded machine: only
    # they are retried (scripts/test).
    # The user's own settings (a stored interface language) never reach a test.
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS window
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config")
endfunction()
