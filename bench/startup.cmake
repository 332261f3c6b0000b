add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_link_libraries(bench_startup PRIVATE orvan_ui benchmark::benchmark)
