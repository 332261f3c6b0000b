#include "mixdesign/MixDialogBase.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"

MixDialogBase::MixDialogBase(AppContext& app, QWidget* parent) : FormPagesDialog(app, parent) {}

void MixDialogBase::buildFields(QWidget* widget, QVBoxLayout*, const orvan::FormPage& page) {
    fields_.build(widget, page,
                  [this](const char* text, const char* name) { return translated(text, name); });
}

std::optional<orvan::FieldTexts> MixDialogBase::askOnPage(int index) {
    selectPage(index);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return fields_.texts(shownPage());
}

QString MixDialogBase::shownCaption(const QString& name) const {
    const QLineEdit* edit = fields_.edit(name);
    if (!edit || !edit->parentWidget()) return {};
    for (const QLabel* label : edit->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == edit)
            return label->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {};
}

bool MixDialogBase::acceptsInput() {
    if (!form()) return true;
    const orvan::FormPage& page = shownPage();
    const auto problem = orvan::firstEntryProblem(page, fields_.texts(page), numberFormat());
    if (!problem) return true;
    QLineEdit* edit = fields_.edit(fromCore(problem->field));
    // Told in the interface's language: the field's caption and the pattern it needs.
    const QString caption = shownCaption(fromCore(problem->field));
    std::string hint;
    for (const orvan::Field& field : page.fields)
        if (field.name == problem->field) hint = orvan::entryFormatHint(field.format);
    showMessage(this, caption.isEmpty() || hint.empty()
                          ? fromCore(problem->message)
                          : QCoreApplication::translate("Shared", "\"%1\": %2")
                                .arg(caption, QCoreApplication::translate("Shared", hint.c_str())));
    if (edit) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    return false;
}
