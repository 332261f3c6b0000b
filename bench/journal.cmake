add_executable(bench_journal ${CMAKE_CURRENT_LIST_DIR}/journal_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/QtBenchMain.cpp)
target_link_libraries(bench_journal PRIVATE orvan_ui_journal orvan_ui_control benchmark::benchmark)
