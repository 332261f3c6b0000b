#include "journal/JournalPeriods.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "journal/JournalSnapshot.h"
#include "journal/RowReader.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

namespace an = orvan::analysed;

// The latest `count` parties of the mix with exactly `extracts` extracts, dated on or before
// `until`, oldest first.
Outcome<std::vector<Party>> latestParties(const Journal& journal, long long mixId, int count,
                                          int extracts, const std::string& until) {
    using Parties = Outcome<std::vector<Party>>;
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT p.id, p.party_date, p.number FROM parties p WHERE p.mix_id = ? "
        "AND (? = '' OR p.party_date <= ?) "
        "AND (SELECT COUNT(*) FROM extracts e WHERE e.party_id = p.id AND e.age = 28) = ? "
        "ORDER BY p.party_date DESC, p.id DESC LIMIT ?",
        {mixId, sqlText(until), sqlText(until), extracts, count});
    if (!query.exec()) return Storage::failed<std::vector<Party>>(query);
    std::vector<Party> parties;
    while (query.next())
        parties.push_back({query.value(0).toLongLong(),
                           mixId,
                           textOf(query.value(1)),
                           textOf(query.value(2)),
                           {},
                           {},
                           {}});
    std::reverse(parties.begin(), parties.end());
    QSqlQuery texts = Storage::prepared(
        journal,
        "SELECT strength_text FROM extracts WHERE party_id = ? AND age = 28 ORDER BY position");
    for (Party& party : parties) {
        texts.bindValue(0, party.id);
        if (!texts.exec()) return Storage::failed<std::vector<Party>>(texts);
        while (texts.next()) party.strengthTexts.push_back(textOf(texts.value(0)));
    }
    return Parties::done(std::move(parties));
}

// The parties dated from the oldest party used (or every party when none was found) up to
// `until` whose count of extracts is not the layout's: those the period passed over.
Outcome<std::vector<an::PartySource>> skippedParties(const Journal& journal, long long mixId,
                                                     int extracts, const std::string& until,
                                                     const std::vector<Party>& used) {
    const std::string from = used.empty() ? std::string() : used.front().date;
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT p.number, p.party_date, (SELECT COUNT(*) FROM extracts e WHERE e.party_id = "
        "p.id AND e.age = 28) AS n FROM parties p WHERE p.mix_id = ? AND (? = '' OR p.party_date "
        ">= ?) "
        "AND (? = '' OR p.party_date <= ?) ORDER BY p.party_date, p.id",
        {mixId, sqlText(from), sqlText(from), sqlText(until), sqlText(until)});
    if (!query.exec()) return Storage::failed<std::vector<an::PartySource>>(query);
    std::vector<an::PartySource> skipped;
    while (query.next())
        if (query.value(2).toInt() != extracts)
            skipped.push_back(
                {textOf(query.value(0)), textOf(query.value(1)), query.value(2).toInt()});
    return Outcome<std::vector<an::PartySource>>::done(std::move(skipped));
}

JournalAnalysis ended(JournalAnalysis analysis, AnalysisEnd end, std::string message) {
    const bool refused = end == AnalysisEnd::NoClass || end == AnalysisEnd::TooFewParties;
    analysis.kind = refused ? OutcomeKind::Refused : OutcomeKind::Failed;
    analysis.style = MessageStyle::Message;
    analysis.values.end = end;
    analysis.message = std::move(message);
    return analysis;
}

