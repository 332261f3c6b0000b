#include "journal/JournalExchange.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSqlQuery>
#include <QVariant>
#include <map>
#include <set>

#include "common/ReportLanguage.h"
#include "journal/JournalCsv.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

// The parties of the file in order of first appearance, extracts by index.
struct FileParty {
    const CsvRow* first = nullptr;
    std::map<std::pair<int, int>, const CsvRow*> extracts;  // by age, then extract
};

std::vector<FileParty> groupParties(const std::vector<CsvRow>& rows) {
    std::vector<FileParty> parties;
    std::map<std::pair<std::string, std::string>, std::size_t> index;
    for (const CsvRow& row : rows) {
        auto [it, fresh] = index.try_emplace({row.mix, row.party}, parties.size());
        if (fresh) parties.push_back({&row, {}});
        parties[it->second].extracts[{row.age, row.extract}] = &row;
    }
    return parties;
}

// A party of the journal as an import meets it: its id, date, design and the ages it holds.
struct KnownParty {
    long long id = 0;
    std::string date, design;
    std::set<int> ages;
};
using KnownParties = std::map<std::pair<std::string, std::string>, KnownParty>;

// Every party of the journal by mix name and number.
Outcome<KnownParties> knownParties(const Journal& journal) {
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT m.name, p.number, p.id, p.party_date, p.design, e.age FROM parties p JOIN mixes "
        "m ON m.id = p.mix_id LEFT JOIN (SELECT DISTINCT party_id, age FROM extracts) e ON "
        "e.party_id = p.id");
    if (!query.exec()) return Storage::failed<KnownParties>(query);
    KnownParties known;
    while (query.next()) {
        KnownParty& party = known[{textOf(query.value(0)), textOf(query.value(1))}];
        party.id = query.value(2).toLongLong();
        party.date = textOf(query.value(3));
        party.design = textOf(query.value(4));
        if (!query.value(5).isNull()) party.ages.insert(query.value(5).toInt());
    }
    return Outcome<KnownParties>::done(std::move(known));
}

// Why a row cannot go to a party the journal holds ("" when it adds results of a new age to
// it: the 28-day results of a party whose 7-day ones came a week before).
std::string clashOf(const KnownParty& party, const CsvRow& row) {
    const std::string which = "party '" + row.party + "' of mix '" + row.mix + "'";
    if (party.ages.count(row.age)) {
        if (row.age == kDesignAge) return which + " is in the journal already";
        return which + " has its " + std::to_string(row.age) +
               "-day results in the journal already";
    }
    if (party.date != row.date) return which + " is in the journal already, dated " + party.date;
    if (!row.design.empty() && !party.design.empty() && row.design != party.design)
        return which + " is in the journal already, made from the design '" + party.design + "'";
    return {};
}

// Rows whose party is in the journal already and cannot take them; one line when every party
// of the file is.
Outcome<std::vector<std::string>> clashes(const KnownParties& known,
                                          const std::vector<CsvRow>& rows,
                                          const std::string& fileName) {
    std::vector<std::string> out;
    std::set<std::pair<std::string, std::string>> parties, clashing;
    for (const CsvRow& row : rows) {
        parties.insert({row.mix, row.party});
        auto it = known.find({row.mix, row.party});
        if (it == known.end()) continue;
        const std::string clash = clashOf(it->second, row);
        if (clash.empty()) continue;
        clashing.insert({row.mix, row.party});
        out.push_back(problemText(fileName, {row.line, clash}));
    }
    if (!parties.empty() && clashing.size() == parties.size() && parties.size() > 1)
        out = {fileName + ": these " + std::to_string(parties.size()) +
               " parties are already in the journal"};
    return Outcome<std::vector<std::string>>::done(std::move(out));
}

// Every party of the file written; the ids of the parties and of the new mixes go to the
// history's event, so that undo takes away exactly what the import added.
struct Written {
    QJsonArray parties, mixes;
    QJsonArray results;  // {"party", "age", "design"}: results of a new age added to a party
    std::set<std::string> mixNames;
};

