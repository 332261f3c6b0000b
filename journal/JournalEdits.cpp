// Mixes and parties: reading them and the single edits of the journal window.
#include <QSqlQuery>
#include <QVariant>

#include "journal/Journal.h"
#include "journal/JournalCsv.h"
#include "journal/JournalSql.h"

namespace orvan::journal {

namespace {

Status failedQuery(const QSqlQuery& query) {
    return Status::failed(sqlError(query));
}

Status checkParty(const Party& party) {
    if (!isIsoDate(party.date))
        return Status::failed("The date '" + party.date + "' is not a calendar day YYYY-MM-DD");
    if (party.number.empty() || party.number.size() > kMaxNameLength)
        return Status::failed("A party needs a number of 1 to " + std::to_string(kMaxNameLength) +
                              " characters");
    if (party.strengthTexts.empty() ||
        party.strengthTexts.size() > static_cast<std::size_t>(kMaxExtractIndex))
        return Status::failed("A party holds 1 to " + std::to_string(kMaxExtractIndex) +
                              " extracts");
    for (const auto& text : party.strengthTexts)
        if (!parseStrength(text))
            return Status::failed("The strength '" + text +
                                  "' is not a number with a point as decimal separator");
    return {};
}

Status insertExtracts(QSqlDatabase db, const Party& party) {
    QSqlQuery query(db);
    query.prepare(
        "INSERT INTO extracts (party_id, position, strength, strength_text) VALUES (?, ?, ?, ?)");
    for (std::size_t i = 0; i < party.strengthTexts.size(); ++i) {
        const double value = parseStrength(party.strengthTexts[i]).value_or(0);
        query.bindValue(0, party.id);
        query.bindValue(1, static_cast<int>(i + 1));
        query.bindValue(2, value);
        query.bindValue(3, sqlText(party.strengthTexts[i]));
        if (!query.exec()) return failedQuery(query);
    }
    return {};
}

bool numberTaken(QSqlDatabase db, const Party& party) {
    QSqlQuery query(db);
    query.prepare("SELECT id FROM parties WHERE mix_id = ? AND number = ?");
    query.addBindValue(party.mixId);
    query.addBindValue(sqlText(party.number));
    return query.exec() && query.next() && query.value(0).toLongLong() != party.id;
}

}  // namespace

std::vector<Mix> Journal::mixes() const {
    QSqlQuery query(database());
    query.setForwardOnly(true);
    std::vector<Mix> out;
    if (!query.exec("SELECT m.id, m.name, m.class_text, m.layout, "
                    "(SELECT COUNT(*) FROM parties p WHERE p.mix_id = m.id) "
                    "FROM mixes m ORDER BY m.name"))
        return out;
    while (query.next())
        out.push_back({query.value(0).toLongLong(), textOf(query.value(1)), textOf(query.value(2)),
                       textOf(query.value(3)), query.value(4).toLongLong()});
    return out;
}

std::optional<Mix> Journal::findMix(const std::string& name) const {
    for (Mix& mix : mixes())
        if (mix.name == name) return mix;
    return std::nullopt;
}

Result<long long> Journal::insertMix(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength)
        return {0, Status::failed("A mix needs a name of 1 to " + std::to_string(kMaxNameLength) +
                                  " characters")};
    QSqlQuery query(database());
    query.prepare("INSERT INTO mixes (name) VALUES (?) RETURNING id");
    query.addBindValue(sqlText(name));
    if (!query.exec() || !query.next()) return {0, failedQuery(query)};
    return {query.value(0).toLongLong(), {}};
}

Status Journal::addMix(const std::string& name) {
    if (findMix(name)) return Status::failed("The mix '" + name + "' is in the journal already");
    return write([&] { return insertMix(name).status; });
}

