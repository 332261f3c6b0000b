#pragma once
// "CUSUM...": the target mean, the standard deviation, the factors k and h and the party
// strengths (typed or pasted). OK publishes the CUSUM report and opens its chart window.
#include <optional>

#include "app/OrvanDialog.h"

class QLineEdit;
class QPlainTextEdit;

class CusumDialog : public OrvanDialog {
    Q_OBJECT
public:
    explicit CusumDialog(AppContext& app, QWidget* parent = nullptr);

    QLineEdit* edTarget = nullptr;
    QLineEdit* edSigma = nullptr;
    QLineEdit* edK = nullptr;
    QLineEdit* edH = nullptr;
    QPlainTextEdit* edStrengths = nullptr;

    void runCusum();

protected:
    void runAction() override { runCusum(); }
    void showEvent(QShowEvent* event) override;

private:
    std::optional<double> readOrAnalysed(const QLineEdit* field, bool target);
};
