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

// The verdicts of the parties' strengths against the five figures; null when `strengths` is
// empty (a message says so).
TextWindow* publishVerdictReport(AppContext& app, QWidget* parent,
                                 const orvan::control::ControlLimits& limits,
                                 const std::vector<double>& strengths);

// The CUSUM report, then its chart window (non-modal, deleted when closed); null when
// refused or failed.
TextWindow* publishCusum(AppContext& app, QWidget* parent,
                         const orvan::control::CusumInputs& inputs);

// The conformity report; null when the rule does not apply.
TextWindow* publishConformity(AppContext& app, QWidget* parent,
                              const orvan::control::ConformityInputs& inputs);
