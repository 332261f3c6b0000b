orvan_qtest(app_textwindow_tests orvan_uikit ${CMAKE_CURRENT_LIST_DIR}/TextWindowTest.cpp)
