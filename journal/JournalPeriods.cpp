#include "journal/JournalPeriods.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include "common/NumberText.h"
#include "journal/JournalSql.h"

namespace orvan::journal {

namespace {

namespace an = orvan::analysed;

// The latest `count` parties of the mix with exactly `extracts` extracts, dated on or before
// `until`, oldest first.
std::vector<Party> latestParties(const Journal& journal, long long mixId, int count, int extracts,
                                 const std::string& until) {
    QSqlQuery query(journal.database());
    query.setForwardOnly(true);
    query.prepare(
        "SELECT p.id, p.party_date, p.number FROM parties p WHERE p.mix_id = ? "
        "AND (? = '' OR p.party_date <= ?) "
        "AND (SELECT COUNT(*) FROM extracts e WHERE e.party_id = p.id) = ? "
        "ORDER BY p.party_date DESC, p.id DESC LIMIT ?");
    query.addBindValue(mixId);
    query.addBindValue(sqlText(until));
    query.addBindValue(sqlText(until));
    query.addBindValue(extracts);
    query.addBindValue(count);
    std::vector<Party> parties;
    if (!query.exec()) return parties;
    while (query.next())
        parties.push_back({query.value(0).toLongLong(),
                           mixId,
                           textOf(query.value(1)),
                           textOf(query.value(2)),
                           {}});
    std::reverse(parties.begin(), parties.end());
    QSqlQuery texts(journal.database());
    texts.setForwardOnly(true);
    texts.prepare("SELECT strength_text FROM extracts WHERE party_id = ? ORDER BY position");
    for (Party& party : parties) {
        texts.bindValue(0, party.id);
        if (!texts.exec()) continue;
        while (texts.next()) party.strengthTexts.push_back(textOf(texts.value(0)));
    }
    return parties;
}

JournalAnalysis ended(JournalAnalysis analysis, AnalysisEnd end, std::string message) {
    const bool refused = end == AnalysisEnd::NoClass || end == AnalysisEnd::TooFewParties;
    analysis.kind = refused ? OutcomeKind::Refused : OutcomeKind::Failed;
    analysis.style = MessageStyle::Message;
    analysis.values.end = end;
    analysis.message = std::move(message);
    return analysis;
}

}  // namespace

const an::AnalysedPeriodLayout* layoutByName(const std::string& name) {
    if (name == "5x6") return &an::fiveBySixLayout();
    if (name == "10x3") return &an::tenByThreeLayout();
    return nullptr;
}

std::string layoutName(const an::AnalysedPeriodLayout& layout) {
    return std::to_string(layout.partyCount) + "x" + std::to_string(layout.extractCount);
}

JournalAnalysis analyseFromJournal(const Journal& journal, const std::string& mixName,
                                   const std::string& layoutText, const std::string& classText,
                                   const std::string& untilDate, NumberFormat format) {
    JournalAnalysis analysis;
    JournalPeriodValues& v = analysis.values;
    v.layoutName = layoutText;
    v.untilDate = untilDate;
    const auto mix = journal.findMix(mixName);
    if (!mix)
        return ended(analysis, AnalysisEnd::NoMix,
                     "There is no mix '" + mixName + "' in the journal");
    v.mixId = mix->id;
    const an::AnalysedPeriodLayout* layout = layoutByName(layoutText);
    if (!layout)
        return ended(analysis, AnalysisEnd::NoMix,
                     "The layout is 5x6 or 10x3, not '" + layoutText + "'");
    v.classText = classText.empty() ? mix->classText : classText;
    if (v.classText.empty())
        return ended(analysis, AnalysisEnd::NoClass,
                     "The mix '" + mixName + "' has no specified class B: give it");
    v.parties =
        latestParties(journal, mix->id, layout->partyCount, layout->extractCount, untilDate);
    const int found = static_cast<int>(v.parties.size());
    if (found < layout->partyCount)
        return ended(analysis, AnalysisEnd::TooFewParties,
                     "Only " + std::to_string(found) + " parties of the mix '" + mixName +
                         "' with " + std::to_string(layout->extractCount) + " extracts" +
                         (untilDate.empty() ? std::string(" were found")
                                            : " dated on or before " + untilDate + " were found") +
                         "; the analysed period needs " + std::to_string(layout->partyCount));
    an::ExtractTexts texts;
    for (const Party& party : v.parties) texts.push_back(party.strengthTexts);
    const an::AnalysedPeriodOutcome computed =
        an::computeAnalysedPeriod(*layout, texts, v.classText, format);
    v.run = computed.values;
    if (!computed.ok())
        return ended(analysis, AnalysisEnd::DataError,
                     computed.message + " (" + computed.values.cause + ")");
    analysis.kind = OutcomeKind::Done;
    return analysis;
}

Status saveAnalysedPeriod(Journal& journal, const JournalAnalysis& analysis) {
    if (!analysis.ok()) return Status::failed("Only a completed analysed period is saved");
    const an::AnalysedPeriodResult& r = analysis.values.run.result;
    return journal.write([&]() -> Status {
        QSqlQuery period(journal.database());
        period.prepare(
            "INSERT INTO analysed_periods (mix_id, layout, class_text, until_date, "
            "last_party_date, saved_at, overall_variation, average_level, warning_top, "
            "warning_bottom, correcting_top, correcting_bottom) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id");
        for (const QVariant& value :
             {QVariant(analysis.values.mixId), QVariant(sqlText(analysis.values.layoutName)),
              QVariant(sqlText(analysis.values.classText)),
              QVariant(sqlText(analysis.values.untilDate)),
              QVariant(sqlText(analysis.values.parties.back().date)),
              QVariant(QDateTime::currentDateTimeUtc().toString(Qt::ISODate)),
              QVariant(r.overallVariation), QVariant(r.averageLevel), QVariant(r.warningTop),
              QVariant(r.warningBottom), QVariant(r.correctingTop), QVariant(r.correctingBottom)})
            period.addBindValue(value);
        if (!period.exec() || !period.next()) return Status::failed(sqlError(period));
        const long long periodId = period.value(0).toLongLong();
        QSqlQuery party(journal.database());
        party.prepare(
            "INSERT INTO analysed_period_parties (period_id, position, party_id, party_mean, "
            "party_deviation, party_variation) VALUES (?, ?, ?, ?, ?, ?)");
        for (std::size_t i = 0; i < analysis.values.parties.size(); ++i) {
            party.bindValue(0, periodId);
            party.bindValue(1, static_cast<int>(i + 1));
            party.bindValue(2, analysis.values.parties[i].id);
            party.bindValue(3, r.partyMean[i]);
            party.bindValue(4, r.partyDeviation[i]);
            party.bindValue(5, r.partyVariation[i]);
            if (!party.exec()) return Status::failed(sqlError(party));
        }
        QSqlQuery mix(journal.database());
        mix.prepare("UPDATE mixes SET class_text = ?, layout = ? WHERE id = ?");
        mix.addBindValue(sqlText(analysis.values.classText));
        mix.addBindValue(sqlText(analysis.values.layoutName));
        mix.addBindValue(analysis.values.mixId);
        if (!mix.exec()) return Status::failed(sqlError(mix));
        return {};
    });
}

std::optional<StoredPeriod> latestAnalysedPeriod(const Journal& journal, long long mixId) {
    QSqlQuery query(journal.database());
    query.prepare(
        "SELECT id, layout, class_text, until_date, last_party_date, saved_at, "
        "overall_variation, average_level, warning_top, warning_bottom, correcting_top, "
        "correcting_bottom FROM analysed_periods WHERE mix_id = ? ORDER BY id DESC LIMIT 1");
    query.addBindValue(mixId);
    if (!query.exec() || !query.next()) return std::nullopt;
    auto d = [&](int column) { return query.value(column).toDouble(); };
    return StoredPeriod{query.value(0).toLongLong(),
                        textOf(query.value(1)),
                        textOf(query.value(2)),
                        textOf(query.value(3)),
                        textOf(query.value(4)),
                        textOf(query.value(5)),
                        d(6),
                        d(7),
                        d(8),
                        d(9),
                        d(10),
                        d(11)};
}

FieldTexts controlFieldTexts(const StoredPeriod& p) {
    return {{"edRy", formatRoundTrip(p.averageLevel)},
            {"edRpr1", formatRoundTrip(p.warningTop)},
            {"edRpr2", formatRoundTrip(p.warningBottom)},
            {"edRcor1", formatRoundTrip(p.correctingTop)},
            {"edRcor2", formatRoundTrip(p.correctingBottom)}};
}

namespace {
// The parties of a mix in a range of dates, each with the mean of its extracts, by date.
struct PartyMeans {
    std::vector<std::string> numbers;
    std::vector<double> means;  // MPa
    std::vector<std::string> dates;
};

// The parties of `mixId` dated after `from` (or from it, when `fromIncluded`) up to `to`
// (ISO dates, whose text order is their date order); each mean summed in extract order, as a
// party mean is everywhere else.
PartyMeans readPartyMeans(const Journal& journal, long long mixId, const std::string& from,
                          bool fromIncluded, const std::string& to) {
    PartyMeans out;
    QSqlQuery query(journal.database());
    query.setForwardOnly(true);
    // Only the comparison is chosen here, from two fixed texts; every value is bound.
    query.prepare(
        QStringLiteral(
            "SELECT p.id, p.number, e.strength, p.party_date FROM parties p JOIN extracts e "
            "ON e.party_id = p.id WHERE p.mix_id = ? AND p.party_date %1 ? "
            "AND p.party_date <= ? ORDER BY p.party_date, p.id, e.position")
            .arg(fromIncluded ? QStringLiteral(">=") : QStringLiteral(">")));
    query.addBindValue(mixId);
    query.addBindValue(sqlText(from));
    query.addBindValue(sqlText(to));
    if (!query.exec()) return out;
    long long current = -1;
    double sum = 0;
    int count = 0;
    auto close = [&] {
        if (count > 0) out.means.push_back(sum / count);
    };
    while (query.next()) {
        const long long id = query.value(0).toLongLong();
        if (id != current) {
            close();
            current = id, sum = 0, count = 0;
            out.numbers.push_back(textOf(query.value(1)));
            out.dates.push_back(textOf(query.value(3)));
        }
        sum += query.value(2).toDouble();
        ++count;
    }
    close();
    return out;
}

// Later than any ISO date: an open end of a date range.
constexpr const char* kAfterEveryDate = "9999-99-99";
}  // namespace

ControlledPeriod controlledPeriod(const Journal& journal, long long mixId) {
    ControlledPeriod out;
    out.period = latestAnalysedPeriod(journal, mixId);
    if (!out.period) return out;
    PartyMeans later =
        readPartyMeans(journal, mixId, out.period->lastPartyDate, false, kAfterEveryDate);
    out.partyNumbers = std::move(later.numbers);
    out.batchMeans = std::move(later.means);
    out.partyDates = std::move(later.dates);
    return out;
}

std::vector<double> partyMeansBetween(const Journal& journal, long long mixId,
                                      const std::string& from, const std::string& to) {
    return readPartyMeans(journal, mixId, from, true, to.empty() ? kAfterEveryDate : to).means;
}

control::ChartOutcome chartFromJournal(const ControlledPeriod& period, const std::string& mix) {
    FieldTexts texts = defaultTexts(control::controlForm());
    if (period.period) {
        for (auto& [name, text] : controlFieldTexts(*period.period)) texts[name] = text;
    }
    texts["edCountParty"] = std::to_string(period.batchMeans.size());
    // Every text here is written with a point (round trip), which any format reads.
    control::ChartOutcome chart = control::buildControlChart(
        texts,
        [&](int batch, const std::string&) {
            return formatRoundTrip(period.batchMeans[batch - 1]);
        },
        NumberFormat{});
    chart.values.series.back().labelDecimals = 2;
    chart.values.mix = mix;
    for (std::size_t i = 0; i < period.partyNumbers.size() && i < period.partyDates.size(); ++i)
        chart.values.parties.push_back({period.partyNumbers[i], period.partyDates[i]});
    return chart;
}

}  // namespace orvan::journal
