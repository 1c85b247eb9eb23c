// The simulated clock: a proleptic Gregorian calendar over virtual time,
// and the Spanish long date.
#include "sim_internal.h"

#include <array>

namespace tavrin::sim {

namespace {

constexpr long long kSecondsPerDay = 86400;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
long long daysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

LocalTime civilFromSeconds(long long seconds) {
    long long days = seconds / kSecondsPerDay;
    long long rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    LocalTime t;
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    t.weekday = static_cast<int>(((days + 4) % 7 + 7) % 7); // 1970-01-01 was a Thursday

    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
    return t;
}

long long secondsFromCivil(const LocalTime& t) {
    return daysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600LL +
           t.minute * 60LL + t.second;
}

void SimDesktop::setNow(const LocalTime& time) {
    baseSeconds_ = secondsFromCivil(time) - elapsedMs_ / 1000;
}

void SimDesktop::setLongDate(std::optional<std::string> text) {
    longDate_ = std::move(text);
}

LocalTime SimDesktop::now() const {
    return civilFromSeconds(baseSeconds_ + elapsedMs_ / 1000);
}

std::string SimDesktop::longDate() const {
    if (longDate_)
        return *longDate_;
    static constexpr std::array<const char*, 7> kDays = {
        "domingo", "lunes", "martes", "mi\u00e9rcoles", "jueves", "viernes", "s\u00e1bado"};
    static constexpr std::array<const char*, 12> kMonths = {
        "enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
        "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    const LocalTime t = now();
    return std::string(kDays[static_cast<std::size_t>(t.weekday)]) + ", " + std::to_string(t.day) +
           " de " + kMonths[static_cast<std::size_t>(t.month - 1)] + " de " +
           std::to_string(t.year);
}
} // namespace tavrin::sim
