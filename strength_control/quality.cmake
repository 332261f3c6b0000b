# Quality control past the chart: the chart window's report and PDF, the CUSUM and conformity
# dialogs and the CUSUM chart window.
target_sources(orvan_ui_control PRIVATE
    ControlChartButtons.cpp
    QualityPublish.cpp
    QualityFields.cpp
    CusumDialog.cpp
    ConformityDialog.cpp
    CusumChartWindow.cpp
    CusumDialog.h
    ConformityDialog.h
    QualityFields.h
)
target_link_libraries(orvan_ui_control PUBLIC orvan_quality_core orvan_ui_analysed)
