#include "journal/JournalLoop.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <map>

#include "common/ReportLanguage.h"
#include "journal/JournalDesigns.h"
#include "journal/JournalPeriods.h"
#include "journal/RowReader.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

// A party's mean at one age, its extracts summed in their order as every party mean is.
struct Mean {
    double sum = 0;
    int count = 0;
    std::optional<double> value() const {
        return count > 0 ? std::optional<double>(sum / count) : std::nullopt;
    }
};

}  // namespace

Outcome<control::EarlyAgeInputs> earlyAgeSeries(const Journal& journal, long long mixId,
                                                int earlyAge, const std::string& from,
                                                SeriesNames names) {
    using Series = Outcome<control::EarlyAgeInputs>;
    // Two plain scans merged here rather than a join: a year of parties looked up one by one
    // in the means costs the database three times the reading of both in their stored order.
    // The parties in date order (the parties' date index), read straight into the series with
    // their ids beside them...
    control::EarlyAgeInputs out;
    out.earlyAge = earlyAge;
    std::vector<control::EarlyAgeParty>& parties = out.parties;
    std::vector<long long> ids;
    {
        RowReader rows(journal,
                       "SELECT id, number, party_date FROM parties WHERE mix_id = ? AND (? = '' "
                       "OR party_date >= ?) ORDER BY party_date, id",
                       {mixId, sqlText(from), sqlText(from)});
        while (rows.next()) {
            ids.push_back(rows.integer(0));
            parties.push_back({rows.text(1), rows.text(2), {}, {}});
        }
        if (!rows.ok()) return rows.failed<control::EarlyAgeInputs>();
    }
    if (parties.empty()) return Series::done(std::move(out));
    // ... and their means kept by the database (party_means), in the order of its key. The
    // parties are mostly recorded in the order of their dates: then the ids are in order as
    // they stand, and only otherwise sorted with their places.
    std::vector<std::pair<long long, std::size_t>> byId;
    const bool inOrder = std::is_sorted(ids.begin(), ids.end());
    if (!inOrder) {
        byId.resize(ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i) byId[i] = {ids[i], i};
        std::sort(byId.begin(), byId.end());
        for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = byId[i].first;
    }
    RowReader means(
        journal,
        "SELECT party_id, age, strength_sum, extract_count FROM party_means WHERE party_id "
        "BETWEEN ? AND ? ORDER BY party_id, age",
        {ids.front(), ids.back()});
    std::size_t at = 0;
    while (means.next()) {
        const long long id = means.integer(0);
        while (at < ids.size() && ids[at] < id) ++at;
        if (at == ids.size()) break;
        if (ids[at] != id) continue;  // a party of another mix, or before `from`
        const long long age = means.integer(1);
        if (age != earlyAge && age != kDesignAge) continue;
        // The mean as the database divides it: its sum and its count, each as a double.
        const double mean = means.real(2) / static_cast<double>(means.integer(3));
        control::EarlyAgeParty& party = parties[inOrder ? at : byId[at].second];
        (age == earlyAge ? party.early : party.strength28) = mean;
    }
    if (!means.ok()) return means.failed<control::EarlyAgeInputs>();
    // A party with neither result is left out; with waitingOnly only the parties still waiting
    // for their 28-day result keep their number and date.
    const bool every = names == SeriesNames::every;
    std::size_t kept = 0;
    for (control::EarlyAgeParty& party : parties) {
        if (!party.early && !party.strength28) continue;
        if (!every && party.strength28) party.party.clear(), party.date.clear();
        if (&parties[kept] != &party) parties[kept] = std::move(party);
        ++kept;
    }
    parties.resize(kept);
    return Series::done(std::move(out));
}

Outcome<int> earlyAgeOf(const Journal& journal, long long mixId) {
    const auto ages = journal.otherAges(mixId);
    if (!ages.ok()) return Outcome<int>::endedAs(ages);
    const auto& a = ages.values;
    if (a.empty() || a.front() >= kDesignAge ||
        std::find(a.begin(), a.end(), control::kDefaultEarlyAge) != a.end())
        return Outcome<int>::done(control::kDefaultEarlyAge);
    return Outcome<int>::done(a.front());
}

Outcome<control::EarlyAgePrediction> predictionFromJournal(const Journal& journal, long long mixId,
                                                           NumberFormat format) {
    using Prediction = Outcome<control::EarlyAgePrediction>;
    const auto age = earlyAgeOf(journal, mixId);
    if (!age.ok()) return Prediction::endedAs(age);
    const auto series = earlyAgeSeries(journal, mixId, age.values, {}, SeriesNames::waitingOnly);
    if (!series.ok()) return Prediction::endedAs(series);
    return control::predictStrengths(series.values, format);
}

