orvan_qtest(app_dialog_tests orvan_uikit ${CMAKE_CURRENT_LIST_DIR}/OrvanDialogTest.cpp)
