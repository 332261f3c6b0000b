add_library(orvan_ui_analysed STATIC
                AnalysedPeriodSetupDialog.cpp AnalysedPeriod5x6Dialog.cpp
                AnalysedPeriod10x3Dialog.cpp AnalysedPeriodInputDialog.cpp)
    target_link_libraries(orvan_ui_analysed PUBLIC orvan_uikit orvan_analysed_core)
