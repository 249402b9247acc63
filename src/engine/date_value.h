// Date-time values: days since 1899-12-30 00:00:00 as a double, the
// fraction being the time of day. Also the two text forms the engine prints.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vorlith {

using DateValue = double;

inline constexpr DateValue EarliestDate = -657434.0;  // 100-01-01 00:00:00
inline constexpr DateValue LatestDate = 2958465.0;    // 9999-12-31 00:00:00

enum DatePartCode : int { kYear = 1, kMonth = 3, kDay = 5, kHour = 6, kMinute = 7, kSecond = 8 };

struct DateFields {
    int year = 100, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// The value of valid calendar fields; EarliestDate for fields that are not
// a valid date (year above 9999, day 31 of a short month, ...).
DateValue MakeDateValue(const DateFields& fields);

// Fields of a value: clamped to the range, moved to the nearest whole second.
DateFields ReadDateFields(DateValue value);

// The last-write time of `path` in local time, converted with the UTC offset
// in force at that instant; EarliestDate when there is no such file or the
// time can't be expressed.
DateValue FileWriteTime(const std::string& path);

// The local time of the instant `seconds` (since the epoch), with the UTC
// offset in force at that instant; EarliestDate when it can't be expressed.
DateValue LocalTimeValue(std::int64_t seconds);

// The local wall-clock time now, to the whole second.
DateValue CurrentTime();
// The clock behind CurrentTime: seconds since the epoch now.
std::int64_t CurrentSeconds();

// The clock behind CurrentTime, as seconds since the epoch. Tests replace it;
// an empty function restores the system clock.
using SecondsClock = std::function<std::int64_t()>;
void SetClockForTesting(SecondsClock clock);

// One field of `value`, chosen by a DatePartCode; 0 for other codes.
int DatePart(DateValue value, int code);

// Decimal digits of n, "-" for a negative number, never a leading zero.
std::string IntText(std::int32_t n);

// "2014年12月29日18时45分30秒"; the time part shortens at whole minutes and
// hours and is absent at midnight.
std::string DateText(DateValue value);

}  // namespace vorlith
