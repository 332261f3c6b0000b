add_library(orvan_ui_control STATIC
    Period_Control1.cpp
    Period_Control2.cpp
    Period_Control3.cpp
)
target_link_libraries(orvan_ui_control PUBLIC orvan_uikit orvan_control_core Qt6::Charts)
