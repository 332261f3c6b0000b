orvan_qtest(app_dialog_tests orvan_uikit ${CMAKE_CURRENT_LIST_DIR}/DialogBaseTest.cpp)
# The tabbed dialog over two real field tables.
target_link_libraries(app_dialog_tests PRIVATE orvan_mix_core orvan_correction_core)
# The interface-language table and the help viewer.
orvan_qtest(TranslationTest orvan_uikit ${CMAKE_CURRENT_LIST_DIR}/TranslationTest.cpp)
orvan_qtest(HelpViewerTest orvan_uikit ${CMAKE_CURRENT_LIST_DIR}/HelpViewerTest.cpp)
