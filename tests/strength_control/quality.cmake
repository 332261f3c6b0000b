# Quality control past the chart: verdicts, CUSUM, conformity (core and orvan-cli).
orvan_gtest(quality_core_tests
    ${CMAKE_CURRENT_LIST_DIR}/QualityCoreTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QualityCliTest.cpp
)
target_link_libraries(quality_core_tests PRIVATE orvan_cli_lib)
orvan_qtest(QualityWindowsTest orvan_ui ${CMAKE_CURRENT_LIST_DIR}/QualityWindowsTest.cpp)
set_target_properties(QualityWindowsTest PROPERTIES AUTOMOC ON)
