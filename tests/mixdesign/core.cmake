# The proportioning core: formulas, the run and its report, options.slv, orvan-cli mix.
orvan_gtest(mixcore_formulas_tests ${CMAKE_CURRENT_LIST_DIR}/core_formulas_test.cpp)
orvan_gtest(mixcore_run_tests ${CMAKE_CURRENT_LIST_DIR}/core_run_test.cpp)
orvan_gtest(mixcore_report_tests ${CMAKE_CURRENT_LIST_DIR}/core_report_test.cpp)
orvan_gtest(mixcore_options_tests ${CMAKE_CURRENT_LIST_DIR}/core_options_test.cpp)
orvan_gtest(mixcore_cli_tests ${CMAKE_CURRENT_LIST_DIR}/core_cli_test.cpp)
target_link_libraries(mixcore_cli_tests PRIVATE orvan_cli_lib)
