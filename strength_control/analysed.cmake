add_library(orvan_ui_analysed STATIC
                Period_Analiz1.cpp Period_Analiz2.cpp Period_Analiz3.cpp Period_AnalizInput.cpp)
    target_link_libraries(orvan_ui_analysed PUBLIC orvan_uikit orvan_analysed_core)
