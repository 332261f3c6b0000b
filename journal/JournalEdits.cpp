// Mixes and parties: reading them and the single edits of the journal window, each with its
// event in the history.
#include <QSqlQuery>
#include <QVariant>

#include "common/ReportLanguage.h"
#include "journal/JournalCsv.h"
#include "journal/JournalSnapshot.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

using Need = Storage::Need;

Outcome<> checkExtracts(const std::vector<std::string>& texts) {
    if (texts.size() > static_cast<std::size_t>(kMaxExtractIndex))
        return Outcome<>::failed(
            reportText("A party holds 1 to %1 extracts", {std::to_string(kMaxExtractIndex)}));
    for (const auto& text : texts) {
        const std::string problem = strengthProblem(text);
        if (!problem.empty()) return Outcome<>::failed(reportText("The %1", {problem}));
    }
    return Outcome<>::done({});
}

// A party holds extracts at the design age, at other ages, or both; never none.
Outcome<> checkParty(const Party& party) {
    if (!isIsoDate(party.date))
        return Outcome<>::failed(
            reportText("The date '%1' is not a calendar day YYYY-MM-DD", {party.date}));
    if (party.number.empty() || party.number.size() > kMaxNameLength)
        return Outcome<>::failed(reportText("A party needs a number of 1 to %1 characters",
                                            {std::to_string(kMaxNameLength)}));
    if (party.design.size() > kMaxNameLength)
        return Outcome<>::failed(
            reportText("A design's name is 1 to %1 characters", {std::to_string(kMaxNameLength)}));
    bool any = !party.strengthTexts.empty();
    if (Outcome<> checked = checkExtracts(party.strengthTexts); !checked.ok()) return checked;
    for (const AgeResults& results : party.otherAges) {
        if (results.age < kMinAge || results.age > kMaxAge || results.age == kDesignAge)
            return Outcome<>::failed(reportText("The age %1 is not a test age of 1 to 365 days",
                                                {std::to_string(results.age)}));
        if (Outcome<> checked = checkExtracts(results.strengthTexts); !checked.ok()) return checked;
        any = any || !results.strengthTexts.empty();
    }
    if (!any)
        return Outcome<>::failed(
            reportText("A party holds 1 to %1 extracts", {std::to_string(kMaxExtractIndex)}));
    return Outcome<>::done({});
}

// The party as the journal keeps it: names without leading and trailing blanks.
Party trimmed(Party party) {
    party.number = trimmedName(party.number);
    party.date = trimmedName(party.date);
    party.design = trimmedName(party.design);
    return party;
}

// Every extract of the party, at every age.
Outcome<> insertAllExtracts(Journal& journal, long long partyId, const Party& party) {
    if (Outcome<> added = Storage::insertExtracts(journal, partyId, party.strengthTexts);
        !added.ok())
        return added;
    for (const AgeResults& results : party.otherAges)
        if (Outcome<> added =
                Storage::insertExtracts(journal, partyId, results.strengthTexts, results.age);
            !added.ok())
            return added;
    return Outcome<>::done({});
}

Outcome<bool> numberTaken(const Journal& journal, const Party& party) {
    QSqlQuery query =
        Storage::prepared(journal, "SELECT id FROM parties WHERE mix_id = ? AND number = ?",
                          {party.mixId, sqlText(party.number)});
    if (!query.exec()) return Storage::failed<bool>(query);
    return Outcome<bool>::done(query.next() && query.value(0).toLongLong() != party.id);
}

Outcome<std::string> mixName(const Journal& journal, long long mixId) {
    const auto found = journal.mix(mixId);
    if (!found.ok()) return Outcome<std::string>::endedAs(found);
    if (!found.values)
        return Outcome<std::string>::failed(reportText("The mix is no longer in the journal"));
    return Outcome<std::string>::done(found.values->name);
}

const char* const kMixColumns =
    "SELECT m.id, m.name, m.class_text, m.layout, "
    "(SELECT COUNT(*) FROM parties p WHERE p.mix_id = m.id), "
    "(SELECT COUNT(*) FROM extracts e JOIN parties p ON p.id = e.party_id WHERE p.mix_id = m.id) "
    "FROM mixes m ";

