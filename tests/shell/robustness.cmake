orvan_qtest(app_robustness_tests orvan_ui ${CMAKE_CURRENT_LIST_DIR}/RobustnessTest.cpp)
set_tests_properties(app_robustness_tests PROPERTIES TIMEOUT 900)
