#include "common/FieldSpec.h"

namespace orvan {

FieldTexts defaultTexts(const FormSpec& form) {
    FieldTexts texts;
    for (const auto& field : form.fields) texts[field.name] = field.defaultText;
    return texts;
}

std::string fieldText(const FieldTexts& texts, const FormSpec& form, const std::string& name) {
    if (auto it = texts.find(name); it != texts.end()) return it->second;
    for (const auto& field : form.fields)
        if (field.name == name) return field.defaultText;
    return {};
}

}  // namespace orvan
