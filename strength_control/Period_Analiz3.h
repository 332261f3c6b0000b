#pragma once
// The input dialog of the 10x3 layout: ten tabs of three extract fields; fixed border.
#include "strength_control/Period_AnalizInput.h"

class TfmPeriod_analiz2_15 : public AnalysedPeriodInputDialog {
    Q_OBJECT
public:
    explicit TfmPeriod_analiz2_15(AppContext& app, QWidget* parent = nullptr);

protected:
    QString translate(const char* text, const char* componentName) const override {
        return tr(text, componentName);
    }
};
