# The mix corrections: core rows, orvan-cli commands, the dialog.
orvan_gtest(correction_core_tests ${CMAKE_CURRENT_LIST_DIR}/CorrectionCalcTest.cpp)
# With the correction from the parties of saved designs and its --json values.
orvan_gtest(correction_cli_tests ${CMAKE_CURRENT_LIST_DIR}/CorrectionCliTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DesignCorrectionTest.cpp)
target_link_libraries(correction_cli_tests PRIVATE orvan_cli_lib)
orvan_qtest(CorrectionDialogTest orvan_ui_correction
    ${CMAKE_CURRENT_LIST_DIR}/CorrectionDialogTest.cpp)
# The same through the main window's menu, context menu and toolbar.
orvan_qtest(CorrectionEntryPointsTest orvan_ui ${CMAKE_CURRENT_LIST_DIR}/CorrectionEntryPointsTest.cpp)
