# The controlled period: the chart's data in the core, orvan-cli control-chart, the picture
# writer and the three windows.
orvan_gtest(control_core_tests
    ${CMAKE_CURRENT_LIST_DIR}/ControlChartTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlChartCliTest.cpp
)
target_link_libraries(control_core_tests PRIVATE orvan_cli_lib)

orvan_qtest(ControlWindowsTest orvan_ui_control ${CMAKE_CURRENT_LIST_DIR}/ControlWindowsTest.cpp)
set_target_properties(ControlWindowsTest PROPERTIES AUTOMOC ON)

# emf2svg reads the saved metafiles back, as another program would.
find_library(EMF2SVG_LIBRARY emf2svg REQUIRED)
orvan_qtest(ControlPictureTest orvan_ui_control ${CMAKE_CURRENT_LIST_DIR}/ControlPictureTest.cpp)
set_target_properties(ControlPictureTest PROPERTIES AUTOMOC ON)
target_link_libraries(ControlPictureTest PRIVATE ${EMF2SVG_LIBRARY} Qt6::Svg)
