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

void ProportioningInputs::setReportDesign(QObject* report, const DesignQuantities& design) {
    for (auto& [window, kept] : reportDesigns_)
        if (window == report) {
            kept = design;
            return;
        }
    reportDesigns_.emplace_back(report, design);
    connect(report, &QObject::destroyed, this, [this, report] {
        std::erase_if(reportDesigns_,
                      [report](const auto& entry) { return entry.first == report; });
    });
}

std::optional<DesignQuantities> ProportioningInputs::reportDesign(const QObject* report) const {
    for (const auto& [window, design] : reportDesigns_)
        if (report && window == report) return design;
    return std::nullopt;
}
