add_executable(bench_prediction ${CMAKE_CURRENT_LIST_DIR}/prediction_bench.cpp)
target_link_libraries(bench_prediction PRIVATE orvan_prediction_core orvan_correction_core
                                               benchmark::benchmark_main)
