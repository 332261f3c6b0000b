# The early-age prediction of the 28-day strength and the CUSUM of a journal's series.
orvan_core_library(orvan_prediction_core
    IsoDate.cpp
    EarlyAge.cpp
    SeriesCusum.cpp
)
target_link_libraries(orvan_prediction_core PUBLIC orvan_quality_core)
