#pragma once
// The widgets every proportioning dialog is made of, built from the core's field tables: text
// fields with their entry format and radio groups with an item index, plus the set of them a
// dialog reads its texts from. A radio group's text is its item index as a decimal number,
// which is how the core and the command-line tool name a choice.
#include <QGroupBox>
#include <QHash>
#include <QString>
#include <functional>

#include "common/Form.h"

class QButtonGroup;
class QLineEdit;

// A group box of exclusive radio buttons with an item index: -1 means nothing selected (as an
// options file with an index below -1 leaves it), an index past the last item selects the last.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    int count() const;
    QString itemText(int index) const;

private:
    QButtonGroup* buttons_;
};

// Translates a table text of the window being built: (text, component name) -> shown text.
using Translator = std::function<QString(const char* text, const char* componentName)>;

// The fields of one dialog by component name.
class MixFieldSet {
public:
    // Adds the fields of `page` to `parent` in table order: a grid of label and field rows,
    // radio groups spanning both columns.
    void build(QWidget* parent, const orvan::FormPage& page, const Translator& tr);

    QLineEdit* edit(const QString& name) const { return edits_.value(name); }
    RadioGroup* group(const QString& name) const { return groups_.value(name); }

    // The current texts of every field (radio groups as their index).
    orvan::FieldTexts texts() const;
    // The texts of the fields of one page only.
    orvan::FieldTexts texts(const orvan::FormPage& page) const;
    // Puts texts into the named fields; unknown names are ignored.
    void setTexts(const orvan::FieldTexts& texts);

private:
    QHash<QString, QLineEdit*> edits_;
    QHash<QString, RadioGroup*> groups_;
    int labels_ = 0;
};
