#pragma once
// Publishing the quality-control results: the verdict report of a controlled period, the
// CUSUM report with its chart window, the conformity report. Each takes the strengths
// themselves, so that any source (the chart's prompts, typed or pasted results, a journal of
// strengths) can call it. Each computes first and creates its window only on success; a
// refusal shows its reason in a message box and opens nothing.
#include <vector>

#include "strength_control/calc/Conformity.h"
#include "strength_control/calc/ControlVerdicts.h"
#include "strength_control/calc/Cusum.h"

class AppContext;
class QWidget;
class TextWindow;

// The verdicts of a drawn chart's strengths against its five figures, naming the journal's
// parties where it came from the journal; null when the chart holds no strengths (a message
// says so).
TextWindow* publishVerdictReport(AppContext& app, QWidget* parent,
                                 const std::optional<orvan::control::ChartFigures>& figures);

// The CUSUM report, then its chart window (non-modal, deleted when closed); null when
// refused or failed.
TextWindow* publishCusum(AppContext& app, QWidget* parent,
                         const orvan::control::CusumInputs& inputs);

// The conformity report; null when the rule does not apply.
TextWindow* publishConformity(AppContext& app, QWidget* parent,
                              const orvan::control::ConformityInputs& inputs);
