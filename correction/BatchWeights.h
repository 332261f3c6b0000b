#pragma once
// "Batch weights...": from the active proportioning report window, the correction dialog on
// its aggregate page with the design's water, sand, coarse aggregate, cement and fly ash filled
// in, so that a mixer load lists every material of the design.
class AppContext;
class CorrectionDialog;
class QWidget;

// Without an active proportioning report a message says so and nothing opens; nor does
// anything without a correction dialog.
void openBatchWeights(AppContext& app, QWidget* mainWindow, CorrectionDialog* correction);
