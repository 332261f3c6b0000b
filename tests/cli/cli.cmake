orvan_gtest(cli_frame_tests ${CMAKE_CURRENT_LIST_DIR}/CliFrameTest.cpp)
target_link_libraries(cli_frame_tests PRIVATE orvan_cli_lib)
