#include "strength_control/calc/IsoDate.h"

#include <cstdio>

namespace orvan::control {

namespace {

bool isLeap(long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(long y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// Howard Hinnant's days_from_civil and civil_from_days (public domain algorithms).
long daysFromCivil(long y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::string civilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long y = yoe + era * 400 + (m <= 2);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04ld-%02d-%02d", y, m, d);
    return buf;
}

bool digits(const std::string& text, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

}  // namespace

std::optional<long> isoDayNumber(const std::string& date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
    if (!digits(date, 0, 4) || !digits(date, 5, 2) || !digits(date, 8, 2)) return std::nullopt;
    const long y = std::stol(date.substr(0, 4));
    const int m = std::stoi(date.substr(5, 2));
    const int d = std::stoi(date.substr(8, 2));
    if (m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m)) return std::nullopt;
    return daysFromCivil(y, m, d);
}

std::string isoDateAfter(const std::string& date, int days) {
    const auto day = isoDayNumber(date);
    return day ? civilFromDays(*day + days) : std::string();
}

}  // namespace orvan::control
