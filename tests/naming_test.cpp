#include "naming.h"

#include <gtest/gtest.h>

#include "control_names.h"
#include "test_support.h"

namespace vorlith {
namespace {

DateValue At(int y, int mo, int d, int h, int mi, int s) { return MakeDateValue({y, mo, d, h, mi, s}); }

TEST(ReplaceAll, StepsOverWholeCharacters) {
    EXPECT_EQ(ReplaceAll("年年", "年", "1"), "11");
    EXPECT_EQ(ReplaceAll("", "年", "1"), "");
    EXPECT_EQ(ReplaceAll("abc", "", "1"), "abc");
    EXPECT_EQ(ReplaceAll("aXa", "x", "-"), "a-a") << "ASCII letters ignore case";
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba") << "occurrences never overlap";
    // ䷀ (E4 B7 80) followed by 年 (E5 B9 B4): the token "\xB7\x80\xE5" lies across
    // two characters and must not match.
    EXPECT_EQ(ReplaceAll("䷀年", "\xB7\x80\xE5", "X"), "䷀年");
    // A broken sequence at the end is copied as it is.
    EXPECT_EQ(ReplaceAll("年\xE5", "年", "1"), "1\xE5");
}

TEST(MakeDateStamp, EveryTemplateOnThreeDates) {
    struct Case {
        int format;
        const char* early;
        const char* evening;
        const char* missing;
    };
    const Case cases[] = {
        {0, "201435973", "2014122918450", "10011000"},
        {1, "2014-3-5 9：7：3", "2014-12-29 18：45：0", "100-1-1 0：0：0"},
        {2, "2014_3_5_9_7_3", "2014_12_29_18_45_0", "100_1_1_0_0_0"},
        {3, "2014-3-5-9-7-3", "2014-12-29-18-45-0", "100-1-1-0-0-0"},
        {4, "9-7-3", "18-45-0", "0-0-0"},
    };
    for (const auto& c : cases) {
        const std::string_view tmpl = controls::kNameFormatItems[static_cast<size_t>(c.format)];
        EXPECT_EQ(MakeDateStamp(tmpl, At(2014, 3, 5, 9, 7, 3)), c.early) << tmpl;
        EXPECT_EQ(MakeDateStamp(tmpl, At(2014, 12, 29, 18, 45, 0)), c.evening) << tmpl;
        EXPECT_EQ(MakeDateStamp(tmpl, EarliestDate), c.missing) << tmpl;
    }
    EXPECT_EQ(MakeDateStamp("", At(2014, 3, 5, 9, 7, 3)), "");
    // Unpadded fields make different dates meet.
    for (auto v : {At(2014, 1, 11, 1, 2, 3), At(2014, 11, 1, 1, 2, 3), At(2014, 1, 1, 11, 2, 3)})
        EXPECT_EQ(MakeDateStamp("年月日时分秒", v), "2014111123");
}

TEST(NameFile, PrefixStampAndExtension) {
    test::ScopedTimeZone zone("UTC");
    test::TempDir dir;
    const std::string early = dir / "a.jpg", evening = dir / "b.mov";
    test::MakeFile(early, test::LocalSeconds(2014, 3, 5, 9, 7, 3));
    test::MakeFile(evening, test::LocalSeconds(2014, 12, 29, 18, 45, 0));
    struct Case {
        const char* prefix;
        int format;
        std::string path;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"", 0, early, "JPG", "201435973.JPG"},
        {"IMG_", 2, evening, "MOV", "IMG_2014_12_29_18_45_0.MOV"},
        {"年", 4, early, "JPG", "年9-7-3.JPG"},
        {"", 0, dir / "gone.jpg", ".png", "10011000..png"},
    };
    for (const auto& c : cases) {
        FixedOptions options;
        options.SetText(controls::kNamePrefix, c.prefix);
        options.Select(controls::kNameFormat, c.format);
        test::RecordingHost host;
        RunTexts texts;
        texts.ExtensionText = c.extension;
        OperationLog log(dir.path());
        JobContext job{options, host, texts, log};
        NameFile(job, FileWriteTime(c.path));
        EXPECT_EQ(texts.TargetFileName, c.expected);
    }
}

}  // namespace
}  // namespace vorlith
