# Tests of the picture readers and the picture window.
set(_pictures ${CMAKE_CURRENT_LIST_DIR})
orvan_qtest(PictureLoaderTest orvan_ui_pictures
    ${_pictures}/PictureLoaderTest.cpp ${_pictures}/SampleFiles.cpp)
orvan_qtest(PictureWindowTest orvan_ui_pictures
    ${_pictures}/PictureWindowTest.cpp ${_pictures}/SampleFiles.cpp)

# The picture reader fuzz targets, replayed on their kept corpora (and past crash inputs).
foreach(target picture_bitmap picture_icon picture_emf picture_wmf)
    add_executable(replay_${target} ${PROJECT_SOURCE_DIR}/fuzz/${target}_fuzz.cpp
                                    ${PROJECT_SOURCE_DIR}/tests/fuzz/Replay.cpp)
    target_include_directories(replay_${target} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(replay_${target} PRIVATE orvan_picture_loaders)
    add_test(NAME PictureFuzzReplay.${target}
             COMMAND replay_${target} ${PROJECT_SOURCE_DIR}/tests/data/fuzz/${target})
    set_tests_properties(PictureFuzzReplay.${target} PROPERTIES TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
