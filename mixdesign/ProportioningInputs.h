#pragma once
// The field texts of the proportioning dialogs for the whole run, owned by the main window,
// one entry per dialog (by object name) in the order the dialogs were bound. Each bound dialog
// writes its texts here as they change and loads them when shown; the journal saves a design
// from here and loads one back, which the dialogs take up at once. Qt Core only: the journal
// window reaches the proportioning dialogs through this model alone. It also keeps the design
// quantities of each proportioning report window while the window is open.
#include <QObject>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "kit/DesignQuantities.h"
#include "common/Form.h"

class ProportioningInputs : public QObject {
    Q_OBJECT
public:
    using Entry = std::pair<std::string, orvan::FieldTexts>;  // dialog name, its texts
    const std::vector<Entry>& dialogs() const { return dialogs_; }
    // The texts of one dialog; empty for a dialog not bound.
    orvan::FieldTexts texts(const std::string& dialog) const;

    // A dialog's texts as it shows them now.
    void store(const std::string& dialog, const orvan::FieldTexts& texts);
    // Texts put into a dialog from outside (unknown names are ignored by the dialog).
    void load(const std::string& dialog, const orvan::FieldTexts& texts);

    // The quantities `report` (a report window) prints, kept until the window is destroyed.
    void setReportDesign(QObject* report, const DesignQuantities& design);
    // Those of `report`; none for a window that is not a proportioning report (or null).
    std::optional<DesignQuantities> reportDesign(const QObject* report) const;

signals:
    void loaded(const QString& dialog, const orvan::FieldTexts& texts);

private:
    std::vector<Entry> dialogs_;
    std::vector<std::pair<const QObject*, DesignQuantities>> reportDesigns_;
};