std::string tooFew(const JournalPeriodValues& v) {
    const std::string skipped =
        v.skipped.empty() ? std::string()
                          : reportText(" (%1 parties of another count of extracts are left out)",
                                       {std::to_string(v.skipped.size())});
    const std::string found = std::to_string(v.parties.size()),
                      extracts = std::to_string(v.layout->extractCount),
                      needed = std::to_string(v.layout->partyCount);
    return v.untilDate.empty()
               ? reportText(
                     "Only %1 parties of the mix '%2' with %3 extracts were found; the "
                     "analysed period needs %4%5",
                     {found, v.mixName, extracts, needed, skipped})
               : reportText(
                     "Only %1 parties of the mix '%2' with %3 extracts dated on or before "
                     "%6 were found; the analysed period needs %4%5",
                     {found, v.mixName, extracts, needed, skipped, v.untilDate});
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

JournalAnalysis analyseFromJournal(const Journal& journal, long long mixId,
                                   const an::AnalysedPeriodLayout& layout,
                                   const std::string& classText, const std::string& untilDate,
                                   NumberFormat format) {
    JournalAnalysis analysis;
    JournalPeriodValues& v = analysis.values;
    v.layout = &layout;
    v.untilDate = untilDate;
    v.mixId = mixId;
    const auto mix = journal.mix(mixId);
    if (!mix.ok()) return ended(analysis, AnalysisEnd::ReadFailed, mix.message);
    if (!mix.values) return ended(analysis, AnalysisEnd::NoMix, "The mix is not in the journal");
    v.mixName = mix.values->name;
    v.classText = classText.empty() ? mix.values->classText : classText;
    if (v.classText.empty())
        return ended(analysis, AnalysisEnd::NoClass,
                     "The mix '" + v.mixName + "' has no specified class B: give it");
    auto parties = latestParties(journal, mixId, layout.partyCount, layout.extractCount, untilDate);
    if (!parties.ok()) return ended(analysis, AnalysisEnd::ReadFailed, parties.message);
    v.parties = std::move(parties.values);
    auto skipped = skippedParties(journal, mixId, layout.extractCount, untilDate, v.parties);
    if (!skipped.ok()) return ended(analysis, AnalysisEnd::ReadFailed, skipped.message);
    v.skipped = std::move(skipped.values);
    if (static_cast<int>(v.parties.size()) < layout.partyCount)
        return ended(analysis, AnalysisEnd::TooFewParties, tooFew(v));
    an::ExtractTexts texts;
    for (const Party& party : v.parties) texts.push_back(party.strengthTexts);
    const an::AnalysedPeriodOutcome computed =
        an::computeAnalysedPeriod(layout, texts, v.classText, format);
    v.run = computed.values;
    if (!computed.ok())
        return ended(analysis, AnalysisEnd::DataError,
                     computed.message + " (" + computed.values.cause + ")");
    analysis.kind = OutcomeKind::Done;
    return analysis;
}

an::PeriodSources periodSources(const JournalAnalysis& analysis) {
    const JournalPeriodValues& v = analysis.values;
    an::PeriodSources sources{v.mixName, v.layout ? v.layout->extractCount : 0, {}, v.skipped};
    for (const Party& party : v.parties)
        sources.used.push_back(
            {party.number, party.date, static_cast<int>(party.strengthTexts.size())});
    return sources;
}

Outcome<> saveAnalysedPeriod(Journal& journal, const JournalAnalysis& analysis) {
    if (!analysis.ok())
        return Outcome<>::failed(reportText("Only a completed analysed period is saved"));
    const an::AnalysedPeriodResult& r = analysis.values.run.result;
    const JournalPeriodValues& v = analysis.values;
    const std::string layout = layoutName(*v.layout);
    return Storage::inTransaction(journal, Storage::Need::Add, [&]() -> Outcome<> {
        QSqlQuery period = Storage::prepared(
            journal,
            "INSERT INTO analysed_periods (mix_id, layout, class_text, until_date, "
            "last_party_date, saved_at, overall_variation, average_level, warning_top, "
            "warning_bottom, correcting_top, correcting_bottom) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id",
            {v.mixId, sqlText(layout), sqlText(v.classText), sqlText(v.untilDate),
             sqlText(v.parties.back().date), QDateTime::currentDateTimeUtc().toString(Qt::ISODate),
             r.overallVariation, r.averageLevel, r.warningTop, r.warningBottom, r.correctingTop,
             r.correctingBottom});
        if (!period.exec() || !period.next()) return Storage::failed(period);
        const long long periodId = period.value(0).toLongLong();
        QSqlQuery party = Storage::prepared(
            journal,
            "INSERT INTO analysed_period_parties (period_id, position, party_id, party_mean, "
            "party_deviation, party_variation) VALUES (?, ?, ?, ?, ?, ?)");
        std::vector<std::string> numbers;
        for (std::size_t i = 0; i < v.parties.size(); ++i) {
            party.bindValue(0, periodId);
            party.bindValue(1, static_cast<int>(i + 1));
            party.bindValue(2, v.parties[i].id);
            party.bindValue(3, r.partyMean[i]);
            party.bindValue(4, r.partyDeviation[i]);
            party.bindValue(5, r.partyVariation[i]);
            if (!party.exec()) return Storage::failed(party);
            numbers.push_back(v.parties[i].number);
        }
        QSqlQuery mix =
            Storage::prepared(journal, "UPDATE mixes SET class_text = ?, layout = ? WHERE id = ?",
                              {sqlText(v.classText), sqlText(layout), v.mixId});
        if (!mix.exec()) return Storage::failed(mix);
        return Storage::record(journal,
                               {"analysed period saved", v.mixName, joinedNumbers(numbers), "",
                                "{\"period\":" + std::to_string(periodId) + "}", "", 0});
    });
}

Outcome<std::optional<StoredPeriod>> latestAnalysedPeriod(const Journal& journal, long long mixId) {
    using Found = Outcome<std::optional<StoredPeriod>>;
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT id, layout, class_text, until_date, last_party_date, saved_at, "
        "overall_variation, average_level, warning_top, warning_bottom, correcting_top, "
        "correcting_bottom FROM analysed_periods WHERE mix_id = ? ORDER BY id DESC LIMIT 1",
        {mixId});
    if (!query.exec()) return Storage::failed<std::optional<StoredPeriod>>(query);
    if (!query.next()) return Found::done(std::nullopt);
    auto d = [&](int column) { return query.value(column).toDouble(); };
    return Found::done(StoredPeriod{query.value(0).toLongLong(), textOf(query.value(1)),
                                    textOf(query.value(2)), textOf(query.value(3)),
                                    textOf(query.value(4)), textOf(query.value(5)), d(6), d(7),
                                    d(8), d(9), d(10), d(11)});
}

