#pragma once
// The control chart window's "Report" (the verdicts of the drawn period in a numbered text
// window) and "PDF..." (the chart as a vector PDF).
class AppContext;
class QBoxLayout;
class TfmPeriod_Control2;

void addVerdictAndPdfButtons(AppContext& app, TfmPeriod_Control2* window, QBoxLayout* buttons);
