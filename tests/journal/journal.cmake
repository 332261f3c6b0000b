# The strength journal: CSV rows, storage on SQLite (and on PostgreSQL when ORVAN_TEST_PG_URL
# names a server), the analysed and controlled periods from it, orvan-cli journal, and an
# import killed part-way. Its own main: Qt SQL needs an application object.
add_executable(journal_tests
    ${CMAKE_CURRENT_LIST_DIR}/JournalTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JournalCsvTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JournalStoreTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JournalCliTest.cpp)
target_link_libraries(journal_tests PRIVATE orvan_journal_cli GTest::gtest)
gtest_discover_tests(journal_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 LABELS journal)
orvan_qtest(JournalWindowTest orvan_ui_journal ${CMAKE_CURRENT_LIST_DIR}/JournalWindowTest.cpp)
# The test wires the journal window to the chart window and the mix dialog as the main
# window does.
target_link_libraries(JournalWindowTest PRIVATE orvan_ui_control orvan_ui_mix)
set_property(TEST JournalWindowTest APPEND PROPERTY LABELS journal)
