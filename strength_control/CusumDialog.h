#pragma once
// "CUSUM...": the target mean, the standard deviation, the factors k and h and the party
// strengths (typed or pasted). OK publishes the CUSUM report and opens its chart window.
#include <optional>

#include "kit/DialogBase.h"
#include "strength_control/calc/Cusum.h"

class QLineEdit;
class QPlainTextEdit;
struct AnalysedPeriodSession;
struct ControlledPeriodInputs;

// A blank target starts from the controlled period's average level of strength; a blank
// target or standard deviation on OK is taken from the session's newest analysed period (s as
// the standard deviation of a party mean, since the CUSUM runs on party strengths).
class CusumDialog : public DialogBase {
    Q_OBJECT
public:
    CusumDialog(AppContext& app, const ControlledPeriodInputs& controlled,
                const AnalysedPeriodSession& analysed, QWidget* parent = nullptr);

    void runCusum();

protected:
    void runAction() override { runCusum(); }
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* edTarget = nullptr;
    QLineEdit* edSigma = nullptr;
    QLineEdit* edK = nullptr;
    QLineEdit* edH = nullptr;
    QPlainTextEdit* edStrengths = nullptr;
    // T (target) or s into `in` with its source; false when neither typed nor computable (a
    // message says so).
    bool readOrAnalysed(const QLineEdit* field, bool target, orvan::control::CusumInputs& in);

    const ControlledPeriodInputs& controlled_;
    const AnalysedPeriodSession& analysed_;
};
