#pragma once
// The correction dialog: two pages, each a self-contained correction of a mix with its own
// report. The opening command selects the page; the user never switches pages.
#include <QCoreApplication>
#include <QHash>
#include <QString>

#include "app/OrvanDialog.h"
#include "common/FieldSpec.h"

class QLineEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace orvan::correction {
struct PageLayout;
struct FieldGroup;
}  // namespace orvan::correction

class CorrectionDialog : public OrvanDialog {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "Tcorrection";

    explicit CorrectionDialog(AppContext& app, QWidget* parent = nullptr);

    // Makes page 0 (correct_strength) or 1 (correct_granulom) the active page; any other
    // index is ignored.
    void selectPage(int index);
    int selectedPage() const { return selected_; }

    // The page control's change request from the user: never allowed.
    bool pageChanging(int newIndex) const;

    // Puts a text into a field of either page by its component name (edP, edVoda, ...).
    void setFieldText(const QString& name, const QString& text);

protected:
    void runAction() override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildPage(const orvan::correction::PageLayout& layout);
    void addGroup(QVBoxLayout* pageLayout, QWidget* pageWidget,
                  const orvan::correction::FieldGroup& group);
    QString labelName();
    orvan::FieldTexts pageTexts(const orvan::correction::PageLayout& layout) const;
    void refuseUserSwitch(int index);

    void correctStrength();
    void correctAggregates();

    QTabWidget* page = nullptr;
    QHash<QString, QLineEdit*> fields_;
    QPushButton* okButtons_[2] = {nullptr, nullptr};
    QLineEdit* firstFields_[2] = {nullptr, nullptr};
    int selected_ = 0;
    bool selecting_ = false;
    int labelCount_ = 0;
};
