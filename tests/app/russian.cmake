orvan_qtest(app_russian_tests orvan_ui ${CMAKE_CURRENT_LIST_DIR}/RussianInterfaceTest.cpp)
