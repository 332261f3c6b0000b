add_executable(bench_analysed ${CMAKE_CURRENT_LIST_DIR}/analysed_bench.cpp)
target_link_libraries(bench_analysed PRIVATE orvan_analysed_core benchmark::benchmark_main)
