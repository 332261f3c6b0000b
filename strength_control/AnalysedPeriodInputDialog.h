#pragma once
// What the two input dialogs of the analysed period share: one tab per party with its extract
// fields, the statistics run on OK, the report, and pasting a block of extract texts.
#include <optional>
#include <vector>

#include "app/OrvanDialog.h"
#include "strength_control/calc/AnalysedPeriod.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

class AnalysedPeriodSetupDialog;

class AnalysedPeriodInputDialog : public OrvanDialog {
    Q_OBJECT
public:
    const orvan::analysed::AnalysedPeriodLayout& periodLayout() const { return layout_; }
    QTabWidget* pageControl() const { return page; }
    // 1-based party and extract.
    QLineEdit* extractField(int party, int extract) const;

    // The statistics run and its report, as OK does it (the dialog's closing aside).
    void runAnalysis();
    // Fills every extract field from the clipboard's text, or fills nothing and says why.
    void pasteExtracts();

    // The results of this dialog's last completed run, and where that run stands among the
    // completed runs of both layouts (a later run has a larger number; 0: none yet).
    const std::optional<orvan::analysed::AnalysedPeriodResult>& lastResult() const {
        return lastResult_;
    }
    int lastRunOrder() const { return lastRunOrder_; }

protected:
    AnalysedPeriodInputDialog(AppContext& app, const orvan::analysed::AnalysedPeriodLayout& layout,
                              QWidget* parent);
    // Builds the contents; called by the window class's constructor, whose tr() is used.
    void build();
    // The window class's translation: tr(text, componentName).
    virtual QString translate(const char* text, const char* componentName) const = 0;

    void runAction() override;
    void showEvent(QShowEvent* event) override;
    // Ctrl+V in an extract field with a block of several lines on the clipboard fills the
    // dialog as "Paste" does; a single line still pastes into the field.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPartyTab(int party);
    orvan::analysed::ExtractTexts extractTexts() const;
    void showParty(int party);
    // Why a pasted block does not fit, in the interface's language.
    QString pasteProblem(const orvan::analysed::ExtractBlock& block) const;

    const orvan::analysed::AnalysedPeriodLayout& layout_;
    QTabWidget* page = nullptr;
    std::vector<std::vector<QLineEdit*>> fields_;  // [party][extract], 0-based
    QString failedField_;  // the field whose text stopped the last run: focused on reopening
    std::optional<orvan::analysed::AnalysedPeriodResult> lastResult_;
    int lastRunOrder_ = 0;
};
