#include "strength_control/QualityFields.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/Fault.h"
#include "common/NumberText.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "strength_control/calc/StrengthList.h"

namespace ctl = orvan::control;

QLineEdit* addQualityField(QWidget* owner, QFormLayout* form, const char* name,
                           const QString& caption, const QString& initial) {
    auto* edit = new QLineEdit(initial, owner);
    edit->setObjectName(name);
    auto* label = new QLabel(caption, owner);
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
}

QPlainTextEdit* addQualityList(QWidget* owner, QVBoxLayout* layout, const char* name,
                               const QString& caption) {
    auto* label = new QLabel(caption, owner);
    auto* edit = new QPlainTextEdit(owner);
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addWidget(edit, 1);
    return edit;
}

std::optional<double> readQualityNumber(QWidget* parent, const QLineEdit* field) {
    const std::string typed = toCore(field->text());
    if (auto value = orvan::tryTextToFloat(typed, numberFormat())) return value;
    showErrorBox(parent, fromCore(orvan::invalidFloatMessage(typed)));
    return std::nullopt;
}

std::optional<std::vector<double>> readQualityList(QWidget* parent, const QPlainTextEdit* field) {
    const ctl::StrengthList list =
        ctl::parseStrengthList(toCore(field->toPlainText()), numberFormat());
    if (list.ok) return list.values;
    showErrorBox(parent, fromCore(list.message));
    return std::nullopt;
}
