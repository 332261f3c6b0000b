orvan_gtest(common_tests ${CMAKE_CURRENT_LIST_DIR}/NumberTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InterfaceLanguageTest.cpp)