// The results of a party the journal holds at an age it lacks; the party takes the file's
// design when it has none.
Outcome<> addToKnown(Journal& journal, const FileParty& p, const KnownParty& known,
                     Written& written) {
    std::map<int, std::vector<std::string>> byAge;
    for (const auto& [key, row] : p.extracts) byAge[key.first].push_back(row->strengthText);
    for (const auto& [age, texts] : byAge) {
        if (Outcome<> added = Storage::insertExtracts(journal, known.id, texts, age); !added.ok())
            return added;
        written.results.append(QJsonObject{{"party", known.id}, {"age", age}});
    }
    if (known.design.empty() && !p.first->design.empty()) {
        QSqlQuery design = Storage::prepared(journal, "UPDATE parties SET design = ? WHERE id = ?",
                                             {sqlText(p.first->design), known.id});
        if (!design.exec()) return Storage::failed(design);
        written.results.append(QJsonObject{{"party", known.id}, {"design", true}});
    }
    return Outcome<>::done({});
}

Outcome<> insertAll(Journal& journal, const std::vector<CsvRow>& rows, const KnownParties& known,
                    ImportValues& counts, Written& written, const ImportProgress& progress) {
    std::map<std::string, long long> mixIds;
    const auto mixes = journal.mixes();
    if (!mixes.ok()) return Outcome<>::endedAs(mixes);
    for (const Mix& mix : mixes.values) mixIds[mix.name] = mix.id;
    QSqlQuery party = Storage::prepared(journal,
                                        "INSERT INTO parties (mix_id, party_date, number, design) "
                                        "VALUES (?, ?, ?, ?) RETURNING id");
    QSqlQuery extract = Storage::prepared(journal,
                                          "INSERT INTO extracts (party_id, age, position, "
                                          "strength, strength_text) VALUES (?, ?, ?, ?, ?)");
    const std::vector<FileParty> parties = groupParties(rows);
    const long long total = static_cast<long long>(parties.size());
    long long told = 0;
    for (const FileParty& p : parties) {
        ++told;
        written.mixNames.insert(p.first->mix);
        if (auto it = known.find({p.first->mix, p.first->party}); it != known.end()) {
            if (Outcome<> added = addToKnown(journal, p, it->second, written); !added.ok())
                return added;
            ++counts.partiesCompleted;
            counts.extractsAdded += static_cast<long long>(p.extracts.size());
        } else {
            auto [mixIt, fresh] = mixIds.try_emplace(p.first->mix, 0);
            if (fresh) {
                const Outcome<long long> mixId = Storage::insertMix(journal, p.first->mix);
                if (!mixId.ok()) return Outcome<>::endedAs(mixId);
                mixIt->second = mixId.values;
                written.mixes.append(mixId.values);
                ++counts.mixesAdded;
            }
            party.bindValue(0, mixIt->second);
            party.bindValue(1, sqlText(p.first->date));
            party.bindValue(2, sqlText(p.first->party));
            party.bindValue(3, sqlText(p.first->design));
            if (!party.exec() || !party.next()) return Storage::failed(party);
            const long long partyId = party.value(0).toLongLong();
            party.finish();
            written.parties.append(QJsonObject{{"id", partyId}});
            ++counts.partiesAdded;
            for (const auto& [key, row] : p.extracts) {
                extract.bindValue(0, partyId);
                extract.bindValue(1, key.first);
                extract.bindValue(2, key.second);
                extract.bindValue(3, row->strength);
                extract.bindValue(4, sqlText(row->strengthText));
                if (!extract.exec()) return Storage::failed(extract);
                ++counts.extractsAdded;
            }
        }
        // Told every 256 parties: often enough for a bar, rarely enough to cost nothing.
        if (progress && (told % 256 == 0 || told == total) && !progress(told, total))
            return Outcome<>::cancelled();
    }
    return Outcome<>::done({});
}

std::string importedMixes(const std::set<std::string>& names) {
    std::string out;
    for (const std::string& name : names) out += (out.empty() ? "" : ", ") + name;
    return out;
}

}  // namespace

