#include "common/Form.h"

#include "common/ReportLanguage.h"

namespace orvan {

std::string inputMask(EntryFormat format) {
    switch (format) {
        case EntryFormat::TwoDigits:
            return "99";
        case EntryFormat::DigitDotDigit:
            return "9.9";
        case EntryFormat::FourDigits:
            return "9999";
        case EntryFormat::Free:
            break;
    }
    return {};
}

bool holdsEntryFormat(EntryFormat format, const std::string& text, NumberFormat number) {
    const std::string mask = inputMask(format);
    if (mask.empty()) return true;
    if (text.size() != mask.size()) return false;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        // The mask's point stands for the decimal separator: the locale's one, or a point.
        const bool literal = text[i] == mask[i] || (mask[i] == '.' && text[i] == number.decimal);
        if (mask[i] == '9' ? !digit : !literal) return false;
    }
    return true;
}

std::string entryFormatHint(EntryFormat format) {
    switch (format) {
        case EntryFormat::TwoDigits:
            return reportText("enter two digits");
        case EntryFormat::DigitDotDigit:
            return reportText("enter a digit, a point and a digit");
        case EntryFormat::FourDigits:
            return reportText("enter four digits");
        case EntryFormat::Free:
            break;
    }
    return {};
}

std::string joinLines(const std::vector<std::string>& lines, char separator) {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) joined += separator;
        joined += lines[i];
    }
    return joined;
}

std::string Field::caption() const {
    return joinLines(captionLines, ' ');
}

std::string Field::listedCaption() const {
    std::string listed = caption();
    for (std::size_t i = 0; i < items.size(); ++i)
        listed += (i ? " | " : ": ") + std::to_string(i) + " " + items[i];
    return listed;
}

Field textField(std::string name, std::vector<std::string> captionLines, std::string defaultText,
                EntryFormat format) {
    Field field;
    field.name = std::move(name);
    field.captionLines = std::move(captionLines);
    field.defaultText = std::move(defaultText);
    field.format = format;
    return field;
}

Field radioField(std::string name, std::string caption, std::vector<std::string> items,
                 int defaultIndex) {
    Field field = textField(std::move(name), {std::move(caption)}, std::to_string(defaultIndex));
    field.items = std::move(items);
    return field;
}

FormPage fieldsPage(std::string name, std::string caption, std::vector<Field> fields,
                    std::string actionName, std::string closeName) {
    FormPage page;
    page.name = std::move(name);
    page.caption = std::move(caption);
    page.fields = std::move(fields);
    page.actionName = std::move(actionName);
    page.closeName = std::move(closeName);
    return page;
}

const FormPage* Form::page(const std::string& pageName) const {
    for (const auto& p : pages)
        if (p.name == pageName) return &p;
    return nullptr;
}

const Field* Form::field(const std::string& fieldName) const {
    for (const auto& p : pages)
        for (const auto& f : p.fields)
            if (f.name == fieldName) return &f;
    return nullptr;
}

std::vector<Field> Form::fields() const {
    std::vector<Field> all;
    for (const auto& p : pages) all.insert(all.end(), p.fields.begin(), p.fields.end());
    return all;
}

int Form::pageHelpTopic(std::size_t index) const {
    const int own = index < pages.size() ? pages[index].helpTopic : 0;
    return own ? own : helpTopic;
}

Form Form::withPageOnly(std::size_t index) const {
    Form one = *this;
    one.pages = {pages.at(index)};
    one.pageControlName.clear();
    return one;
}

Form fieldsForm(std::string name, std::vector<Field> fields) {
    Form form;
    form.name = std::move(name);
    form.pages.push_back(fieldsPage("", "", std::move(fields), "", ""));
    return form;
}

FieldTexts defaultTexts(const Form& form) {
    FieldTexts texts;
    for (const auto& page : form.pages)
        for (const auto& field : page.fields) texts[field.name] = field.defaultText;
    return texts;
}

std::string fieldText(const FieldTexts& texts, const Form& form, const std::string& name) {
    if (auto it = texts.find(name); it != texts.end()) return it->second;
    if (const Field* field = form.field(name)) return field->defaultText;
    return {};
}

std::optional<EntryProblem> firstEntryProblem(const FormPage& page, const FieldTexts& texts,
                                              NumberFormat number) {
    for (const Field& field : page.fields) {
        auto it = texts.find(field.name);
        if (field.isRadioGroup() || it == texts.end() ||
            holdsEntryFormat(field.format, it->second, number))
            continue;
        std::string message(1, '"');
        message += field.caption();
        message += "\": ";
        message += entryFormatHint(field.format);
        return EntryProblem{field.name, message};
    }
    return std::nullopt;
}

}  // namespace orvan
