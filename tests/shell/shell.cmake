orvan_qtest(app_shell_tests orvan_ui ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp)
