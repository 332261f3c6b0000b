#include "mixdesign/MixFields.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    // Two short items (Yes/No, slump/Vebe, crushed stone/gravel) sit side by side; others stack.
    bool shortItems = items.size() <= 2;
    for (const QString& item : items) shortItems = shortItems && item.size() <= 16;
    QBoxLayout* layout =
        shortItems ? static_cast<QBoxLayout*>(new QHBoxLayout(this)) : new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        buttons_->addButton(button, i);
        layout->addWidget(button);
    }
}

int RadioGroup::itemIndex() const {
    return buttons_->checkedId();  // -1 when nothing is checked
}

void RadioGroup::setItemIndex(int index) {
    const int count = buttons_->buttons().size();
    if (count == 0) return;
    if (index >= count) index = count - 1;
    if (index < 0) {
        // An exclusive group refuses to uncheck its checked button, so lift the rule briefly.
        buttons_->setExclusive(false);
        for (QAbstractButton* button : buttons_->buttons()) button->setChecked(false);
        buttons_->setExclusive(true);
        return;
    }
    buttons_->button(index)->setChecked(true);
}

int RadioGroup::count() const {
    return static_cast<int>(buttons_->buttons().size());
}

QString RadioGroup::itemText(int index) const {
    QAbstractButton* button = buttons_->button(index);
    return button ? button->text() : QString();
}

void MixFieldSet::build(QWidget* parent, const orvan::FormPage& page, const Translator& tr) {
    auto* grid = new QGridLayout;
    if (auto* outer = qobject_cast<QBoxLayout*>(parent->layout()))
        outer->addLayout(grid);
    else
        parent->setLayout(grid);
    int row = 0;
    for (const orvan::Field& field : page.fields) {
        const QString name = fromCore(field.name);
        const std::string caption = orvan::joinLines(field.captionLines, '\n');
        if (field.isRadioGroup()) {
            QStringList items;
            for (const auto& item : field.items) items << tr(item.c_str(), field.name.c_str());
            auto* group = new RadioGroup(tr(caption.c_str(), field.name.c_str()), items, parent);
            group->setObjectName(name);
            group->setItemIndex(fromCore(field.defaultText).toInt());
            grid->addWidget(group, row++, 0, 1, 2);
            groups_.insert(name, group);
            continue;
        }
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(name);
        edit->setInputMask(withLocaleSeparator(fromCore(orvan::inputMask(field.format))));
        edit->setText(withLocaleSeparator(fromCore(field.defaultText)));
        auto* label = new QLabel(tr(caption.c_str(), field.name.c_str()), parent);
        label->setObjectName(QStringLiteral("Label%1_%2").arg(fromCore(page.name)).arg(++labels_));
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row++, 1);
        edits_.insert(name, edit);
    }
}

orvan::FieldTexts MixFieldSet::texts() const {
    orvan::FieldTexts out;
    for (auto it = edits_.begin(); it != edits_.end(); ++it)
        out[toCore(it.key())] = toCore(it.value()->text());
    for (auto it = groups_.begin(); it != groups_.end(); ++it)
        out[toCore(it.key())] = std::to_string(it.value()->itemIndex());
    return out;
}

orvan::FieldTexts MixFieldSet::texts(const orvan::FormPage& page) const {
    const orvan::FieldTexts all = texts();
    orvan::FieldTexts out;
    for (const auto& field : page.fields)
        if (auto it = all.find(field.name); it != all.end()) out.insert(*it);
    return out;
}

void MixFieldSet::setTexts(const orvan::FieldTexts& texts) {
    for (const auto& [name, text] : texts) {
        const QString key = fromCore(name);
        if (QLineEdit* edit = edits_.value(key))
            edit->setText(fromCore(text));
        else if (RadioGroup* group = groups_.value(key))
            group->setItemIndex(fromCore(text).toInt());
    }
}
