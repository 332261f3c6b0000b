#include "mixdesign/ProportioningInputs.h"

orvan::FieldTexts ProportioningInputs::texts(const std::string& dialog) const {
    for (const Entry& entry : dialogs_)
        if (entry.first == dialog) return entry.second;
    return {};
}

void ProportioningInputs::store(const std::string& dialog, const orvan::FieldTexts& texts) {
    for (Entry& entry : dialogs_)
        if (entry.first == dialog) {
            entry.second = texts;
            return;
        }
    dialogs_.emplace_back(dialog, texts);
}

void ProportioningInputs::load(const std::string& dialog, const orvan::FieldTexts& texts) {
    emit loaded(QString::fromStdString(dialog), texts);
}
