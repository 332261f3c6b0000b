#include "journal/JournalDesigns.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include "common/ReportLanguage.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

constexpr const char* kField = "field";
constexpr const char* kLine = "line";
constexpr const char* kResult = "result";

Outcome<bool> nameTaken(const Journal& journal, long long mixId, const std::string& name) {
    if (name.empty()) return Outcome<bool>::done(false);
    QSqlQuery query =
        Storage::prepared(journal, "SELECT COUNT(*) FROM mix_designs WHERE mix_id = ? AND name = ?",
                          {mixId, sqlText(name)});
    if (!query.exec() || !query.next()) return Storage::failed<bool>(query);
    return Outcome<bool>::done(query.value(0).toLongLong() > 0);
}

}  // namespace

Outcome<> saveDesign(Journal& journal, long long mixId, const Design& design) {
    return Storage::inTransaction(journal, Storage::Need::Add, [&]() -> Outcome<> {
        const auto mix = journal.mix(mixId);
        if (!mix.ok()) return Outcome<>::endedAs(mix);
        if (!mix.values)
            return Outcome<>::failed(reportText("The mix is no longer in the journal"));
        const Outcome<bool> taken = nameTaken(journal, mixId, design.name);
        if (!taken.ok()) return Outcome<>::endedAs(taken);
        if (taken.values)
            return Outcome<>::refused(
                reportText("The mix '%1' has a design '%2' already: give another name",
                           {mix.values->name, design.name}),
                MessageStyle::Message);
        QSqlQuery head = Storage::prepared(
            journal,
            "INSERT INTO mix_designs (mix_id, saved_at, name) VALUES (?, ?, ?) RETURNING id",
            {mixId, QDateTime::currentDateTimeUtc().toString(Qt::ISODate), sqlText(design.name)});
        if (!head.exec() || !head.next()) return Storage::failed(head);
        const long long designId = head.value(0).toLongLong();
        QSqlQuery text =
            Storage::prepared(journal,
                              "INSERT INTO design_texts (design_id, kind, position, name, text) "
                              "VALUES (?, ?, ?, ?, ?)");
        auto add = [&](const char* kind, int position, const std::string& name,
                       const std::string& value) {
            text.bindValue(0, designId);
            text.bindValue(1, QString::fromLatin1(kind));
            text.bindValue(2, position);
            text.bindValue(3, sqlText(name));
            text.bindValue(4, sqlText(value));
            return text.exec();
        };
        for (std::size_t i = 0; i < design.fields.size(); ++i)
            if (!add(kField, int(i), design.fields[i].name, design.fields[i].text))
                return Storage::failed(text);
        for (std::size_t i = 0; i < design.reportLines.size(); ++i)
            if (!add(kLine, int(i), "", design.reportLines[i])) return Storage::failed(text);
        for (std::size_t i = 0; i < design.results.size(); ++i)
            if (!add(kResult, int(i), design.results[i].name, design.results[i].text))
                return Storage::failed(text);
        return Storage::record(journal, {"design saved", mix.values->name, "", "",
                                         "{\"design\":" + std::to_string(designId) + "}", "", 0});
    });
}

Outcome<std::optional<Design>> latestDesign(const Journal& journal, long long mixId) {
    using Found = Outcome<std::optional<Design>>;
    QSqlQuery head = Storage::prepared(
        journal,
        "SELECT id, saved_at, name FROM mix_designs WHERE mix_id = ? ORDER BY id DESC LIMIT 1",
        {mixId});
    if (!head.exec()) return Storage::failed<std::optional<Design>>(head);
    if (!head.next()) return Found::done(std::nullopt);
    Design design{
        head.value(0).toLongLong(), textOf(head.value(1)), textOf(head.value(2)), {}, {}, {}};
    QSqlQuery texts = Storage::prepared(
        journal,
        "SELECT kind, name, text FROM design_texts WHERE design_id = ? ORDER BY kind, position",
        {design.id});
    if (!texts.exec()) return Storage::failed<std::optional<Design>>(texts);
    while (texts.next()) {
        const std::string kind = textOf(texts.value(0));
        if (kind == kField)
            design.fields.push_back({textOf(texts.value(1)), textOf(texts.value(2))});
        else if (kind == kResult)
            design.results.push_back({textOf(texts.value(1)), textOf(texts.value(2))});
        else
            design.reportLines.push_back(textOf(texts.value(2)));
    }
    return Found::done(std::move(design));
}

Outcome<std::vector<DesignSummary>> designSummaries(const Journal& journal, long long mixId) {
    using Summaries = Outcome<std::vector<DesignSummary>>;
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT d.id, d.name, d.saved_at, t.name, t.text FROM mix_designs d LEFT JOIN "
        "design_texts t ON t.design_id = d.id AND t.kind = ? WHERE d.mix_id = ? ORDER BY d.id",
        {QString::fromLatin1(kResult), mixId});
    if (!query.exec()) return Storage::failed<std::vector<DesignSummary>>(query);
    std::vector<DesignSummary> out;
    long long current = 0;
    while (query.next()) {
        if (query.value(0).toLongLong() != current) {
            current = query.value(0).toLongLong();
            out.push_back({textOf(query.value(1)), textOf(query.value(2)), {}, {}});
        }
        const std::string key = textOf(query.value(3));
        bool ok = false;
        const double value = query.value(4).toString().toDouble(&ok);
        if (!ok) continue;
        if (key == kWaterCementRatioKey) out.back().waterCementRatio = value;
        if (key == kWaterContentKey) out.back().waterContent = value;
    }
    return Summaries::done(std::move(out));
}

}  // namespace orvan::journal
