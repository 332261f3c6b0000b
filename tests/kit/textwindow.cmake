orvan_qtest(TextWindowTests orvan_uikit ${CMAKE_CURRENT_LIST_DIR}/TextWindowTest.cpp)
orvan_qtest(TextWindowRowsTests orvan_uikit ${CMAKE_CURRENT_LIST_DIR}/TextWindowRowsTest.cpp)
