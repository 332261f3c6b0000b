# Tests of the picture window, the About box, the interface-language table and the help.
set(_viewers ${CMAKE_CURRENT_LIST_DIR})
orvan_qtest(ViewersPictureLoaderTest orvan_ui_viewers
    ${_viewers}/PictureLoaderTest.cpp ${_viewers}/SampleFiles.cpp)
orvan_qtest(ViewersPictureWindowTest orvan_ui_viewers
    ${_viewers}/PictureWindowTest.cpp ${_viewers}/SampleFiles.cpp)
orvan_qtest(ViewersAboutTest orvan_ui_viewers ${_viewers}/AboutTest.cpp)
orvan_qtest(ViewersTranslationTest orvan_ui_viewers ${_viewers}/TranslationTest.cpp)
orvan_qtest(ViewersHelpTest orvan_ui_viewers ${_viewers}/HelpTest.cpp)