FieldTexts controlFieldTexts(const StoredPeriod& p) {
    // The analysed-period report's one decimal, written with a point (any format reads it).
    auto shown = [](double value) { return formatFixed(value, 1, NumberFormat{}); };
    return {{"edRy", shown(p.averageLevel)},
            {"edRpr1", shown(p.warningTop)},
            {"edRpr2", shown(p.warningBottom)},
            {"edRcor1", shown(p.correctingTop)},
            {"edRcor2", shown(p.correctingBottom)}};
}

FieldTexts exactControlFieldTexts(const StoredPeriod& p) {
    return {{"edRy", formatRoundTrip(p.averageLevel)},
            {"edRpr1", formatRoundTrip(p.warningTop)},
            {"edRpr2", formatRoundTrip(p.warningBottom)},
            {"edRcor1", formatRoundTrip(p.correctingTop)},
            {"edRcor2", formatRoundTrip(p.correctingBottom)}};
}

namespace {

// The parties of `mixId` dated after `from` (or from it, when `fromIncluded`) up to `to`
// (ISO dates, whose text order is their date order); each mean summed in extract order, as a
// party mean is everywhere else.
Outcome<PartySeries> readPartyMeans(const Journal& journal, long long mixId,
                                    const std::string& from, bool fromIncluded,
                                    const std::string& to) {
    // Only the comparison is chosen here, from two fixed texts; every value is bound.
    const std::string statement =
        std::string(
            "SELECT p.id, p.number, p.party_date, e.strength FROM parties p JOIN extracts "
            "e ON e.party_id = p.id AND e.age = 28 WHERE p.mix_id = ? AND p.party_date ") +
        (fromIncluded ? ">=" : ">") +
        " ? AND p.party_date <= ? ORDER BY p.party_date, p.id, e.position";
    RowReader rows(journal, statement.c_str(), {mixId, sqlText(from), sqlText(to)});
    PartySeries out;
    long long current = -1;
    double sum = 0;
    int count = 0;
    auto close = [&] {
        if (count > 0) out.means.push_back(sum / count);
    };
    while (rows.next()) {
        const long long id = rows.integer(0);
        if (id != current) {
            close();
            current = id, sum = 0, count = 0;
            out.numbers.push_back(rows.text(1));
            out.dates.push_back(rows.text(2));
        }
        sum += rows.real(3);
        ++count;
    }
    if (!rows.ok()) return rows.failed<PartySeries>();
    close();
    return Outcome<PartySeries>::done(std::move(out));
}

// Later than any ISO date: an open end of a date range.
constexpr const char* kAfterEveryDate = "9999-99-99";
}  // namespace

