#include "journal/JournalDesigns.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include "journal/Storage.h"

namespace orvan::journal {

namespace {

constexpr const char* kField = "field";
constexpr const char* kLine = "line";

}  // namespace

Outcome<> saveDesign(Journal& journal, long long mixId, const Design& design) {
    return Storage::inTransaction(journal, Storage::Need::Add, [&]() -> Outcome<> {
        const auto mix = journal.mix(mixId);
        if (!mix.ok()) return Outcome<>::endedAs(mix);
        if (!mix.values) return Outcome<>::failed("The mix is no longer in the journal");
        QSqlQuery head = Storage::prepared(
            journal, "INSERT INTO mix_designs (mix_id, saved_at) VALUES (?, ?) RETURNING id",
            {mixId, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)});
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
        return Storage::record(journal, {"design saved", mix.values->name, "", "",
                                         "{\"design\":" + std::to_string(designId) + "}", "", 0});
    });
}

Outcome<std::optional<Design>> latestDesign(const Journal& journal, long long mixId) {
    using Found = Outcome<std::optional<Design>>;
    QSqlQuery head = Storage::prepared(
        journal, "SELECT id, saved_at FROM mix_designs WHERE mix_id = ? ORDER BY id DESC LIMIT 1",
        {mixId});
    if (!head.exec()) return Storage::failed<std::optional<Design>>(head);
    if (!head.next()) return Found::done(std::nullopt);
    Design design{head.value(0).toLongLong(), textOf(head.value(1)), {}, {}};
    QSqlQuery texts = Storage::prepared(
        journal,
        "SELECT kind, name, text FROM design_texts WHERE design_id = ? ORDER BY kind, position",
        {design.id});
    if (!texts.exec()) return Storage::failed<std::optional<Design>>(texts);
    while (texts.next()) {
        if (textOf(texts.value(0)) == kField)
            design.fields.push_back({textOf(texts.value(1)), textOf(texts.value(2))});
        else
            design.reportLines.push_back(textOf(texts.value(2)));
    }
    return Found::done(std::move(design));
}

}  // namespace orvan::journal
