#pragma once
// The strength journal window: the journal menu (open, new, connect to a server, save a copy,
// check, history); the mixes; the parties of the chosen mix over a model that reads as the
// user scrolls (add, edit, delete, sort, filter by date); paste of a block of extracts; CSV
// import and export; the analysed period of the chosen mix from its latest parties (published
// as the dialogs publish theirs, and stored with the mix) and the control chart of every party
// after it. Widgets are found by their object names.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "common/Form.h"
#include "journal/Journal.h"
#include "strength_control/calc/Conformity.h"
#include "strength_control/calc/ControlChart.h"
#include "strength_control/calc/Cusum.h"
#include "strength_control/calc/SeriesCusum.h"

class AppContext;
class PartyTableModel;
class ProportioningInputs;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QTableView;

class JournalWindow : public QWidget {
    Q_OBJECT
public:
    // `location`: a file path or postgresql:// URL; empty: the program's own journal.
    explicit JournalWindow(AppContext& app, QWidget* parent = nullptr, QString location = {});
    ~JournalWindow() override;

    // Opens the journal on first use; a journal that cannot be used shows why, and the window
    // stays up with the journal menu's choices.
    bool openJournal();
    // Opens another journal (a file path or a postgresql:// URL) in place of this one and
    // remembers it in the program's settings; the journal shown stays when it cannot be used.
    bool switchJournal(const QString& location);
    orvan::journal::Journal* journal() const { return journal_.get(); }
    PartyTableModel* partyModel() const { return model_; }

    void selectMix(const QString& name);
    void importFile(const QString& path);
    void exportFile(const QString& path);
    void copyTo(const QString& location);
    void pasteBlock(const QString& text);
    void analyse();
    void showChart();
    void checkJournal();
    void refresh();
    // The conformity dialog over the chosen mix's parties between the filter's dates (one
    // result per party: the mean of its extracts), through the opener the main window gives.
    void checkConformity();
    using ConformityOpener = std::function<void(const orvan::control::JournalConformity&)>;
    void setConformityOpener(ConformityOpener opener) { conformityOpener_ = std::move(opener); }
    // The control chart window showing `chart` (built from the journal) in place of asking the
    // batch strengths, given by the main window.
    using ChartOpener = std::function<void(orvan::control::ChartOutcome chart)>;
    void setChartOpener(ChartOpener opener) { chartOpener_ = std::move(opener); }
    // The CUSUM chart window of a journal's CUSUM, given by the main window: the sums, and the
    // journal's parties behind them.
    using CusumOpener = std::function<void(const orvan::control::CusumInputs& inputs,
                                           const orvan::control::SeriesCusum& result)>;
    void setCusumOpener(CusumOpener opener) { cusumOpener_ = std::move(opener); }
    // From the results back to the mix: the 28-day strengths predicted from the early ones;
    // the CUSUM of the parties (the prediction where a 28-day result is missing), T and s from
    // the stored analysed period; the mix corrected from the parties of its designs.
    void predictStrengths();
    void runCusum();
    void correctMix();
    // Asks first, naming what goes; the reason typed goes to the history.
    void deleteSelectedParties();
    void deleteMix();
    // The five figures of a mix's latest stored analysed period as the controlled-period
    // dialog's field texts (as the report shows them), the mix chosen by the user among those
    // that have one.
    std::optional<orvan::FieldTexts> chooseStoredPeriod(QWidget* parent);
    // The latest proportioning report window and the field texts of the six proportioning
    // dialogs (kept in `inputs`, given by the main window), saved with the chosen mix; loading
    // puts a design's texts back into the dialogs.
    void setProportioningInputs(ProportioningInputs* inputs) { inputs_ = inputs; }
    void saveDesign();
    void loadDesign();
    void showHistory();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void publishReport(std::string (*title)(int), const std::vector<std::string>& lines);
    QPushButton* button(const char* name, const char* caption, void (JournalWindow::*action)());
    QMenuBar* buildMenu();
    QWidget* buildMixes();
    QWidget* buildParties();
    QWidget* buildAnalysis();
    void journalOpened();
    void updatePredictions();
    void applyPermissions();
    bool reachable();
    void reloadMixes();
    void mixChosen();
    void applyFilter();
    void addMix();
    void addParty();
    void editParty();
    void pasteClipboard();
    void chooseImport();
    void chooseExport();
    void chooseOpen();
    void chooseNew();
    void chooseServer();
    void chooseCopy();
    // A path from the program's own file dialog, its columns sized to show whole; "" when
    // cancelled. `name`: the file name proposed.
    QString askFile(const QString& caption, const QString& name, const QString& filter, bool save);
    bool editPartyDialog(orvan::journal::Party& party, const QString& caption);
    std::optional<orvan::journal::Mix> currentMix();
    void tell(const std::string& message);
    void tellList(const std::string& message, const std::vector<std::string>& details);
    void say(const QString& text);

    AppContext& app_;
    QString location_;
    std::unique_ptr<orvan::journal::Journal> journal_;
    PartyTableModel* model_ = nullptr;
    ConformityOpener conformityOpener_;
    ChartOpener chartOpener_;
    CusumOpener cusumOpener_;
    ProportioningInputs* inputs_ = nullptr;
    bool quiet_ = false;  // tell() writes the status line only (a refresh on activation)

    QListWidget* lbMixes = nullptr;
    QTableView* tvParties = nullptr;
    QLineEdit* edFrom = nullptr;
    QLineEdit* edTo = nullptr;
    QComboBox* cbLayout = nullptr;
    QLineEdit* edClass = nullptr;
    QLineEdit* edUntil = nullptr;
    QLabel* lbState = nullptr;
};