Mix mixOf(const QSqlQuery& query) {
    return {query.value(0).toLongLong(), textOf(query.value(1)),      textOf(query.value(2)),
            textOf(query.value(3)),      query.value(4).toLongLong(), query.value(5).toLongLong()};
}

Outcome<std::optional<Mix>> oneMix(QSqlQuery query) {
    if (!query.exec()) return Storage::failed<std::optional<Mix>>(query);
    if (!query.next()) return Outcome<std::optional<Mix>>::done(std::nullopt);
    return Outcome<std::optional<Mix>>::done(mixOf(query));
}

}  // namespace

Outcome<long long> Storage::insertMix(Journal& journal, const std::string& untrimmed) {
    const std::string name = trimmedName(untrimmed);
    if (name.empty() || name.size() > kMaxNameLength)
        return Outcome<long long>::failed(reportText("A mix needs a name of 1 to %1 characters",
                                                     {std::to_string(kMaxNameLength)}));
    QSqlQuery query =
        prepared(journal, "INSERT INTO mixes (name) VALUES (?) RETURNING id", {sqlText(name)});
    if (!query.exec() || !query.next()) return failed<long long>(query);
    return Outcome<long long>::done(query.value(0).toLongLong());
}

Outcome<> Storage::insertExtracts(Journal& journal, long long partyId,
                                  const std::vector<std::string>& texts, int age) {
    QSqlQuery query = prepared(journal,
                               "INSERT INTO extracts (party_id, age, position, strength, "
                               "strength_text) VALUES (?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < texts.size(); ++i) {
        query.bindValue(0, partyId);
        query.bindValue(1, age);
        query.bindValue(2, static_cast<int>(i + 1));
        query.bindValue(3, parseStrength(texts[i]).value_or(0));
        query.bindValue(4, sqlText(texts[i]));
        if (!query.exec()) return failed(query);
    }
    return Outcome<>::done({});
}

Outcome<long long> Storage::insertParty(Journal& journal, const Party& untrimmed) {
    const Party party = trimmed(untrimmed);
    if (Outcome<> checked = checkParty(party); !checked.ok())
        return Outcome<long long>::endedAs(checked);
    const Outcome<bool> taken = numberTaken(journal, party);
    if (!taken.ok()) return Outcome<long long>::endedAs(taken);
    if (taken.values)
        return Outcome<long long>::failed(
            reportText("The party '%1' is in the journal already", {party.number}));
    QSqlQuery query = prepared(
        journal,
        "INSERT INTO parties (mix_id, party_date, number, design) VALUES (?, ?, ?, ?) RETURNING id",
        {party.mixId, sqlText(party.date), sqlText(party.number), sqlText(party.design)});
    if (!query.exec() || !query.next()) return failed<long long>(query);
    const long long id = query.value(0).toLongLong();
    query.finish();
    if (Outcome<> added = insertAllExtracts(journal, id, party); !added.ok())
        return Outcome<long long>::endedAs(added);
    return Outcome<long long>::done(id);
}

Outcome<std::vector<Mix>> Journal::mixes() const {
    QSqlQuery query = Storage::prepared(*this, QString(kMixColumns) + "ORDER BY m.name");
    if (!query.exec()) return Storage::failed<std::vector<Mix>>(query);
    std::vector<Mix> out;
    while (query.next()) out.push_back(mixOf(query));
    return Outcome<std::vector<Mix>>::done(std::move(out));
}

Outcome<std::optional<Mix>> Journal::findMix(const std::string& name) const {
    return oneMix(Storage::prepared(*this, QString(kMixColumns) + "WHERE m.name = ?",
                                    {sqlText(trimmedName(name))}));
}

Outcome<std::optional<Mix>> Journal::mix(long long id) const {
    return oneMix(Storage::prepared(*this, QString(kMixColumns) + "WHERE m.id = ?", {id}));
}

