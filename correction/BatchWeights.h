#pragma once
// "Batch weights...": from the active proportioning report window, the correction dialog on
// its aggregate page with the design's water, sand, coarse aggregate, cement and fly ash filled
// in, so that a mixer load lists every material of the design.
#include <optional>

#include "kit/DesignQuantities.h"

class CorrectionDialog;
class QWidget;

// `design`: the quantities of the active proportioning report, as the main window's session
// keeps them. Without one a message says so and nothing opens; nor does anything without a
// correction dialog.
void openBatchWeights(QWidget* mainWindow, const std::optional<DesignQuantities>& design,
                      CorrectionDialog* correction);
