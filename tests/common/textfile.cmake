orvan_gtest(textfile_tests ${CMAKE_CURRENT_LIST_DIR}/TextLinesTest.cpp)