Status Journal::updateMix(const Mix& mix) {
    return write([&]() -> Status {
        QSqlQuery query(database());
        query.prepare("UPDATE mixes SET name = ?, class_text = ?, layout = ? WHERE id = ?");
        query.addBindValue(sqlText(mix.name));
        query.addBindValue(sqlText(mix.classText));
        query.addBindValue(sqlText(mix.layout));
        query.addBindValue(mix.id);
        if (!query.exec()) return failedQuery(query);
        return {};
    });
}

Status Journal::deleteMix(long long id) {
    return write([&]() -> Status {
        QSqlQuery query(database());
        query.prepare("DELETE FROM mixes WHERE id = ?");
        query.addBindValue(id);
        if (!query.exec()) return failedQuery(query);
        return {};
    });
}

Result<long long> Journal::insertParty(const Party& party) {
    if (Status status = checkParty(party); !status) return {0, status};
    if (numberTaken(database(), party))
        return {0, Status::failed("The party '" + party.number + "' is in the journal already")};
    QSqlQuery query(database());
    query.prepare("INSERT INTO parties (mix_id, party_date, number) VALUES (?, ?, ?) RETURNING id");
    query.addBindValue(party.mixId);
    query.addBindValue(sqlText(party.date));
    query.addBindValue(sqlText(party.number));
    if (!query.exec() || !query.next()) return {0, failedQuery(query)};
    Party stored = party;
    stored.id = query.value(0).toLongLong();
    return {stored.id, insertExtracts(database(), stored)};
}

Result<long long> Journal::addParty(const Party& party) {
    Result<long long> added;
    added.status = write([&] {
        added = insertParty(party);
        return added.status;
    });
    return added;
}

Status Journal::updateParty(const Party& party) {
    if (Status status = checkParty(party); !status) return status;
    return write([&]() -> Status {
        if (numberTaken(database(), party))
            return Status::failed("The party '" + party.number + "' is in the journal already");
        QSqlQuery query(database());
        query.prepare("UPDATE parties SET party_date = ?, number = ? WHERE id = ?");
        query.addBindValue(sqlText(party.date));
        query.addBindValue(sqlText(party.number));
        query.addBindValue(party.id);
        if (!query.exec()) return failedQuery(query);
        QSqlQuery clear(database());
        clear.prepare("DELETE FROM extracts WHERE party_id = ?");
        clear.addBindValue(party.id);
        if (!clear.exec()) return failedQuery(clear);
        return insertExtracts(database(), party);
    });
}

Status Journal::deleteParties(const std::vector<long long>& ids) {
    return write([&]() -> Status {
        QSqlQuery query(database());
        query.prepare("DELETE FROM parties WHERE id = ?");
        for (long long id : ids) {
            query.bindValue(0, id);
            if (!query.exec()) return failedQuery(query);
        }
        return {};
    });
}

std::optional<Party> Journal::party(long long id) const {
    QSqlQuery query(database());
    query.prepare("SELECT mix_id, party_date, number FROM parties WHERE id = ?");
    query.addBindValue(id);
    if (!query.exec() || !query.next()) return std::nullopt;
    Party party{
        id, query.value(0).toLongLong(), textOf(query.value(1)), textOf(query.value(2)), {}};
    QSqlQuery extracts(database());
    extracts.prepare("SELECT strength_text FROM extracts WHERE party_id = ? ORDER BY position");
    extracts.addBindValue(id);
    if (!extracts.exec()) return std::nullopt;
    while (extracts.next()) party.strengthTexts.push_back(textOf(extracts.value(0)));
    return party;
}

std::string Journal::nextPartyNumber(long long mixId) const {
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare("SELECT number FROM parties WHERE mix_id = ?");
    query.addBindValue(mixId);
    unsigned long long largest = 0;
    if (query.exec())
        while (query.next()) {
            bool ok = false;
            const unsigned long long n = query.value(0).toString().toULongLong(&ok);
            if (ok && n > largest) largest = n;
        }
    return std::to_string(largest + 1);
}

}  // namespace orvan::journal
