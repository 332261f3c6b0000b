#include "journal/JournalDesigns.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include "journal/JournalSql.h"

namespace orvan::journal {

namespace {

constexpr const char* kField = "field";
constexpr const char* kLine = "line";

}  // namespace

Status saveDesign(Journal& journal, const std::string& mixName, const Design& design) {
    return journal.write([&]() -> Status {
        long long mixId = 0;
        if (auto mix = journal.findMix(mixName))
            mixId = mix->id;
        else if (Result<long long> added = journal.insertMix(mixName); !added)
            return added.status;
        else
            mixId = added.value;
        QSqlQuery head(journal.database());
        head.prepare("INSERT INTO mix_designs (mix_id, saved_at) VALUES (?, ?) RETURNING id");
        head.addBindValue(mixId);
        head.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        if (!head.exec() || !head.next()) return Status::failed(sqlError(head));
        const long long designId = head.value(0).toLongLong();
        QSqlQuery text(journal.database());
        text.prepare(
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
                return Status::failed(sqlError(text));
        for (std::size_t i = 0; i < design.reportLines.size(); ++i)
            if (!add(kLine, int(i), "", design.reportLines[i]))
                return Status::failed(sqlError(text));
        return {};
    });
}

std::optional<Design> latestDesign(const Journal& journal, const std::string& mixName) {
    const auto mix = journal.findMix(mixName);
    if (!mix) return std::nullopt;
    QSqlQuery head(journal.database());
    head.prepare("SELECT id, saved_at FROM mix_designs WHERE mix_id = ? ORDER BY id DESC LIMIT 1");
    head.addBindValue(mix->id);
    if (!head.exec() || !head.next()) return std::nullopt;
    Design design{head.value(0).toLongLong(), textOf(head.value(1)), {}, {}};
    QSqlQuery texts(journal.database());
    texts.setForwardOnly(true);
    texts.prepare(
        "SELECT kind, name, text FROM design_texts WHERE design_id = ? ORDER BY kind, position");
    texts.addBindValue(design.id);
    if (!texts.exec()) return std::nullopt;
    while (texts.next()) {
        if (textOf(texts.value(0)) == kField)
            design.fields.push_back({textOf(texts.value(1)), textOf(texts.value(2))});
        else
            design.reportLines.push_back(textOf(texts.value(2)));
    }
    return design;
}

}  // namespace orvan::journal
