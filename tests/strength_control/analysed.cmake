# The analysed period: core rows, report lines, orvan-cli analysed-period, the dialogs.
orvan_gtest(analysed_core_tests
    ${CMAKE_CURRENT_LIST_DIR}/AnalysedCalcTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AnalysedReportTest.cpp)
orvan_gtest(analysed_cli_tests ${CMAKE_CURRENT_LIST_DIR}/AnalysedCliTest.cpp)
target_link_libraries(analysed_cli_tests PRIVATE orvan_cli_lib)
orvan_qtest(AnalysedDialogTest orvan_ui_analysed ${CMAKE_CURRENT_LIST_DIR}/AnalysedDialogTest.cpp)
