#include "mixdesign/ProportioningInputsBinding.h"

#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "mixdesign/MixDialogBase.h"
#include "mixdesign/ProportioningInputs.h"

namespace {

// Loads the dialog's texts from the inputs each time the dialog is shown (not when it comes
// back from behind one of its own message boxes).
class LoadWhenShown : public QObject {
public:
    LoadWhenShown(MixDialogBase* dialog, ProportioningInputs& inputs)
        : QObject(dialog), dialog_(dialog), inputs_(inputs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != dialog_ || event->type() != QEvent::Show || event->spontaneous())
            return false;
        // Only the texts that differ: a field already showing its text keeps its cursor and
        // undo history.
        const orvan::FieldTexts shown = dialog_->fields().texts();
        orvan::FieldTexts changed;
        for (const auto& [name, text] : inputs_.texts(dialog_->objectName().toStdString()))
            if (auto it = shown.find(name); it == shown.end() || it->second != text)
                changed[name] = text;
        if (!changed.empty()) dialog_->fields().setTexts(changed);
        return false;
    }

private:
    MixDialogBase* dialog_;
    ProportioningInputs& inputs_;
};

}  // namespace

void bindToInputs(MixDialogBase* dialog, ProportioningInputs& inputs) {
    const std::string name = dialog->objectName().toStdString();
    auto store = [dialog, &inputs, name] { inputs.store(name, dialog->fields().texts()); };
    store();
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
        QObject::connect(edit, &QLineEdit::textChanged, dialog, store);
    for (QRadioButton* item : dialog->findChildren<QRadioButton*>())
        QObject::connect(item, &QRadioButton::toggled, dialog, store);
    QObject::connect(&inputs, &ProportioningInputs::loaded, dialog,
                     [dialog](const QString& target, const orvan::FieldTexts& texts) {
                         if (target == dialog->objectName()) dialog->fields().setTexts(texts);
                     });
    dialog->installEventFilter(new LoadWhenShown(dialog, inputs));
}
