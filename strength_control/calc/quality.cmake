# Quality control past the chart: the verdicts of a controlled period, the CUSUM of party
# strengths and the conformity rules.
orvan_core_library(orvan_quality_core
    StrengthList.cpp
    ShownNumbers.cpp
    ControlVerdicts.cpp
    Cusum.cpp
    Conformity.cpp
    ConformitySigma.cpp
)
target_link_libraries(orvan_quality_core PUBLIC orvan_control_core)
