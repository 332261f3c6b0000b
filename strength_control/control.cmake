# The controlled period's windows.
add_library(orvan_ui_control STATIC
    ControlledPeriodDialog.cpp
    ControlChartWindow.cpp
    ControlChartMarks.cpp
    ControlChartAxis.cpp
    ControlChartZoom.cpp
    ControlChartPicture.cpp
    BatchStrengthPrompt.cpp
)
target_link_libraries(orvan_ui_control PUBLIC orvan_uikit orvan_control_core orvan_emf_writer
                                              Qt6::Charts Qt6::Svg)
