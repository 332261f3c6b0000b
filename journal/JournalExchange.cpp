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

#include "journal/JournalCsv.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

// The parties of the file in order of first appearance, extracts by index.
struct FileParty {
    const CsvRow* first = nullptr;
    std::map<int, const CsvRow*> extracts;
};

std::vector<FileParty> groupParties(const std::vector<CsvRow>& rows) {
    std::vector<FileParty> parties;
    std::map<std::pair<std::string, std::string>, std::size_t> index;
    for (const CsvRow& row : rows) {
        auto [it, fresh] = index.try_emplace({row.mix, row.party}, parties.size());
        if (fresh) parties.push_back({&row, {}});
        parties[it->second].extracts[row.extract] = &row;
    }
    return parties;
}

// The party numbers of every mix in the journal, by mix name.
Outcome<std::map<std::string, std::set<std::string>>> takenNumbers(const Journal& journal) {
    using Taken = std::map<std::string, std::set<std::string>>;
    QSqlQuery query = Storage::prepared(
        journal, "SELECT m.name, p.number FROM parties p JOIN mixes m ON m.id = p.mix_id");
    if (!query.exec()) return Storage::failed<Taken>(query);
    Taken taken;
    while (query.next()) taken[textOf(query.value(0))].insert(textOf(query.value(1)));
    return Outcome<Taken>::done(std::move(taken));
}

// Rows whose party is in the journal already; one line when every party of the file is.
Outcome<std::vector<std::string>> clashes(const Journal& journal, const std::vector<CsvRow>& rows,
                                          const std::string& fileName) {
    const auto taken = takenNumbers(journal);
    if (!taken.ok()) return Outcome<std::vector<std::string>>::endedAs(taken);
    std::vector<std::string> out;
    std::set<std::pair<std::string, std::string>> parties, known;
    for (const CsvRow& row : rows) {
        parties.insert({row.mix, row.party});
        auto it = taken.values.find(row.mix);
        if (it == taken.values.end() || !it->second.count(row.party)) continue;
        known.insert({row.mix, row.party});
        out.push_back(
            problemText(fileName, {row.line, "party '" + row.party + "' of mix '" + row.mix +
                                                 "' is in the journal already"}));
    }
    if (!parties.empty() && known.size() == parties.size() && parties.size() > 1)
        out = {fileName + ": these " + std::to_string(parties.size()) +
               " parties are already in the journal"};
    return Outcome<std::vector<std::string>>::done(std::move(out));
}

// Every party of the file written; the ids of the parties and of the new mixes go to the
// history's event, so that undo takes away exactly what the import added.
struct Written {
    QJsonArray parties, mixes;
    std::set<std::string> mixNames;
};

