# The controlled period's windows, and the Enhanced Metafile writer the chart is saved with
# (libUEMF has no CMake or pkg-config files).
find_path(UEMF_INCLUDE_DIR uemf.h REQUIRED)
find_library(UEMF_LIBRARY uemf REQUIRED)

add_library(orvan_emf_writer STATIC
    EmfPaintDevice.cpp
    EmfPaintEngine.cpp
)
target_include_directories(orvan_emf_writer PUBLIC ${PROJECT_SOURCE_DIR} ${UEMF_INCLUDE_DIR})
target_link_libraries(orvan_emf_writer PUBLIC Qt6::Gui ${UEMF_LIBRARY})

add_library(orvan_ui_control STATIC
    ControlledPeriodDialog.cpp
    ControlChartWindow.cpp
    ControlChartMarks.cpp
    ControlChartPicture.cpp
    BatchStrengthPrompt.cpp
)
target_link_libraries(orvan_ui_control PUBLIC orvan_uikit orvan_control_core orvan_emf_writer
                                              Qt6::Charts Qt6::Svg)
