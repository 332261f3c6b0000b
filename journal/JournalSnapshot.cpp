#include "journal/JournalSnapshot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <map>

#include "common/ReportLanguage.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

std::string jsonText(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

QJsonObject parsed(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

QString q(const QVariant& value) {
    return value.toString();
}

// Every row a prepared and bound statement gives, each as an array of its columns (numbers as
// doubles, texts as texts), or the failure.
Outcome<QJsonArray> rows(QSqlQuery& query, int columns) {
    if (!query.exec()) return Storage::failed<QJsonArray>(query);
    QJsonArray out;
    while (query.next()) {
        QJsonArray row;
        for (int c = 0; c < columns; ++c) row.append(QJsonValue::fromVariant(query.value(c)));
        out.append(row);
    }
    return Outcome<QJsonArray>::done(out);
}

Outcome<QJsonArray> rows(QSqlQuery&& query, int columns) {
    return rows(query, columns);
}

// The three statements of a party's snapshot, prepared once for all the parties of a snapshot
// (a mix of 100,000 parties reads 300,000 times).
class PartyReader {
public:
    explicit PartyReader(const Journal& journal)
        : head_(Storage::prepared(journal,
                                  "SELECT mix_id, party_date, number, design FROM parties "
                                  "WHERE id = ?")),
          strengths_(Storage::prepared(journal,
                                       "SELECT age, strength_text FROM extracts WHERE party_id = "
                                       "? ORDER BY age, position")),
          periods_(Storage::prepared(journal,
                                     "SELECT period_id, position FROM analysed_period_parties "
                                     "WHERE party_id = ? ORDER BY period_id, position")) {}

    Outcome<QJsonObject> read(long long id) {
        head_.bindValue(0, id);
        if (!head_.exec()) return Storage::failed<QJsonObject>(head_);
        if (!head_.next())
            return Outcome<QJsonObject>::failed(
                reportText("The party is no longer in the journal"));
        QJsonObject party{{"id", id},
                          {"mix", head_.value(0).toLongLong()},
                          {"date", q(head_.value(1))},
                          {"number", q(head_.value(2))}};
        if (!q(head_.value(3)).isEmpty()) party["design"] = q(head_.value(3));
        strengths_.bindValue(0, id);
        periods_.bindValue(0, id);
        const auto strengths = rows(strengths_, 2);
        const auto periods = rows(periods_, 2);
        if (!strengths.ok()) return Outcome<QJsonObject>::endedAs(strengths);
        if (!periods.ok()) return Outcome<QJsonObject>::endedAs(periods);
        // The design-age extracts as "strengths" (as a journal before test ages wrote them),
        // those of other ages by age.
        QJsonArray texts;
        std::map<int, QJsonArray> byAge;
        for (const QJsonValue& row : strengths.values) {
            const int age = row.toArray().at(0).toInt();
            (age == kDesignAge ? texts : byAge[age]).append(row.toArray().at(1));
        }
        party["strengths"] = texts;
        if (!byAge.empty()) {
            QJsonArray ages;
            for (const auto& [age, ageTexts] : byAge)
                ages.append(QJsonObject{{"age", age}, {"strengths", ageTexts}});
            party["ages"] = ages;
        }
        party["periods"] = periods.values;
        return Outcome<QJsonObject>::done(party);
    }

private:
    QSqlQuery head_, strengths_, periods_;
};

Outcome<QJsonArray> partyArray(const Journal& journal, const std::vector<long long>& ids) {
    PartyReader reader(journal);
    QJsonArray parties;
    for (long long id : ids) {
        const auto party = reader.read(id);
        if (!party.ok()) return Outcome<QJsonArray>::endedAs(party);
        parties.append(party.values);
    }
    return Outcome<QJsonArray>::done(parties);
}

Outcome<std::vector<long long>> mixPartyIds(const Journal& journal, long long mixId) {
    QSqlQuery query = Storage::prepared(
        journal, "SELECT id FROM parties WHERE mix_id = ? ORDER BY party_date, id", {mixId});
    if (!query.exec()) return Storage::failed<std::vector<long long>>(query);
    std::vector<long long> ids;
    while (query.next()) ids.push_back(query.value(0).toLongLong());
    return Outcome<std::vector<long long>>::done(std::move(ids));
}

constexpr const char* kPeriodColumns =
    "layout, class_text, until_date, last_party_date, saved_at, overall_variation, "
    "average_level, warning_top, warning_bottom, correcting_top, correcting_bottom";

// The mix's analysed periods, each with its parties' figures, and its designs with their texts.
Outcome<QJsonArray> periodsOf(const Journal& journal, long long mixId) {
    const auto heads = rows(Storage::prepared(journal,
                                              QString("SELECT id, ") + kPeriodColumns +
                                                  " FROM analysed_periods WHERE mix_id = ? "
                                                  "ORDER BY id",
                                              {mixId}),
                            12);
    if (!heads.ok()) return heads;
    QJsonArray out;
    for (const QJsonValue& head : heads.values) {
        const auto parties = rows(
            Storage::prepared(journal,
                              "SELECT position, party_id, party_mean, party_deviation, "
                              "party_variation FROM analysed_period_parties WHERE period_id = ? "
                              "ORDER BY position",
                              {head.toArray().at(0).toVariant()}),
            5);
        if (!parties.ok()) return parties;
        out.append(QJsonObject{{"head", head}, {"parties", parties.values}});
    }
    return Outcome<QJsonArray>::done(out);
}

Outcome<QJsonArray> designsOf(const Journal& journal, long long mixId) {
    const auto heads =
        rows(Storage::prepared(
                 journal, "SELECT id, saved_at, name FROM mix_designs WHERE mix_id = ? ORDER BY id",
                 {mixId}),
             3);
    if (!heads.ok()) return heads;
    QJsonArray out;
    for (const QJsonValue& head : heads.values) {
        const auto texts = rows(Storage::prepared(journal,
                                                  "SELECT kind, position, name, text FROM "
                                                  "design_texts WHERE design_id = ? ORDER BY "
                                                  "kind, position",
                                                  {head.toArray().at(0).toVariant()}),
                                4);
        if (!texts.ok()) return texts;
        out.append(QJsonObject{{"saved", head.toArray().at(1)},
                               {"name", head.toArray().at(2)},
                               {"texts", texts.values}});
    }
    return Outcome<QJsonArray>::done(out);
}

Outcome<> execOrFail(QSqlQuery& query) {
    if (!query.exec()) return Storage::failed(query);
    return Outcome<>::done({});
}

// A deleted party put back; `periodIds` maps the periods' ids of the snapshot to today's.
Outcome<long long> restoreParty(Journal& journal, const QJsonObject& party, long long mixId,
                                const std::map<long long, long long>& periodIds) {
    Party row{0,
              mixId,
              party["date"].toString().toStdString(),
              party["number"].toString().toStdString(),
              {},
              {},
              {}};
    for (const QJsonValue& text : party["strengths"].toArray())
        row.strengthTexts.push_back(text.toString().toStdString());
    for (const QJsonValue& value : party["ages"].toArray()) {
        AgeResults results{value.toObject()["age"].toInt(), {}};
        for (const QJsonValue& text : value.toObject()["strengths"].toArray())
            results.strengthTexts.push_back(text.toString().toStdString());
        row.otherAges.push_back(std::move(results));
    }
    row.design = party["design"].toString().toStdString();
    const Outcome<long long> id = Storage::insertParty(journal, row);
    if (!id.ok()) return id;
    QSqlQuery link = Storage::prepared(
        journal,
        "UPDATE analysed_period_parties SET party_id = ? WHERE period_id = ? AND position = ?");
    for (const QJsonValue& value : party["periods"].toArray()) {
        long long period = value.toArray().at(0).toVariant().toLongLong();
        if (auto it = periodIds.find(period); it != periodIds.end()) period = it->second;
        link.bindValue(0, id.values);
        link.bindValue(1, period);
        link.bindValue(2, value.toArray().at(1).toInt());
        if (Outcome<> linked = execOrFail(link); !linked.ok())
            return Outcome<long long>::endedAs(linked);
    }
    return id;
}

Outcome<std::map<long long, long long>> restorePeriods(Journal& journal, long long mixId,
                                                       const QJsonArray& periods) {
    std::map<long long, long long> ids;
    for (const QJsonValue& value : periods) {
        const QJsonArray head = value.toObject()["head"].toArray();
        QSqlQuery insert = Storage::prepared(
            journal, QString("INSERT INTO analysed_periods (mix_id, ") + kPeriodColumns +
                         ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id");
        insert.addBindValue(mixId);
        for (int c = 1; c < 12; ++c) insert.addBindValue(head.at(c).toVariant());
        if (!insert.exec() || !insert.next())
            return Storage::failed<std::map<long long, long long>>(insert);
        const long long id = insert.value(0).toLongLong();
        ids[head.at(0).toVariant().toLongLong()] = id;
        QSqlQuery party = Storage::prepared(
            journal,
            "INSERT INTO analysed_period_parties (period_id, position, party_id, party_mean, "
            "party_deviation, party_variation) VALUES (?, ?, NULL, ?, ?, ?)");
        for (const QJsonValue& row : value.toObject()["parties"].toArray()) {
            const QJsonArray r = row.toArray();
            party.bindValue(0, id);
            party.bindValue(1, r.at(0).toInt());
            for (int c = 2; c < 5; ++c) party.bindValue(c, r.at(c).toDouble());
            if (!party.exec()) return Storage::failed<std::map<long long, long long>>(party);
        }
    }
    return Outcome<std::map<long long, long long>>::done(std::move(ids));
}

Outcome<> restoreDesigns(Journal& journal, long long mixId, const QJsonArray& designs) {
    for (const QJsonValue& value : designs) {
        QSqlQuery head = Storage::prepared(
            journal,
            "INSERT INTO mix_designs (mix_id, saved_at, name) VALUES (?, ?, ?) RETURNING id",
            {mixId, value.toObject()["saved"].toVariant(), value.toObject()["name"].toString()});
        if (!head.exec() || !head.next()) return Storage::failed(head);
        const long long id = head.value(0).toLongLong();
        QSqlQuery text = Storage::prepared(journal,
                                           "INSERT INTO design_texts (design_id, kind, position, "
                                           "name, text) VALUES (?, ?, ?, ?, ?)");
        for (const QJsonValue& row : value.toObject()["texts"].toArray()) {
            const QJsonArray r = row.toArray();
            text.bindValue(0, id);
            for (int c = 0; c < 4; ++c) text.bindValue(c + 1, r.at(c).toVariant());
            if (Outcome<> added = execOrFail(text); !added.ok()) return added;
        }
    }
    return Outcome<>::done({});
}

}  // namespace

Outcome<std::string> partiesSnapshot(const Journal& journal, const std::vector<long long>& ids) {
    const auto parties = partyArray(journal, ids);
    if (!parties.ok()) return Outcome<std::string>::endedAs(parties);
    return Outcome<std::string>::done(jsonText({{"parties", parties.values}}));
}

Outcome<std::string> mixSnapshot(const Journal& journal, long long mixId) {
    const auto mix = journal.mix(mixId);
    if (!mix.ok()) return Outcome<std::string>::endedAs(mix);
    if (!mix.values)
        return Outcome<std::string>::failed(reportText("The mix is no longer in the journal"));
    const auto ids = mixPartyIds(journal, mixId);
    if (!ids.ok()) return Outcome<std::string>::endedAs(ids);
    const auto parties = partyArray(journal, ids.values);
    const auto periods = periodsOf(journal, mixId);
    const auto designs = designsOf(journal, mixId);
    if (!parties.ok()) return Outcome<std::string>::endedAs(parties);
    if (!periods.ok()) return Outcome<std::string>::endedAs(periods);
    if (!designs.ok()) return Outcome<std::string>::endedAs(designs);
    QJsonObject snapshot = parsed(mixFieldsJson(*mix.values));
    snapshot["parties"] = parties.values;
    snapshot["periods"] = periods.values;
    snapshot["designs"] = designs.values;
    return Outcome<std::string>::done(jsonText(snapshot));
}

std::string mixIdJson(long long mixId) {
    return jsonText({{"mix", mixId}});
}

std::string mixFieldsJson(const Mix& mix) {
    return jsonText({{"id", mix.id},
                     {"name", QString::fromStdString(mix.name)},
                     {"class", QString::fromStdString(mix.classText)},
                     {"layout", QString::fromStdString(mix.layout)}});
}

Outcome<PartyNames> partyNames(const Journal& journal, const std::vector<long long>& ids) {
    PartyNames names;
    for (long long id : ids) {
        const auto party = journal.party(id);
        if (!party.ok()) return Outcome<PartyNames>::endedAs(party);
        if (!party.values) continue;
        if (names.mix.empty()) {
            const auto mix = journal.mix(party.values->mixId);
            if (!mix.ok()) return Outcome<PartyNames>::endedAs(mix);
            if (mix.values) names.mix = mix.values->name;
        }
        names.numbers.push_back(party.values->number);
    }
    return Outcome<PartyNames>::done(std::move(names));
}

Outcome<std::vector<long long>> restoreParties(Journal& journal, const std::string& snapshot) {
    std::vector<long long> ids;
    for (const QJsonValue& value : parsed(snapshot)["parties"].toArray()) {
        const QJsonObject party = value.toObject();
        const Outcome<long long> id =
            restoreParty(journal, party, party["mix"].toVariant().toLongLong(), {});
        if (!id.ok()) return Outcome<std::vector<long long>>::endedAs(id);
        ids.push_back(id.values);
    }
    return Outcome<std::vector<long long>>::done(std::move(ids));
}

Outcome<std::vector<long long>> removeParties(Journal& journal, const std::string& snapshot) {
    std::vector<long long> removed;
    QSqlQuery query = Storage::prepared(journal, "DELETE FROM parties WHERE id = ?");
    for (const QJsonValue& value : parsed(snapshot)["parties"].toArray()) {
        const long long id = value.toObject()["id"].toVariant().toLongLong();
        query.bindValue(0, id);
        if (!query.exec()) return Storage::failed<std::vector<long long>>(query);
        if (query.numRowsAffected() > 0) removed.push_back(id);
    }
    return Outcome<std::vector<long long>>::done(std::move(removed));
}

Outcome<> removeResults(Journal& journal, const std::string& snapshot) {
    QSqlQuery results =
        Storage::prepared(journal, "DELETE FROM extracts WHERE party_id = ? AND age = ?");
    QSqlQuery design = Storage::prepared(journal, "UPDATE parties SET design = '' WHERE id = ?");
    for (const QJsonValue& value : parsed(snapshot)["results"].toArray()) {
        const QJsonObject added = value.toObject();
        QSqlQuery& query = added.contains("age") ? results : design;
        query.bindValue(0, added["party"].toVariant().toLongLong());
        if (added.contains("age")) query.bindValue(1, added["age"].toInt());
        if (Outcome<> removed = execOrFail(query); !removed.ok()) return removed;
    }
    return Outcome<>::done({});
}

Outcome<> removeEmptyMixes(Journal& journal, const std::string& snapshot) {
    QSqlQuery query = Storage::prepared(
        journal,
        "DELETE FROM mixes WHERE id = ? AND NOT EXISTS (SELECT 1 FROM parties WHERE mix_id = ?) "
        "AND NOT EXISTS (SELECT 1 FROM analysed_periods WHERE mix_id = ?) "
        "AND NOT EXISTS (SELECT 1 FROM mix_designs WHERE mix_id = ?)");
    for (const QJsonValue& value : parsed(snapshot)["mixes"].toArray()) {
        for (int i = 0; i < 4; ++i) query.bindValue(i, value.toVariant().toLongLong());
        if (Outcome<> removed = execOrFail(query); !removed.ok()) return removed;
    }
    return Outcome<>::done({});
}

Outcome<long long> restoreMix(Journal& journal, const std::string& text) {
    const QJsonObject snapshot = parsed(text);
    const std::string name = snapshot["name"].toString().toStdString();
    const auto known = journal.findMix(name);
    if (!known.ok()) return Outcome<long long>::endedAs(known);
    if (known.values)
        return Outcome<long long>::refused(
            "A mix named '" + name + "' is in the journal again: rename it first",
            MessageStyle::Message);
    const Outcome<long long> id = Storage::insertMix(journal, name);
    if (!id.ok()) return id;
    if (Outcome<> fields = restoreMixFields(journal, id.values, text); !fields.ok())
        return Outcome<long long>::endedAs(fields);
    const auto periods = restorePeriods(journal, id.values, snapshot["periods"].toArray());
    if (!periods.ok()) return Outcome<long long>::endedAs(periods);
    for (const QJsonValue& party : snapshot["parties"].toArray())
        if (auto restored = restoreParty(journal, party.toObject(), id.values, periods.values);
            !restored.ok())
            return restored;
    if (Outcome<> designs = restoreDesigns(journal, id.values, snapshot["designs"].toArray());
        !designs.ok())
        return Outcome<long long>::endedAs(designs);
    return id;
}

Outcome<> restoreMixFields(Journal& journal, long long mixId, const std::string& text) {
    const QJsonObject fields = parsed(text);
    QSqlQuery query = Storage::prepared(
        journal, "UPDATE mixes SET name = ?, class_text = ?, layout = ? WHERE id = ?",
        {fields["name"].toString(), fields["class"].toString(), fields["layout"].toString(),
         mixId});
    return execOrFail(query);
}

}  // namespace orvan::journal
