# Tests of the picture window, the About box, the interface-language table and the help.
set(_viewers ${CMAKE_CURRENT_LIST_DIR})
orvan_qtest(ViewersPictureLoaderTest orvan_ui_pictures
    ${_viewers}/PictureLoaderTest.cpp ${_viewers}/SampleFiles.cpp)
orvan_qtest(ViewersPictureWindowTest orvan_ui_pictures
    ${_viewers}/PictureWindowTest.cpp ${_viewers}/SampleFiles.cpp)
orvan_qtest(ViewersAboutTest orvan_ui_shell ${_viewers}/AboutTest.cpp)
orvan_qtest(ViewersTranslationTest orvan_uikit ${_viewers}/TranslationTest.cpp)
orvan_qtest(ViewersHelpTest orvan_uikit ${_viewers}/HelpTest.cpp)

# The picture reader fuzz targets, replayed on their kept corpora (and past crash inputs).
foreach(target picture_bitmap picture_icon picture_emf picture_wmf)
    add_executable(replay_${target} ${PROJECT_SOURCE_DIR}/fuzz/${target}_fuzz.cpp
                                    ${PROJECT_SOURCE_DIR}/tests/fuzz/Replay.cpp)
    target_include_directories(replay_${target} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(replay_${target} PRIVATE orvan_picture_loaders)
    add_test(NAME ViewersFuzzReplay.${target}
             COMMAND replay_${target} ${PROJECT_SOURCE_DIR}/tests/data/fuzz/${target})
    set_tests_properties(ViewersFuzzReplay.${target} PROPERTIES TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
orvan_qtest(ViewersShellTest orvan_ui_shell ${_viewers}/ShellTest.cpp)
