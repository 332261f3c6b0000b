#pragma once
// The input fields of a dialog as plain data: the command-line tool lists and fills them,
// and the dialogs can build from the same table.
#include <map>
#include <string>
#include <vector>

#include "common/CoreGuard.h"

namespace orvan {

struct FieldSpec {
    std::string name;         // the component name, e.g. "edClassBet" or "rgFrost"
    std::string caption;      // the label the dialog shows
    std::string defaultText;  // the text the field starts with (a radio group's item index)
};

struct FormSpec {
    std::string name;  // the dialog's component name, e.g. "fmBNS"
    std::vector<FieldSpec> fields;
};

// Field texts by component name, as a user typed them.
using FieldTexts = std::map<std::string, std::string>;

// The defaults of a form.
FieldTexts defaultTexts(const FormSpec& form);

// The text of a field, or its default when absent; "" for an unknown name.
std::string fieldText(const FieldTexts& texts, const FormSpec& form, const std::string& name);

}  // namespace orvan
