# The early-age prediction, the CUSUM of a series with predicted parties, and their --json
# values (core and orvan-cli).
orvan_gtest(prediction_core_tests ${CMAKE_CURRENT_LIST_DIR}/EarlyAgeTest.cpp)
target_link_libraries(prediction_core_tests PRIVATE orvan_cli_lib)
