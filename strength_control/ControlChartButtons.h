#pragma once
// The control chart window's "Report" (the verdicts of the drawn period in a numbered text
// window) and "PDF..." (the chart as a vector PDF).
class AppContext;
class QBoxLayout;
class ControlChartWindow;

void addVerdictAndPdfButtons(AppContext& app, ControlChartWindow* window, QBoxLayout* buttons);
