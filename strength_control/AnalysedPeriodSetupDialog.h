#pragma once
// The entry dialog of the analysed period: the sampling layout and the specified class B of
// the concrete, kept in the session as they change. OK opens the input dialog of the chosen
// layout through the opener the main window gives; that dialog reads edB's text from the
// session when it runs.
#include <QCoreApplication>
#include <QString>
#include <functional>

#include "kit/DialogBase.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
struct AnalysedPeriodSession;

class AnalysedPeriodSetupDialog : public DialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmPeriod_Analiz1";

    AnalysedPeriodSetupDialog(AppContext& app, AnalysedPeriodSession& session,
                              QWidget* parent = nullptr);

    // rgCount_Party: 0 is 5 parties of 6 extracts, 1 is 10 parties of 3 extracts.
    int countPartyIndex() const;
    void setCountPartyIndex(int index);
    // The current text of edB.
    QString edBText() const;

    // Shows the input dialog of the layout with this item index, modally.
    using InputOpener = std::function<void(int countPartyIndex)>;
    void setInputOpener(InputOpener opener) { openInput_ = std::move(opener); }
    void showInputDialog();

protected:
    void runAction() override;
    void showEvent(QShowEvent* event) override;

private:
    void loadSession();
    void storeSession();

    AnalysedPeriodSession& session_;
    InputOpener openInput_;
    QGroupBox* rgCount_Party = nullptr;
    QButtonGroup* countPartyItems_ = nullptr;
    QLineEdit* edB = nullptr;
};