Outcome<> insertAll(Journal& journal, const std::vector<CsvRow>& rows, ImportValues& counts,
                    Written& written, const ImportProgress& progress) {
    std::map<std::string, long long> mixIds;
    const auto known = journal.mixes();
    if (!known.ok()) return Outcome<>::endedAs(known);
    for (const Mix& mix : known.values) mixIds[mix.name] = mix.id;
    QSqlQuery party = Storage::prepared(
        journal, "INSERT INTO parties (mix_id, party_date, number) VALUES (?, ?, ?) RETURNING id");
    QSqlQuery extract = Storage::prepared(
        journal,
        "INSERT INTO extracts (party_id, position, strength, strength_text) VALUES (?, ?, ?, ?)");
    const std::vector<FileParty> parties = groupParties(rows);
    const long long total = static_cast<long long>(parties.size());
    for (const FileParty& p : parties) {
        auto [it, fresh] = mixIds.try_emplace(p.first->mix, 0);
        if (fresh) {
            const Outcome<long long> mixId = Storage::insertMix(journal, p.first->mix);
            if (!mixId.ok()) return Outcome<>::endedAs(mixId);
            it->second = mixId.values;
            written.mixes.append(mixId.values);
            ++counts.mixesAdded;
        }
        written.mixNames.insert(p.first->mix);
        party.bindValue(0, it->second);
        party.bindValue(1, sqlText(p.first->date));
        party.bindValue(2, sqlText(p.first->party));
        if (!party.exec() || !party.next()) return Storage::failed(party);
        const long long partyId = party.value(0).toLongLong();
        party.finish();
        written.parties.append(QJsonObject{{"id", partyId}});
        ++counts.partiesAdded;
        for (const auto& [position, row] : p.extracts) {
            extract.bindValue(0, partyId);
            extract.bindValue(1, position);
            extract.bindValue(2, row->strength);
            extract.bindValue(3, sqlText(row->strengthText));
            if (!extract.exec()) return Storage::failed(extract);
            ++counts.extractsAdded;
        }
        // Told every 256 parties: often enough for a bar, rarely enough to cost nothing.
        if (progress && (counts.partiesAdded % 256 == 0 || counts.partiesAdded == total) &&
            !progress(counts.partiesAdded, total))
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
        values.notes.push_back("Read with semicolons between fields and decimal commas");
    if (parse.windows1251) values.notes.push_back("Read as Windows-1251 text");
    for (const CsvProblem& problem : parse.problems)
        values.problems.push_back(problemText(fileName, problem));
    if (values.problems.empty()) {
        auto clashing = clashes(journal, parse.rows, fileName);
        if (!clashing.ok())
            return ImportOutcome::failed("Nothing was imported: " + clashing.message);
        values.problems = std::move(clashing.values);
    }
    if (!values.problems.empty())
        return ImportOutcome::failed({}, MessageStyle::Message, std::move(values));
    Written written;
    const Outcome<> status =
        Storage::inTransaction(journal, Storage::Need::Add, [&]() -> Outcome<> {
            if (Outcome<> inserted = insertAll(journal, parse.rows, values, written, progress);
                !inserted.ok())
                return inserted;
            const std::string after =
                QJsonDocument(QJsonObject{{"parties", written.parties}, {"mixes", written.mixes}})
                    .toJson(QJsonDocument::Compact)
                    .toStdString();
            return Storage::record(
                journal, {"import", importedMixes(written.mixNames),
                          std::to_string(values.partiesAdded) + " parties from " + fileName, "",
                          after, "", 0});
        });
    if (status.kind == OutcomeKind::Cancelled) return ImportOutcome::cancelled();
    if (!status.ok())
        return ImportOutcome::failed("Nothing was imported: " + status.message,
                                     MessageStyle::Message);
    return ImportOutcome::done(std::move(values));
}

ImportOutcome importCsvFile(Journal& journal, const QString& path, const ImportProgress& progress) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ImportOutcome::failed("The file '" + path.toStdString() + "' cannot be read",
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
        if (!found.values) return Lines::failed("There is no mix '" + mix + "' in the journal");
    }
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT p.party_date, m.name, p.number, e.position, e.strength_text FROM extracts e "
        "JOIN parties p ON p.id = e.party_id JOIN mixes m ON m.id = p.mix_id "
        "WHERE ? = '' OR m.name = ? ORDER BY m.name, p.party_date, p.id, e.position",
        {sqlText(mix), sqlText(mix)});
    std::vector<std::string> lines{kCsvHeader};
    if (!query.exec()) return Storage::failed<std::vector<std::string>>(query);
    while (query.next())
        lines.push_back(csvLine(textOf(query.value(0)), textOf(query.value(1)),
                                textOf(query.value(2)), query.value(3).toInt(),
                                textOf(query.value(4))));
    return Lines::done(std::move(lines));
}

Outcome<> exportCsvFile(const Journal& journal, const QString& path, const std::string& mix) {
    const auto lines = exportCsvLines(journal, mix);
    if (!lines.ok()) return Outcome<>::endedAs(lines);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome<>::failed("The file '" + path.toStdString() + "' cannot be written");
    for (const std::string& line : lines.values) {
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\n", 1);
    }
    if (!file.commit())
        return Outcome<>::failed("The file '" + path.toStdString() + "' cannot be written");
    return Outcome<>::done({});
}

}  // namespace orvan::journal
