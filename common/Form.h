#pragma once
// The input fields of a dialog as plain data: the dialogs build themselves from these tables,
// the command-line tool lists and fills the same fields, and the tests read them, so a
// component name, a caption or a default is written down once.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"

namespace orvan {

// What a text field accepts while it is typed (nothing else is checked before a run reads it).
enum class EntryFormat {
    Free,           // any text
    TwoDigits,      // exactly two digits, e.g. "50"        (Qt input mask "99")
    DigitDotDigit,  // one digit, a point, one digit, "2.0" (Qt input mask "9.9")
    FourDigits,     // exactly four digits, e.g. "1400"    (Qt input mask "9999")
};

// The Qt-style input mask of a format ("" for Free), so the dialogs need no table of their own.
std::string inputMask(EntryFormat format);
// Whether a text holds the whole pattern of its format (a Free text always does).
// `number`: the separator that stands for the mask's point besides the point itself.
bool holdsEntryFormat(EntryFormat format, const std::string& text, NumberFormat number = {});
// What a field of that format needs: "enter four digits"; "" for Free.
std::string entryFormatHint(EntryFormat format);

// Lines joined by `separator`: a caption on one line (' ') or as its label shows it ('\n').
std::string joinLines(const std::vector<std::string>& lines, char separator);

// One field of a dialog: a text field, or a radio group when `items` is not empty.
struct Field {
    std::string name;                       // the component name, e.g. "edClassBet", "rgFrost"
    std::vector<std::string> captionLines;  // the label, line by line (most have one line)
    std::string defaultText;                // a text field's start text; a radio group's index
    EntryFormat format = EntryFormat::Free;
    std::vector<std::string> items;  // radio-group items in index order; empty for a text field

    bool isRadioGroup() const { return !items.empty(); }
    // The caption lines joined by one blank: the caption on one line.
    std::string caption() const;
    // The caption as the command-line tool lists it: a radio group adds its items by index,
    // "Kind of coarse aggregates: 0 Crushed stones | 1 Gravels".
    std::string listedCaption() const;
};

// A text field, and a radio group whose default is an item index.
Field textField(std::string name, std::vector<std::string> captionLines,
                std::string defaultText = "", EntryFormat format = EntryFormat::Free);
Field radioField(std::string name, std::string caption, std::vector<std::string> items,
                 int defaultIndex);

// Consecutive fields of a page under a common heading; an empty heading means the fields
// stand on their own.
struct FieldGroup {
    std::vector<std::string> headingLines;
    std::size_t fieldCount = 0;
};

// One page of a dialog (a single-page dialog has one page with an empty name).
struct FormPage {
    std::string name;     // the page's component name ("F", "correct_strength", ...), or ""
    std::string caption;  // the page's tab caption, or "" for a single-page dialog
    std::vector<Field> fields;
    std::string actionName;          // the OK button's component name
    std::string closeName;           // the "&Close" button's component name
    int helpTopic = 0;               // the page's own help topic; 0: the form's
    std::vector<FieldGroup> groups;  // the fields in order, by heading; empty: one plain group
};

// A page of fields without a heading and with its own buttons, the form's help topic.
FormPage fieldsPage(std::string name, std::string caption, std::vector<Field> fields,
                    std::string actionName, std::string closeName);

// A dialog: its pages, or one page when `pageControlName` is empty.
struct Form {
    std::string name;     // the dialog's objectName and the command-line form name, "fmBNS"
    std::string caption;  // the window title
    int helpTopic = 0;
    std::vector<FormPage> pages;
    std::string pageControlName;  // the page control's component name; "" for a single page

    const FormPage* page(const std::string& pageName) const;  // nullptr when absent
    const Field* field(const std::string& fieldName) const;   // searched over every page
    std::vector<Field> fields() const;                        // every page's, in order
    int pageHelpTopic(std::size_t index) const;               // the page's topic, else the form's
    // The same form with page `index` only: the command that runs that page alone.
    Form withPageOnly(std::size_t index) const;
};

// A single-page form of plain fields: what the command line knows of a dialog that builds
// itself otherwise.
Form fieldsForm(std::string name, std::vector<Field> fields);

// Field texts by component name, as a user typed them.
using FieldTexts = std::map<std::string, std::string>;

// The defaults of a form.
FieldTexts defaultTexts(const Form& form);

// The text of a field, or its default when absent; "" for an unknown name.
std::string fieldText(const FieldTexts& texts, const Form& form, const std::string& name);

// The first field of `page`, in table order, whose text does not hold its whole pattern, with
// the message that names its caption and the pattern it needs; nothing when all do.
struct EntryProblem {
    std::string field;  // component name
    std::string message;
};
std::optional<EntryProblem> firstEntryProblem(const FormPage& page, const FieldTexts& texts,
                                              NumberFormat number = {});

}  // namespace orvan
