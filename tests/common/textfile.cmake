orvan_gtest(TextFileTests ${CMAKE_CURRENT_LIST_DIR}/TextFileTest.cpp)