ImportOutcome importCsv(Journal& journal, std::string_view bytes, const std::string& fileName,
                        const ImportProgress& progress) {
    ImportValues values;
    const CsvParse parse = parseJournalCsv(bytes);
    if (parse.semicolons)
        values.notes.push_back(
            reportText("Read with semicolons between fields and decimal commas"));
    if (parse.windows1251) values.notes.push_back(reportText("Read as Windows-1251 text"));
    for (const CsvProblem& problem : parse.problems)
        values.problems.push_back(problemText(fileName, problem));
    Outcome<KnownParties> known = Outcome<KnownParties>::done({});
    if (values.problems.empty()) {
        known = knownParties(journal);
        if (!known.ok())
            return ImportOutcome::failed(reportText("Nothing was imported: %1", {known.message}));
        auto clashing = clashes(known.values, parse.rows, fileName);
        values.problems = std::move(clashing.values);
    }
    if (!values.problems.empty())
        return ImportOutcome::failed({}, MessageStyle::Message, std::move(values));
    Written written;
    const Outcome<> status =
        Storage::inTransaction(journal, Storage::Need::Add, [&]() -> Outcome<> {
            if (Outcome<> inserted =
                    insertAll(journal, parse.rows, known.values, values, written, progress);
                !inserted.ok())
                return inserted;
            QJsonObject added{{"parties", written.parties}, {"mixes", written.mixes}};
            if (!written.results.isEmpty()) added["results"] = written.results;
            const std::string after =
                QJsonDocument(added).toJson(QJsonDocument::Compact).toStdString();
            return Storage::record(
                journal, {"import", importedMixes(written.mixNames),
                          std::to_string(values.partiesAdded) + " parties from " + fileName, "",
                          after, "", 0});
        });
    if (status.kind == OutcomeKind::Cancelled) return ImportOutcome::cancelled();
    if (!status.ok())
        return ImportOutcome::failed(reportText("Nothing was imported: %1", {status.message}),
                                     MessageStyle::Message);
    return ImportOutcome::done(std::move(values));
}

ImportOutcome importCsvFile(Journal& journal, const QString& path, const ImportProgress& progress) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ImportOutcome::failed(
            reportText("The file '%1' cannot be read", {path.toStdString()}),
            MessageStyle::Message);
    const QByteArray bytes = file.readAll();
    return importCsv(journal, std::string_view(bytes.constData(), bytes.size()), path.toStdString(),
                     progress);
}

Outcome<std::vector<std::string>> exportCsvLines(const Journal& journal, const std::string& mix) {
    using Lines = Outcome<std::vector<std::string>>;
    if (!mix.empty()) {
        const auto found = journal.findMix(mix);
        if (!found.ok()) return Lines::endedAs(found);
        if (!found.values)
            return Lines::failed(reportText("There is no mix '%1' in the journal", {mix}));
    }
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT p.party_date, m.name, p.number, e.position, e.strength_text, e.age, p.design "
        "FROM extracts e JOIN parties p ON p.id = e.party_id JOIN mixes m ON m.id = p.mix_id "
        "WHERE ? = '' OR m.name = ? ORDER BY m.name, p.party_date, p.id, e.age, e.position",
        {sqlText(mix), sqlText(mix)});
    if (!query.exec()) return Storage::failed<std::vector<std::string>>(query);
    // The columns a file needs: the age only when a result is of another age than 28 days, the
    // design only when a party names one; a journal of 28-day results writes the file as it
    // always was.
    struct Row {
        std::string date, mix, party, text, design;
        int extract = 0, age = 0;
    };
    std::vector<Row> rows;
    CsvColumns columns = CsvColumns::Basic;
    while (query.next()) {
        Row row{textOf(query.value(0)), textOf(query.value(1)), textOf(query.value(2)),
                textOf(query.value(4)), textOf(query.value(6)), query.value(3).toInt(),
                query.value(5).toInt()};
        if (!row.design.empty())
            columns = CsvColumns::Designs;
        else if (row.age != kDesignAge && columns == CsvColumns::Basic)
            columns = CsvColumns::Ages;
        rows.push_back(std::move(row));
    }
    std::vector<std::string> lines{csvHeader(columns)};
    lines.reserve(rows.size() + 1);
    for (const Row& r : rows)
        lines.push_back(
            csvLine(r.date, r.mix, r.party, r.extract, r.text, r.age, r.design, columns));
    return Lines::done(std::move(lines));
}

Outcome<> exportCsvFile(const Journal& journal, const QString& path, const std::string& mix) {
    const auto lines = exportCsvLines(journal, mix);
    if (!lines.ok()) return Outcome<>::endedAs(lines);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome<>::failed(
            reportText("The file '%1' cannot be written", {path.toStdString()}));
    for (const std::string& line : lines.values) {
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\n", 1);
    }
    if (!file.commit())
        return Outcome<>::failed(
            reportText("The file '%1' cannot be written", {path.toStdString()}));
    return Outcome<>::done({});
}

}  // namespace orvan::journal
