add_executable(bench_textwindow ${CMAKE_CURRENT_LIST_DIR}/textwindow_bench.cpp)
target_link_libraries(bench_textwindow PRIVATE orvan_uikit benchmark::benchmark)
