add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/QtBenchMain.cpp)
target_link_libraries(bench_startup PRIVATE orvan_ui benchmark::benchmark)