Outcome<long long> Journal::addMix(const std::string& untrimmed) {
    const std::string name = trimmedName(untrimmed);
    const auto known = findMix(name);
    if (!known.ok()) return Outcome<long long>::endedAs(known);
    if (known.values)
        return Outcome<long long>::failed(
            reportText("The mix '%1' is in the journal already", {name}));
    Outcome<long long> added;
    const Outcome<> written = Storage::inTransaction(*this, Need::Add, [&]() -> Outcome<> {
        added = Storage::insertMix(*this, name);
        if (!added.ok()) return Outcome<>::endedAs(added);
        return Storage::record(*this, {"add mix", name, "", "", mixIdJson(added.values), "", 0});
    });
    if (!written.ok()) return Outcome<long long>::endedAs(written);
    return added;
}

Outcome<> Journal::updateMix(const Mix& changed) {
    Mix mix = changed;
    mix.name = trimmedName(mix.name);
    return Storage::inTransaction(*this, Need::Edit, [&]() -> Outcome<> {
        const auto before = this->mix(mix.id);
        if (!before.ok()) return Outcome<>::endedAs(before);
        if (!before.values)
            return Outcome<>::failed(reportText("The mix is no longer in the journal"));
        QSqlQuery query = Storage::prepared(
            *this, "UPDATE mixes SET name = ?, class_text = ?, layout = ? WHERE id = ?",
            {sqlText(mix.name), sqlText(mix.classText), sqlText(mix.layout), mix.id});
        if (!query.exec()) return Storage::failed(query);
        return Storage::record(*this, {"edit mix", mix.name, "", mixFieldsJson(*before.values),
                                       mixFieldsJson(mix), "", 0});
    });
}

Outcome<> Journal::deleteMix(long long id, const std::string& reason) {
    return Storage::inTransaction(*this, Need::Edit, [&]() -> Outcome<> {
        const Outcome<std::string> name = mixName(*this, id);
        if (!name.ok()) return Outcome<>::endedAs(name);
        const Outcome<std::string> snapshot = mixSnapshot(*this, id);
        if (!snapshot.ok()) return Outcome<>::endedAs(snapshot);
        const auto mix = this->mix(id);
        if (!mix.ok()) return Outcome<>::endedAs(mix);
        const std::string parties =
            mix.values ? std::to_string(mix.values->partyCount) + " parties" : std::string();
        QSqlQuery query = Storage::prepared(*this, "DELETE FROM mixes WHERE id = ?", {id});
        if (!query.exec()) return Storage::failed(query);
        return Storage::record(
            *this, {"delete mix", name.values, parties, snapshot.values, "", reason, 0});
    });
}

Outcome<long long> Journal::addParty(const Party& party) {
    const auto added = addParties({party}, "add");
    if (!added.ok()) return Outcome<long long>::endedAs(added);
    return Outcome<long long>::done(added.values.front());
}

Outcome<std::vector<long long>> Journal::addParties(const std::vector<Party>& parties,
                                                    const std::string& action) {
    std::vector<long long> ids;
    const Outcome<> written = Storage::inTransaction(*this, Need::Add, [&]() -> Outcome<> {
        if (parties.empty()) return Outcome<>::failed(reportText("There is no party to add"));
        std::vector<std::string> numbers;
        for (const Party& party : parties) {
            const Outcome<long long> id = Storage::insertParty(*this, party);
            if (!id.ok()) return Outcome<>::endedAs(id);
            ids.push_back(id.values);
            numbers.push_back(trimmedName(party.number));
        }
        const Outcome<std::string> name = mixName(*this, parties.front().mixId);
        if (!name.ok()) return Outcome<>::endedAs(name);
        const Outcome<std::string> after = partiesSnapshot(*this, ids);
        if (!after.ok()) return Outcome<>::endedAs(after);
        return Storage::record(
            *this, {action, name.values, joinedNumbers(numbers), "", after.values, "", 0});
    });
    if (!written.ok()) return Outcome<std::vector<long long>>::endedAs(written);
    return Outcome<std::vector<long long>>::done(std::move(ids));
}

