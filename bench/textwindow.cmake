add_executable(bench_textwindow ${CMAKE_CURRENT_LIST_DIR}/textwindow_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/QtBenchMain.cpp)
target_link_libraries(bench_textwindow PRIVATE orvan_uikit benchmark::benchmark)