Outcome<> addPredicted(const Journal& journal, long long mixId, ControlledPeriod& period) {
    if (!period.period) return Outcome<>::done({});
    const auto ages = journal.otherAges(mixId);
    if (!ages.ok()) return Outcome<>::endedAs(ages);
    if (ages.values.empty() || ages.values.front() >= kDesignAge) return Outcome<>::done({});
    const auto prediction = predictionFromJournal(journal, mixId, NumberFormat{});
    if (prediction.kind == OutcomeKind::Failed) return Outcome<>::endedAs(prediction);
    if (!prediction.ok()) return Outcome<>::done({});
    struct Row {
        std::string number, date;
        double strength;
        bool predicted;
    };
    std::vector<Row> rows;
    for (std::size_t i = 0; i < period.batchMeans.size(); ++i)
        rows.push_back({period.partyNumbers[i], period.partyDates[i], period.batchMeans[i], false});
    for (const control::PredictedParty& p : prediction.values.predicted)
        if (p.date > period.period->lastPartyDate)
            rows.push_back({p.party, p.date, p.strength, true});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.date < b.date; });
    period.partyNumbers.clear(), period.partyDates.clear(), period.batchMeans.clear();
    period.predicted.clear();
    for (const Row& row : rows) {
        period.partyNumbers.push_back(row.number);
        period.partyDates.push_back(row.date);
        period.batchMeans.push_back(row.strength);
        period.predicted.push_back(row.predicted);
    }
    return Outcome<>::done({});
}

namespace {

// A blank T is the newest stored analysed period's average level, a blank s the standard
// deviation of a party mean there: its coefficient of variation times its level, over the
// root of the extracts per party.
Outcome<control::SeriesCusumInputs> cusumFigures(const Journal& journal, long long mixId,
                                                 const CusumRequest& request) {
    using Inputs = Outcome<control::SeriesCusumInputs>;
    control::SeriesCusumInputs in;
    in.k = request.k, in.h = request.h;
    if (request.target) in.target = *request.target;
    if (request.sigma) in.sigma = *request.sigma;
    if (request.target && request.sigma) return Inputs::done(std::move(in));
    const auto stored = latestAnalysedPeriod(journal, mixId);
    if (!stored.ok()) return Inputs::endedAs(stored);
    const std::optional<StoredPeriod>& p = stored.values;
    const auto* layout = p ? layoutByName(p->layoutName) : nullptr;
    if (!p || !layout)
        return Inputs::refused(reportText("%1 is needed: the mix has no stored analysed period",
                                          {request.target ? "s" : "T"}),
                               MessageStyle::Message);
    if (!request.target) {
        in.target = p->averageLevel;
        in.targetSource =
            reportText("its average level, from the analysed period stored %1", {p->savedAt});
    }
    if (!request.sigma) {
        in.sigma = p->overallVariation / 100 * p->averageLevel /
                   std::sqrt(static_cast<double>(layout->extractCount));
        in.sigmaSource =
            reportText("the standard deviation of a party mean, from the analysed period stored %1",
                       {p->savedAt});
    }
    return Inputs::done(std::move(in));
}

}  // namespace

Outcome<control::SeriesCusumInputs> cusumInputs(const Journal& journal, long long mixId,
                                                const CusumRequest& request) {
    using Inputs = Outcome<control::SeriesCusumInputs>;
    auto in = cusumFigures(journal, mixId, request);
    if (!in.ok()) return in;
    if (request.predicted) {
        // The mix's own relation, over all its parties, so that a party's predicted strength is
        // the one the table, the chart and the prediction show; the date only starts the series.
        auto series = earlyAgeSeries(journal, mixId, request.earlyAge, {});
        if (!series.ok()) return Inputs::endedAs(series);
        const auto prediction = control::predictStrengths(series.values, NumberFormat{});
        if (!prediction.ok()) return Inputs::endedAs(prediction);
        auto& parties = in.values.parties;
        parties = control::seriesOf(std::move(series.values), prediction.values);
        if (!request.from.empty())
            parties.erase(parties.begin(),
                          std::find_if(parties.begin(), parties.end(),
                                       [&](const auto& p) { return p.date >= request.from; }));
    } else {
        const auto series = partySeries(journal, mixId, request.from);
        if (!series.ok()) return Inputs::endedAs(series);
        for (std::size_t i = 0; i < series.values.means.size(); ++i)
            in.values.parties.push_back({series.values.numbers[i],
                                         series.values.dates[i],
                                         series.values.means[i],
                                         false,
                                         {},
                                         {}});
    }
    for (control::SeriesParty& party : in.values.parties)
        party.strength = std::round(party.strength * 100) / 100;
    return in;
}

