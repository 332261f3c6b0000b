#pragma once
// What the six proportioning dialogs share: they are built from the core's table of their
// fields (so captions, defaults and entry formats are written down once), single-page or with
// a page control whose pages the user can never switch, each page with its own OK and
// "&Close" buttons.
#include <optional>
#include <vector>

#include "app/OrvanDialog.h"
#include "mixdesign/MixFields.h"

class QPushButton;
class QTabWidget;

namespace orvan::mix {
struct MixDialog;
}  // namespace orvan::mix

class MixDialogBase : public OrvanDialog {
    Q_OBJECT
public:
    MixDialogBase(AppContext& app, QWidget* parent);

    const MixFieldSet& fields() const { return fields_; }
    MixFieldSet& fields() { return fields_; }
    // The caption of text field `name` as its label shows it, on one line ("" when the dialog
    // has no such field); in English exactly the core's caption.
    QString shownCaption(const QString& name) const;

    // The page control (null for a single-page dialog) and the page shown.
    QTabWidget* pageControl() const { return pages_; }
    int selectedPage() const { return selected_; }

    // A page change asked for by the user: never allowed; the opening code selects the page.
    bool pageChanging(int newIndex) const;

    // Shows the dialog modally on page `index`; on OK (button, Enter or Esc) the texts of that
    // page's fields, otherwise nothing.
    std::optional<orvan::FieldTexts> askOnPage(int index);

protected:
    // Builds the fields, pages and buttons of `dialog`; `tr` translates in the window's own
    // context. Returns nothing: the widgets are reachable by their component names.
    void buildFrom(const orvan::mix::MixDialog& dialog, const Translator& tr);
    // Makes page `index` the current one, its OK the default button.
    void selectPage(int index);
    // Extra buttons a dialog adds beside OK and "&Close" on its single page.
    void addButton(QPushButton* button);

    void showEvent(QShowEvent* event) override;
    // A field of the page shown that does not hold its whole pattern stops OK: a message
    // names its caption and pattern, the focus goes to it.
    bool acceptsInput() override;

private:
    QWidget* buildPage(const orvan::mix::MixDialog& dialog, int index, const Translator& tr);
    void refuseUserSwitch(int index);

    const orvan::mix::MixDialog* dialog_ = nullptr;
    MixFieldSet fields_;
    QTabWidget* pages_ = nullptr;
    std::vector<QPushButton*> okButtons_;
    QLayout* extraButtons_ = nullptr;
    int selected_ = 0;
};
