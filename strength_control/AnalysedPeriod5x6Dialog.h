#pragma once
// The input dialog of the 5x6 layout: five tabs of six extract fields; resizable.
#include <QCoreApplication>

#include "strength_control/AnalysedPeriodInputDialog.h"

class AnalysedPeriod5x6Dialog : public AnalysedPeriodInputDialog {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmPeriod_analiz2_5";

    explicit AnalysedPeriod5x6Dialog(AppContext& app, QWidget* parent = nullptr);

protected:
    QString translate(const char* text, const char* componentName) const override {
        return QCoreApplication::translate(kForm, text, componentName);
    }
};