Outcome<ControlledPeriod> controlledPeriod(const Journal& journal, long long mixId) {
    ControlledPeriod out;
    auto period = latestAnalysedPeriod(journal, mixId);
    if (!period.ok()) return Outcome<ControlledPeriod>::endedAs(period);
    out.period = period.values;
    if (!out.period) return Outcome<ControlledPeriod>::done(std::move(out));
    auto later = readPartyMeans(journal, mixId, out.period->lastPartyDate, false, kAfterEveryDate);
    if (!later.ok()) return Outcome<ControlledPeriod>::endedAs(later);
    out.partyNumbers = std::move(later.values.numbers);
    out.partyDates = std::move(later.values.dates);
    out.batchMeans = std::move(later.values.means);
    return Outcome<ControlledPeriod>::done(std::move(out));
}

Outcome<control::JournalConformity> conformityFromJournal(const Journal& journal, long long mixId,
                                                          const std::string& from,
                                                          const std::string& to) {
    using Given = Outcome<control::JournalConformity>;
    const auto read = readPartyMeans(journal, mixId, "", true, to.empty() ? kAfterEveryDate : to);
    if (!read.ok()) return Given::endedAs(read);
    const PartySeries& series = read.values;
    control::JournalConformity out;
    for (std::size_t i = 0; i < series.means.size(); ++i) {
        out.history.push_back({series.dates[i], series.means[i]});
        if (series.dates[i] < from) continue;  // ISO dates: text order is date order
        if (!out.resultsText.empty()) out.resultsText += '\n';
        out.resultsText += formatRoundTrip(series.means[i]);
    }
    return Given::done(std::move(out));
}

Outcome<PartySeries> partySeries(const Journal& journal, long long mixId, const std::string& from) {
    return readPartyMeans(journal, mixId, from, true, kAfterEveryDate);
}

control::ChartOutcome chartFromJournal(const ControlledPeriod& period, const std::string& mix) {
    FieldTexts texts = defaultTexts(control::controlForm());
    if (period.period) {
        for (auto& [name, text] : exactControlFieldTexts(*period.period)) texts[name] = text;
    }
    texts["edCountParty"] = std::to_string(period.batchMeans.size());
    // Every text here is written with a point (round trip), which any format reads.
    control::ChartOutcome chart = control::buildControlChart(
        texts,
        [&](int batch, const std::string&) {
            return formatRoundTrip(period.batchMeans[batch - 1]);
        },
        NumberFormat{});
    if (chart.ok()) chart.values.series.back().labelDecimals = 2;
    chart.values.mix = mix;
    for (std::size_t i = 0; i < period.partyNumbers.size() && i < period.partyDates.size(); ++i)
        chart.values.parties.push_back({period.partyNumbers[i], period.partyDates[i],
                                        i < period.predicted.size() && period.predicted[i]});
    return chart;
}

}  // namespace orvan::journal