namespace {

// The measured 28-day strength of each party that names a design, by design.
Outcome<std::map<std::string, std::vector<double>>> strengthsByDesign(const Journal& journal,
                                                                      long long mixId) {
    using ByDesign = std::map<std::string, std::vector<double>>;
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT p.id, p.design, e.strength FROM parties p JOIN extracts e ON e.party_id = p.id "
        "AND e.age = 28 WHERE p.mix_id = ? AND p.design <> '' ORDER BY p.party_date, p.id, "
        "e.position",
        {mixId});
    if (!query.exec()) return Storage::failed<ByDesign>(query);
    ByDesign out;
    long long current = -1;
    std::string design;
    Mean mean;
    auto close = [&] {
        if (auto value = mean.value()) out[design].push_back(*value);
    };
    while (query.next()) {
        if (query.value(0).toLongLong() != current) {
            close();
            current = query.value(0).toLongLong(), mean = {};
            design = textOf(query.value(1));
        }
        mean.sum += query.value(2).toDouble();
        ++mean.count;
    }
    close();
    return Outcome<ByDesign>::done(std::move(out));
}

Outcome<std::pair<double, std::string>> requiredStrength(const Journal& journal, long long mixId,
                                                         std::optional<double> typed) {
    using Required = Outcome<std::pair<double, std::string>>;
    if (typed) return Required::done({*typed, "typed"});
    const auto stored = latestAnalysedPeriod(journal, mixId);
    if (!stored.ok()) return Required::endedAs(stored);
    if (!stored.values)
        return Required::refused(
            reportText("The required strength is needed: the mix has no stored analysed period"),
            MessageStyle::Message);
    return Required::done({stored.values->averageLevel,
                           reportText("the average level of the analysed period stored %1",
                                      {stored.values->savedAt})});
}

}  // namespace

Outcome<JournalCorrectionInputs> designCorrectionInputs(const Journal& journal, long long mixId,
                                                        const CorrectionRequest& request) {
    using Inputs = Outcome<JournalCorrectionInputs>;
    const auto mix = journal.mix(mixId);
    if (!mix.ok()) return Inputs::endedAs(mix);
    if (!mix.values) return Inputs::failed("The mix is not in the journal");
    const auto designs = designSummaries(journal, mixId);
    if (!designs.ok()) return Inputs::endedAs(designs);
    auto strengths = strengthsByDesign(journal, mixId);
    if (!strengths.ok()) return Inputs::endedAs(strengths);
    const auto required = requiredStrength(journal, mixId, request.required);
    if (!required.ok()) return Inputs::endedAs(required);
    JournalCorrectionInputs out;
    out.inputs.required = required.values.first;
    out.requiredSource = required.values.second;
    const std::string& mixName = mix.values->name;
    for (const std::string& name : request.designs) {
        const bool saved = std::any_of(designs.values.begin(), designs.values.end(),
                                       [&](const DesignSummary& d) { return d.name == name; });
        if (!saved)
            return Inputs::refused(
                reportText("The mix '%1' has no saved design '%2'", {mixName, name}),
                MessageStyle::Message);
    }
    for (const DesignSummary& design : designs.values) {
        const bool wanted = request.designs.empty()
                                ? strengths.values.count(design.name) > 0
                                : std::find(request.designs.begin(), request.designs.end(),
                                            design.name) != request.designs.end();
        if (design.name.empty() || !wanted) continue;
        if (!design.waterCementRatio || !design.waterContent || *design.waterCementRatio <= 0)
            return Inputs::refused(reportText("The design '%1' has no stored proportioning "
                                              "results: save it again from a proportioning run",
                                              {design.name}),
                                   MessageStyle::Message);
        correction::DesignSample sample;
        sample.design = design.name;
        sample.cementWaterRatio = 1 / *design.waterCementRatio;
        sample.water = *design.waterContent;
        sample.strengths = strengths.values[design.name];
        out.inputs.designs.push_back(std::move(sample));
        strengths.values.erase(design.name);
    }
    if (request.designs.empty())
        for (const auto& [name, parties] : strengths.values)
            out.notes.push_back(
                reportText("Left out: %1 parties of the design '%2', which is not saved with "
                           "the mix",
                           {std::to_string(parties.size()), name}));
    // Fewer than two designs left: what was left out is why, said instead of a bare count.
    if (out.inputs.designs.size() < 2 && !out.notes.empty()) {
        std::string why;
        for (const std::string& note : out.notes) why += (why.empty() ? "" : "; ") + note;
        return Inputs::refused(why, MessageStyle::Message);
    }
    return Inputs::done(std::move(out));
}

std::vector<std::string> correctionSourceLines(const JournalCorrectionInputs& inputs) {
    std::vector<std::string> lines = inputs.notes;
    if (inputs.requiredSource != "typed")
        lines.push_back(reportText("The required strength is %1", {inputs.requiredSource}));
    if (!lines.empty()) lines.push_back("");  // set apart from the report's title below them
    return lines;
}

}  // namespace orvan::journal
