#pragma once
// The entry dialog of the analysed period: the sampling layout and the specified class B of
// the concrete. OK opens the input dialog of the chosen layout; that dialog reads edB itself
// when it runs.
#include <QCoreApplication>
#include <QString>

#include "app/OrvanDialog.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;

class AnalysedPeriodSetupDialog : public OrvanDialog {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmPeriod_Analiz1";

    explicit AnalysedPeriodSetupDialog(AppContext& app, QWidget* parent = nullptr);

    // rgCount_Party: 0 is 5 parties of 6 extracts, 1 is 10 parties of 3 extracts.
    int countPartyIndex() const;
    void setCountPartyIndex(int index);
    // The current text of edB, read when the statistics run needs it.
    QString edBText() const;

    void showInputDialog();

protected:
    void runAction() override;

private:
    QGroupBox* rgCount_Party = nullptr;
    QButtonGroup* countPartyItems_ = nullptr;
    QLineEdit* edB = nullptr;
};
