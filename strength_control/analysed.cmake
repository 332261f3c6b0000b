add_library(orvan_ui_analysed STATIC
                AnalysedPeriodSetupDialog.cpp AnalysedPeriodInputDialog.cpp
                AnalysedPeriodSession.h)
    target_link_libraries(orvan_ui_analysed PUBLIC orvan_uikit orvan_analysed_core)
