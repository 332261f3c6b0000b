add_executable(bench_control ${CMAKE_CURRENT_LIST_DIR}/control_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/QtBenchMain.cpp)
target_link_libraries(bench_control PRIVATE orvan_ui_control benchmark::benchmark)
