#pragma once
// The correction dialog: two pages, each a self-contained correction of a mix with its own
// report. The opening command selects the page; the user never switches pages.
#include <QCoreApplication>
#include <QHash>
#include <QString>

#include "kit/FormPagesDialog.h"

class QLineEdit;

class CorrectionDialog : public FormPagesDialog {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "Tcorrection";

    // Page 0 is correct_strength, page 1 correct_granulom (selectPage).
    explicit CorrectionDialog(AppContext& app, QWidget* parent = nullptr);

    // Puts a text into a field of either page by its component name (edP, edVoda, ...).
    void setFieldText(const QString& name, const QString& text);

protected:
    // Each group of fields in a form layout, a group with a heading in a box under it.
    void buildFields(QWidget* widget, QVBoxLayout* layout, const orvan::FormPage& page) override;
    void runAction() override;

private:
    QString labelName();
    orvan::FieldTexts pageTexts() const;

    void correctStrength();
    void correctAggregates();

    QHash<QString, QLineEdit*> fields_;
    int labelCount_ = 0;
};
