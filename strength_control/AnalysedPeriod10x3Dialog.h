#pragma once
// The input dialog of the 10x3 layout: ten tabs of three extract fields; fixed border.
#include <QCoreApplication>

#include "strength_control/AnalysedPeriodInputDialog.h"

class AnalysedPeriod10x3Dialog : public AnalysedPeriodInputDialog {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmPeriod_analiz2_15";

    explicit AnalysedPeriod10x3Dialog(AppContext& app, QWidget* parent = nullptr);

protected:
    QString translate(const char* text, const char* componentName) const override {
        return QCoreApplication::translate(kForm, text, componentName);
    }
};
