#include "date_value.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "platform/platform.h"

namespace vorlith {

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Days from 1970-01-01 to y-m-d in the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t kDateValueEpochOffset = -25569;

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

SecondsClock& Clock() {
    static SecondsClock clock;
    return clock;
}

void AppendInt(std::string& out, int n) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    out.append(buffer, result.ptr);
}

}  // namespace

DateValue MakeDateValue(const DateFields& f) {
    if (f.year > 9999 || f.month < 1 || f.month > 12 || f.day < 1 || f.day > DaysInMonth(f.year, f.month) ||
        f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59 || f.second < 0 || f.second > 59)
        return EarliestDate;
    const double dayNumber = static_cast<double>(DaysFromCivil(f.year, f.month, f.day) - kDateValueEpochOffset);
    const double fraction = (f.hour * 3600 + f.minute * 60 + f.second) / kSecondsPerDay;
    return dayNumber >= 0 ? dayNumber + fraction : dayNumber - fraction;
}

DateFields ReadDateFields(DateValue value) {
    if (!(value <= LatestDate)) value = LatestDate;  // NaN reads as the latest too
    if (value < EarliestDate) value = EarliestDate;
    value += value > 0 ? 0.5 / kSecondsPerDay : -0.5 / kSecondsPerDay;
    const double dayNumber = std::trunc(value);
    DateFields f;
    CivilFromDays(static_cast<std::int64_t>(dayNumber) + kDateValueEpochOffset, f.year, f.month, f.day);
    const int secondOfDay = static_cast<int>(std::fabs(value - dayNumber) * kSecondsPerDay);
    f.hour = secondOfDay / 3600;
    f.minute = secondOfDay / 60 % 60;
    f.second = secondOfDay % 60;
    return f;
}

DateValue LocalTimeValue(std::int64_t seconds) {
    auto fields = platform::ToLocalFields(seconds);
    if (!fields) return EarliestDate;
    return MakeDateValue({fields->year, fields->month, fields->day, fields->hour, fields->minute, fields->second});
}

DateValue FileWriteTime(const std::string& path) {
    auto seconds = platform::LastWriteTime(path);
    return seconds ? LocalTimeValue(*seconds) : EarliestDate;
}

std::int64_t CurrentSeconds() {
    const auto& clock = Clock();
    return clock ? clock() : platform::NowSeconds();
}

DateValue CurrentTime() { return LocalTimeValue(CurrentSeconds()); }

void SetClockForTesting(SecondsClock clock) { Clock() = std::move(clock); }

int DatePart(DateValue value, int code) {
    const DateFields f = ReadDateFields(value);
    switch (code) {
        case kYear: return f.year;
        case kMonth: return f.month;
        case kDay: return f.day;
        case kHour: return f.hour;
        case kMinute: return f.minute;
        case kSecond: return f.second;
        default: return 0;
    }
}

std::string IntText(std::int32_t n) {
    std::string out;
    AppendInt(out, n);
    return out;
}

std::string DateText(DateValue value) {
    const DateFields f = ReadDateFields(value);
    std::string out;
    out.reserve(48);
    AppendInt(out, f.year);
    out += "年";
    AppendInt(out, f.month);
    out += "月";
    AppendInt(out, f.day);
    out += "日";
    if (f.second != 0 || f.minute != 0 || f.hour != 0) {
        AppendInt(out, f.hour);
        out += "时";
        if (f.second != 0 || f.minute != 0) {
            AppendInt(out, f.minute);
            out += "分";
            if (f.second != 0) {
                AppendInt(out, f.second);
                out += "秒";
            }
        }
    }
    return out;
}

}  // namespace vorlith
