# The proportioning dialogs: their fields, the run through them, the options file.
foreach(mixui_test MixUiFieldsTest MixUiRunTest MixUiOptionsTest)
    string(REPLACE "MixUi" "" mixui_file ${mixui_test})
    orvan_qtest(${mixui_test} orvan_ui_mix ${CMAKE_CURRENT_LIST_DIR}/ui_${mixui_file}.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ui_Fixture.h)
endforeach()