Outcome<> Journal::updateParty(const Party& untrimmed, const std::string& reason) {
    const Party party = trimmed(untrimmed);
    if (Outcome<> checked = checkParty(party); !checked.ok()) return checked;
    return Storage::inTransaction(*this, Need::Edit, [&]() -> Outcome<> {
        const Outcome<bool> taken = numberTaken(*this, party);
        if (!taken.ok()) return Outcome<>::endedAs(taken);
        if (taken.values)
            return Outcome<>::failed(
                reportText("The party '%1' is in the journal already", {party.number}));
        const Outcome<std::string> before = partiesSnapshot(*this, {party.id});
        if (!before.ok()) return Outcome<>::endedAs(before);
        QSqlQuery query = Storage::prepared(
            *this, "UPDATE parties SET party_date = ?, number = ?, design = ? WHERE id = ?",
            {sqlText(party.date), sqlText(party.number), sqlText(party.design), party.id});
        if (!query.exec()) return Storage::failed(query);
        QSqlQuery clear =
            Storage::prepared(*this, "DELETE FROM extracts WHERE party_id = ?", {party.id});
        if (!clear.exec()) return Storage::failed(clear);
        if (Outcome<> added = insertAllExtracts(*this, party.id, party); !added.ok()) return added;
        const Outcome<std::string> after = partiesSnapshot(*this, {party.id});
        const Outcome<std::string> name = mixName(*this, party.mixId);
        if (!after.ok()) return Outcome<>::endedAs(after);
        if (!name.ok()) return Outcome<>::endedAs(name);
        return Storage::record(
            *this, {"edit", name.values, party.number, before.values, after.values, reason, 0});
    });
}

Outcome<> Journal::deleteParties(const std::vector<long long>& ids, const std::string& reason) {
    return Storage::inTransaction(*this, Need::Edit, [&]() -> Outcome<> {
        if (ids.empty()) return Outcome<>::failed(reportText("There is no party to delete"));
        const Outcome<std::string> before = partiesSnapshot(*this, ids);
        if (!before.ok()) return Outcome<>::endedAs(before);
        const Outcome<PartyNames> names = partyNames(*this, ids);
        if (!names.ok()) return Outcome<>::endedAs(names);
        QSqlQuery query = Storage::prepared(*this, "DELETE FROM parties WHERE id = ?");
        for (long long id : ids) {
            query.bindValue(0, id);
            if (!query.exec()) return Storage::failed(query);
        }
        return Storage::record(
            *this, {"delete", names.values.mix, joinedNumbers(names.values.numbers), before.values,
                    "", reason, 0});
    });
}

Outcome<std::optional<Party>> Journal::party(long long id) const {
    using Found = Outcome<std::optional<Party>>;
    QSqlQuery query = Storage::prepared(
        *this, "SELECT mix_id, party_date, number, design FROM parties WHERE id = ?", {id});
    if (!query.exec()) return Storage::failed<std::optional<Party>>(query);
    if (!query.next()) return Found::done(std::nullopt);
    Party party{id, query.value(0).toLongLong(), textOf(query.value(1)), textOf(query.value(2)), {},
                {}, textOf(query.value(3))};
    QSqlQuery extracts = Storage::prepared(
        *this, "SELECT age, strength_text FROM extracts WHERE party_id = ? ORDER BY age, position",
        {id});
    if (!extracts.exec()) return Storage::failed<std::optional<Party>>(extracts);
    while (extracts.next()) {
        const int age = extracts.value(0).toInt();
        std::string text = textOf(extracts.value(1));
        if (age == kDesignAge) {
            party.strengthTexts.push_back(std::move(text));
            continue;
        }
        if (party.otherAges.empty() || party.otherAges.back().age != age)
            party.otherAges.push_back({age, {}});
        party.otherAges.back().strengthTexts.push_back(std::move(text));
    }
    return Found::done(std::move(party));
}

Outcome<std::string> Journal::nextPartyNumber(long long mixId) const {
    QSqlQuery query =
        Storage::prepared(*this, "SELECT number FROM parties WHERE mix_id = ?", {mixId});
    if (!query.exec()) return Storage::failed<std::string>(query);
    unsigned long long largest = 0;
    while (query.next()) {
        bool ok = false;
        const unsigned long long n = query.value(0).toString().toULongLong(&ok);
        if (ok && n > largest) largest = n;
    }
    return Outcome<std::string>::done(std::to_string(largest + 1));
}

}  // namespace orvan::journal
