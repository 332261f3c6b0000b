#include "journal/JournalExchange.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QVariant>
#include <map>
#include <set>

#include "journal/JournalCsv.h"
#include "journal/JournalSql.h"

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

// Rows whose party is in the journal already.
std::vector<std::string> clashes(const Journal& journal, const std::vector<CsvRow>& rows,
                                 const std::string& fileName) {
    std::map<std::string, std::set<std::string>> taken;  // mix name -> party numbers
    for (const Mix& mix : journal.mixes()) {
        if (mix.partyCount == 0) continue;
        QSqlQuery query(journal.database());
        query.setForwardOnly(true);
        query.prepare("SELECT number FROM parties WHERE mix_id = ?");
        query.addBindValue(mix.id);
        if (!query.exec()) continue;
        auto& numbers = taken[mix.name];
        while (query.next()) numbers.insert(query.value(0).toString().toStdString());
    }
    std::vector<std::string> out;
    for (const CsvRow& row : rows)
        if (auto it = taken.find(row.mix); it != taken.end() && it->second.count(row.party))
            out.push_back(
                problemText(fileName, {row.line, "party '" + row.party + "' of mix '" + row.mix +
                                                     "' is in the journal already"}));
    return out;
}

Status insertAll(Journal& journal, const std::vector<CsvRow>& rows, ImportValues& counts) {
    std::map<std::string, long long> mixIds;
    for (const Mix& mix : journal.mixes()) mixIds[mix.name] = mix.id;
    QSqlDatabase db = journal.database();
    QSqlQuery party(db), extract(db);
    party.prepare("INSERT INTO parties (mix_id, party_date, number) VALUES (?, ?, ?) RETURNING id");
    extract.prepare(
        "INSERT INTO extracts (party_id, position, strength, strength_text) VALUES (?, ?, ?, ?)");
    for (const FileParty& p : groupParties(rows)) {
        auto [it, fresh] = mixIds.try_emplace(p.first->mix, 0);
        if (fresh) {
            const Result<long long> mixId = journal.insertMix(p.first->mix);
            if (!mixId) return mixId.status;
            it->second = mixId.value;
            ++counts.mixesAdded;
        }
        party.bindValue(0, it->second);
        party.bindValue(1, sqlText(p.first->date));
        party.bindValue(2, sqlText(p.first->party));
        if (!party.exec() || !party.next()) return Status::failed(sqlError(party));
        const long long partyId = party.value(0).toLongLong();
        party.finish();
        ++counts.partiesAdded;
        for (const auto& [position, row] : p.extracts) {
            extract.bindValue(0, partyId);
            extract.bindValue(1, position);
            extract.bindValue(2, row->strength);
            extract.bindValue(3, sqlText(row->strengthText));
            if (!extract.exec()) return Status::failed(sqlError(extract));
            ++counts.extractsAdded;
        }
    }
    return {};
}

}  // namespace

ImportOutcome importCsv(Journal& journal, std::string_view bytes, const std::string& fileName) {
    ImportValues values;
    const CsvParse parse = parseJournalCsv(bytes);
    for (const CsvProblem& problem : parse.problems)
        values.problems.push_back(problemText(fileName, problem));
    if (values.problems.empty()) values.problems = clashes(journal, parse.rows, fileName);
    if (!values.problems.empty())
        return ImportOutcome::failed({}, MessageStyle::Message, std::move(values));
    Status status = journal.write([&] { return insertAll(journal, parse.rows, values); });
    if (!status)
        return ImportOutcome::failed("Nothing was imported: " + status.message,
                                     MessageStyle::Message);
    return ImportOutcome::done(std::move(values));
}

ImportOutcome importCsvFile(Journal& journal, const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ImportOutcome::failed("The file '" + path.toStdString() + "' cannot be read",
                                     MessageStyle::Message);
    const QByteArray bytes = file.readAll();
    return importCsv(journal, std::string_view(bytes.constData(), bytes.size()),
                     path.toStdString());
}

Result<std::vector<std::string>> exportCsvLines(const Journal& journal, const std::string& mix) {
    if (!mix.empty() && !journal.findMix(mix))
        return {{}, Status::failed("There is no mix '" + mix + "' in the journal")};
    QSqlQuery query(journal.database());
    query.setForwardOnly(true);
    query.prepare(
        "SELECT p.party_date, m.name, p.number, e.position, e.strength_text FROM extracts e "
        "JOIN parties p ON p.id = e.party_id JOIN mixes m ON m.id = p.mix_id "
        "WHERE ? = '' OR m.name = ? ORDER BY m.name, p.party_date, p.id, e.position");
    query.addBindValue(sqlText(mix));
    query.addBindValue(sqlText(mix));
    std::vector<std::string> lines{kCsvHeader};
    if (!query.exec()) return {{}, Status::failed(sqlError(query))};
    while (query.next())
        lines.push_back(csvLine(query.value(0).toString().toStdString(),
                                query.value(1).toString().toStdString(),
                                query.value(2).toString().toStdString(), query.value(3).toInt(),
                                query.value(4).toString().toStdString()));
    return {std::move(lines), {}};
}

Status exportCsvFile(const Journal& journal, const QString& path, const std::string& mix) {
    const auto [lines, status] = exportCsvLines(journal, mix);
    if (!status) return status;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failed("The file '" + path.toStdString() + "' cannot be written");
    for (const std::string& line : lines) {
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\n", 1);
    }
    if (!file.commit())
        return Status::failed("The file '" + path.toStdString() + "' cannot be written");
    return {};
}

}  // namespace orvan::journal
