#include "date_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

#include "test_support.h"

namespace vorlith {
namespace {

using test::LocalSeconds;
using test::ScopedTimeZone;

DateValue At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return MakeDateValue({y, mo, d, h, mi, s}); }

struct TextCase {
    DateValue value;
    const char* text;
};

TEST(DateText, FormsByWhichFieldsAreZero) {
    const TextCase cases[] = {
        {At(2014, 12, 29, 18, 45, 30), "2014年12月29日18时45分30秒"},
        {At(2014, 12, 29, 18, 45, 0), "2014年12月29日18时45分"},
        {At(2014, 12, 29, 18, 0, 0), "2014年12月29日18时"},
        {At(2014, 12, 29), "2014年12月29日"},
        {At(2014, 12, 29, 0, 0, 9), "2014年12月29日0时0分9秒"},
        {At(2014, 12, 29, 0, 7, 0), "2014年12月29日0时7分"},
        {At(2014, 3, 5, 9, 7, 3), "2014年3月5日9时7分3秒"},
        {0.5, "1899年12月30日12时"},
        {EarliestDate, "100年1月1日"},
        {LatestDate + 0.75, "9999年12月31日"},
        {EarliestDate - 10, "100年1月1日"},
    };
    for (const auto& c : cases) EXPECT_EQ(DateText(c.value), c.text) << c.value;
}

TEST(DateValue, KnownValuesAndFields) {
    EXPECT_EQ(At(1899, 12, 30), 0.0);
    EXPECT_EQ(At(1899, 12, 31), 1.0);
    EXPECT_EQ(At(100, 1, 1), EarliestDate);
    EXPECT_EQ(At(9999, 12, 31), LatestDate);
    EXPECT_DOUBLE_EQ(At(1899, 12, 29, 6), -1.25);

    const DateFields negative = ReadDateFields(-1.25);
    EXPECT_EQ(negative.year, 1899);
    EXPECT_EQ(negative.day, 29);
    EXPECT_EQ(negative.hour, 6);

    // The last second of a leap day stays on that day.
    const DateValue leap = At(2000, 2, 29, 23, 59, 59);
    const int expected[][2] = {{kYear, 2000}, {kMonth, 2}, {kDay, 29}, {kHour, 23}, {kMinute, 59}, {kSecond, 59}};
    for (auto [code, value] : expected) EXPECT_EQ(DatePart(leap, code), value) << code;

    EXPECT_EQ(At(2001, 2, 29), EarliestDate) << "not a date";
    EXPECT_EQ(At(10000, 1, 1), EarliestDate);
}

TEST(DateValue, AgreesWithTheSystemCalendarOverManyDays) {
    // An independent oracle: gmtime's calendar for every 37th day since 1901.
    for (std::int64_t day = -25000; day < 60000; day += 37) {
        std::time_t t = static_cast<std::time_t>(day * 86400 + 3723);
        struct tm tm {};
        gmtime_r(&t, &tm);
        const DateValue v = At(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, 1, 2, 3);
        ASSERT_DOUBLE_EQ(std::trunc(v), static_cast<double>(day + 25569)) << day;
        ASSERT_EQ(DatePart(v, kMonth), tm.tm_mon + 1);
        ASSERT_EQ(DatePart(v, kSecond), 3);
    }
}

TEST(IntText, PlainDecimal) {
    EXPECT_EQ(IntText(0), "0");
    EXPECT_EQ(IntText(5), "5");
    EXPECT_EQ(IntText(2014), "2014");
    EXPECT_EQ(IntText(-1), "-1");
}

TEST(FileWriteTime, DropsFractionAndUsesTheFilesOwnOffset) {
    ScopedTimeZone zone("Europe/Berlin");
    test::TempDir dir;
    // Summer time at the file's instant, winter time now: the file keeps its
    // summer wall-clock hour.
    const std::string summer = dir / "summer.jpg";
    test::MakeFile(summer, LocalSeconds(2014, 7, 1, 0, 30, 0));
    const DateValue v = FileWriteTime(summer);
    EXPECT_EQ(DateText(v), "2014年7月1日0时30分");

    const std::string winter = dir / "winter.jpg";
    test::MakeFile(winter, LocalSeconds(2014, 12, 29, 18, 45, 30));
    struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(LocalSeconds(2014, 12, 29, 18, 45, 30)), 750000000}};
    ASSERT_EQ(utimensat(AT_FDCWD, winter.c_str(), times, 0), 0);
    EXPECT_EQ(DateText(FileWriteTime(winter)), "2014年12月29日18时45分30秒");

    EXPECT_EQ(FileWriteTime(dir / "missing.jpg"), EarliestDate);
}

TEST(CurrentTime, FollowsTheReplaceableClock) {
    ScopedTimeZone zone("Asia/Shanghai");
    test::ScopedClock clock(LocalSeconds(2014, 3, 5, 9, 7, 3));
    EXPECT_EQ(DateText(CurrentTime()), "2014年3月5日9时7分3秒");
    clock.Advance(57);
    EXPECT_EQ(DateText(CurrentTime()), "2014年3月5日9时8分");
}

}  // namespace
}  // namespace vorlith
