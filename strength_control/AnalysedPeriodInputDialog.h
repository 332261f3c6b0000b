#pragma once
// The input dialog of the analysed period in either of its two configurations: five tabs of
// six extract fields (fmPeriod_analiz2_5, resizable) or ten tabs of three (fmPeriod_analiz2_15,
// fixed border). One tab per party with its extract fields, the statistics run on OK over the
// extracts and the session's edB text, the report, and pasting a block of extract texts.
#include <vector>

#include "kit/DialogBase.h"
#include "strength_control/calc/AnalysedPeriod.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

struct AnalysedPeriodSession;

class AnalysedPeriodInputDialog : public DialogBase {
    Q_OBJECT
public:
    // One of the two configurations: the layout, the object name and the translation context
    // (the form's class name, whatever this class is called) and the border.
    struct Configuration {
        const orvan::analysed::AnalysedPeriodLayout& layout;
        const char* objectName;
        const char* form;
        bool fixedBorder;  // the window keeps the size its contents ask for
    };
    static const Configuration& fiveBySix();   // fmPeriod_analiz2_5, TfmPeriod_analiz2_5
    static const Configuration& tenByThree();  // fmPeriod_analiz2_15, TfmPeriod_analiz2_15

    AnalysedPeriodInputDialog(AppContext& app, AnalysedPeriodSession& session,
                              const Configuration& configuration, QWidget* parent = nullptr);

    const orvan::analysed::AnalysedPeriodLayout& periodLayout() const { return layout_; }
    QTabWidget* pageControl() const { return page; }
    // 1-based party and extract.
    QLineEdit* extractField(int party, int extract) const;

    // The statistics run and its report, as OK does it (the dialog's closing aside).
    void runAnalysis();
    // Fills every extract field from the clipboard's text, or fills nothing and says why.
    void pasteExtracts();

protected:
    void runAction() override;
    void showEvent(QShowEvent* event) override;
    // Ctrl+V in an extract field with a block of several lines on the clipboard fills the
    // dialog as "Paste" does; a single line still pastes into the field.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    // The configuration's translation: tr(text, componentName) under its form's class name.
    QString translate(const char* text, const char* componentName) const;
    QWidget* buildPartyTab(int party);
    orvan::analysed::ExtractTexts extractTexts() const;
    void showParty(int party);
    // Why a pasted block does not fit, in the interface's language.
    QString pasteProblem(const orvan::analysed::ExtractBlock& block) const;

    AnalysedPeriodSession& session_;
    const Configuration& configuration_;
    const orvan::analysed::AnalysedPeriodLayout& layout_;
    QTabWidget* page = nullptr;
    std::vector<std::vector<QLineEdit*>> fields_;  // [party][extract], 0-based
    QString failedField_;  // the field whose text stopped the last run: focused on reopening
};
