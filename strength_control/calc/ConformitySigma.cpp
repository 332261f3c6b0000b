// The standard deviation s of continuous production from a mix's dated results: at least 35
// consecutive results taken over more than three months (EN 206, 8.2.1.3).
#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "strength_control/calc/Conformity.h"

namespace orvan::control {

namespace {

constexpr std::size_t kLeastResults = 35;
constexpr int kLeastMonths = 3;

struct Day {
    int year = 0, month = 0, day = 0;
    auto operator<=>(const Day&) const = default;
};

bool leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int monthLength(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap(year) ? 29 : lengths[month - 1];
}

// "YYYY-MM-DD" with a real day; empty otherwise.
std::optional<Day> isoDay(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    const Day d{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                std::stoi(text.substr(8, 2))};
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > monthLength(d.year, d.month))
        return std::nullopt;
    return d;
}

// The same day `months` later, on the month's last day where it has no such day.
Day monthsLater(Day d, int months) {
    const int index = d.month - 1 + months;
    d.year += index / 12;
    d.month = index % 12 + 1;
    d.day = std::min(d.day, monthLength(d.year, d.month));
    return d;
}

struct Dated {
    Day day;
    double strength = 0;
    std::string date;  // as given
};

double sampleDeviation(const std::vector<Dated>& xs) {
    double sum = 0;
    for (const Dated& x : xs) sum += x.strength;
    const double m = sum / static_cast<double>(xs.size());
    double squares = 0;
    for (const Dated& x : xs) squares += (x.strength - m) * (x.strength - m);
    return std::sqrt(squares / static_cast<double>(xs.size() - 1));
}

Outcome<SigmaEstimate> refused(const std::string& why) {
    return Outcome<SigmaEstimate>::refused(why, MessageStyle::Message);
}

}  // namespace

Outcome<SigmaEstimate> estimateSigma(const std::vector<DatedResult>& results, NumberFormat format) {
    std::vector<Dated> dated;
    for (const DatedResult& r : results) {
        const auto day = isoDay(r.date);
        if (!day) return refused(reportText("'%1' is not a date (YYYY-MM-DD).", {r.date}));
        dated.push_back({*day, r.strength, r.date});
    }
    if (dated.size() < kLeastResults)
        return refused(
            reportText("The standard deviation s needs at least 35 consecutive results; "
                       "%1 were given.",
                       {std::to_string(dated.size())}));
    // Newest first; results of one day keep their order.
    std::stable_sort(dated.begin(), dated.end(),
                     [](const Dated& a, const Dated& b) { return a.day > b.day; });
    std::size_t count = kLeastResults;
    const Day newest = dated.front().day;
    while (count < dated.size() && !(newest > monthsLater(dated[count - 1].day, kLeastMonths)))
        ++count;
    const std::vector<Dated> used(dated.begin(), dated.begin() + count);
    if (!(newest > monthsLater(used.back().day, kLeastMonths)))
        return refused(
            reportText("The standard deviation s needs results taken over more than three months; "
                       "the results from %1 to %2 span no more.",
                       {used.back().date, used.front().date}));
    const SigmaEstimate e{sampleDeviation(used), static_cast<int>(count), used.back().date,
                          used.front().date};
    return Outcome<SigmaEstimate>::done(
        e, {reportText(
               "Standard deviation s of the %1 results from %2 to %3, MPa: %4",
               {std::to_string(count), e.firstDate, e.lastDate, formatFixed(e.sigma, 2, format)})});
}

}  // namespace orvan::control
