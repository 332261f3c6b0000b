orvan_core_library(orvan_control_core
    ControlChart.cpp
)
target_link_libraries(orvan_control_core PUBLIC orvan_common)
