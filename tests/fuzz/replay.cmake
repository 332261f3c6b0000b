# The fuzz targets over the core, replayed on their kept corpora as ordinary tests.
foreach(pair number_text:orvan_common text_lines:orvan_common options_record:orvan_mix_core
             mix_run:orvan_mix_core corrections:orvan_correction_core
             analysed_period:orvan_analysed_core control_chart:orvan_control_core
             journal_csv:orvan_journal_csv)
    string(REPLACE ":" ";" parts ${pair})
    list(GET parts 0 target)
    list(GET parts 1 library)
    add_executable(replay_${target} ${PROJECT_SOURCE_DIR}/fuzz/${target}_fuzz.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/Replay.cpp)
    target_include_directories(replay_${target} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(replay_${target} PRIVATE ${library})
    add_test(NAME FuzzReplay.${target}
             COMMAND replay_${target} ${PROJECT_SOURCE_DIR}/tests/data/fuzz/${target})
endforeach()

# The metafile writer's target needs Qt.
add_executable(replay_emf_writer ${PROJECT_SOURCE_DIR}/fuzz/emf_writer_fuzz.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/Replay.cpp)
target_link_libraries(replay_emf_writer PRIVATE orvan_emf_writer)
add_test(NAME FuzzReplay.emf_writer
         COMMAND replay_emf_writer ${PROJECT_SOURCE_DIR}/tests/data/fuzz/emf_writer)
