#pragma once
// What the six proportioning dialogs share beyond the tabbed dialog: their fields are text
// fields with an entry format and radio groups, laid out in a grid, and a field of the page
// shown that does not hold its whole pattern stops OK.
#include <optional>

#include "kit/FormPagesDialog.h"
#include "mixdesign/MixFields.h"

class MixDialogBase : public FormPagesDialog {
    Q_OBJECT
public:
    MixDialogBase(AppContext& app, QWidget* parent);

    const MixFieldSet& fields() const { return fields_; }
    MixFieldSet& fields() { return fields_; }
    // The caption of text field `name` as its label shows it, on one line ("" when the dialog
    // has no such field); in English exactly the core's caption.
    QString shownCaption(const QString& name) const;

    // Shows the dialog modally on page `index`; on OK (button, Enter or Esc) the texts of that
    // page's fields, otherwise nothing.
    std::optional<orvan::FieldTexts> askOnPage(int index);

protected:
    void buildFields(QWidget* widget, QVBoxLayout* layout, const orvan::FormPage& page) override;
    // A field of the page shown that does not hold its whole pattern stops OK: a message
    // names its caption and pattern, the focus goes to it.
    bool acceptsInput() override;

private:
    MixFieldSet fields_;
};
