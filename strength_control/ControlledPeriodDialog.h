#pragma once
#include <QCoreApplication>
#include <functional>
#include <optional>

#include "common/Form.h"
#include "kit/DialogBase.h"

class QLineEdit;
class QPushButton;
class QToolButton;
struct ControlledPeriodInputs;

// A spinner bound to a text field: each step reads the field's number (when it is one within
// the range), steps it, wrapping at the ends, and writes it back. Typing into the field is
// not limited. The Up and Down keys in the field step as well.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent = nullptr);

    int position() const { return position_; }
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    QLineEdit* associate_;
    int min_, max_, position_;
};

// The controlled period's input dialog: the five figures of the analysed-period report and
// the number of controlled batches, kept in the session's inputs as they change. OK shows the
// chart window through the opener the main window gives.
class ControlledPeriodDialog : public DialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmPeriod_Control1";

    ControlledPeriodDialog(AppContext& app, ControlledPeriodInputs& inputs,
                           QWidget* parent = nullptr);

    // Where "From journal..." takes the five figures of a stored analysed period (the texts of
    // edRy, edRpr1, edRpr2, edRcor1, edRcor2), nothing when the user chose none. Without a
    // source the button is hidden.
    using StoredPeriodSource = std::function<std::optional<orvan::FieldTexts>(QWidget* parent)>;
    void setStoredPeriodSource(StoredPeriodSource source);
    void fillFromStoredPeriod();

    // Shows the chart window, modally.
    void setChartOpener(std::function<void()> opener) { openChart_ = std::move(opener); }

protected:
    void runAction() override { showControlChart(); }
    void showEvent(QShowEvent* event) override;

private:
    void showControlChart();
    QLineEdit* makeField(const char* name);
    QList<QLineEdit*> fields() const;
    void loadInputs();

    ControlledPeriodInputs& inputs_;
    std::function<void()> openChart_;
    StoredPeriodSource storedPeriod_;
    QPushButton* bbFromJournal_ = nullptr;
    QLineEdit* edRy = nullptr;
    QLineEdit* edCountParty = nullptr;
    QLineEdit* edRpr1 = nullptr;
    QLineEdit* edRpr2 = nullptr;
    QLineEdit* edRcor1 = nullptr;
    QLineEdit* edRcor2 = nullptr;
    UpDown* partyCountSpinner_ = nullptr;
};
