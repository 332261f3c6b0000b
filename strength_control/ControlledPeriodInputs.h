#pragma once
// The controlled period's six input texts for the whole run, owned by the main window: the
// input dialog loads from it when shown and writes to it as its fields change; the chart and
// "CUSUM..." read it.
#include "common/FieldSpec.h"
#include "strength_control/calc/ControlChart.h"

struct ControlledPeriodInputs {
    // By component name: edRy, edCountParty, edRpr1, edRpr2, edRcor1, edRcor2.
    orvan::FieldTexts texts = orvan::defaultTexts(orvan::control::controlForm());
};
