orvan_core_library(
    orvan_analysed_core AnalysedPeriod.cpp AnalysedPeriodReport.cpp AnalysedPeriodForms.cpp
    PeriodParties.cpp)
    target_link_libraries(orvan_analysed_core PUBLIC orvan_common)
