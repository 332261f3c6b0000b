# The proportioning run without dialogs, and its pieces.
add_executable(bench_mix ${CMAKE_CURRENT_LIST_DIR}/mix_bench.cpp)
target_link_libraries(bench_mix PRIVATE orvan_core benchmark::benchmark_main)
