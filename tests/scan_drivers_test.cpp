// The two drivers over real trees: which files, in which order, and how a
// job reports its end.
#include "scan_drivers.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "control_names.h"
#include "test_support.h"

namespace vorlith {
namespace {

using test::LocalSeconds;
using test::MakeFile;

struct ScanTest : test::JobFolders {
    // Distinct times give distinct names; the minute tells which file it was.
    void Photo(const std::string& relative, int minute) {
        MakeFile(src + "/" + relative, LocalSeconds(2014, 3, 5, 9, minute, 0), relative);
    }
    static std::vector<std::string> Minutes(const test::JobResult& job) {
        std::vector<std::string> out;
        for (const auto& row : job.host.rows) out.push_back(row.path.substr(row.path.rfind('/') + 1));
        return out;
    }
};

TEST_F(ScanTest, DepthFirstWithFilesBeforeFolders) {
    Photo("a.jpg", 1);
    Photo("zz/b.JPG", 2);
    Photo("zz/deeper/c.Jpg", 3);
    Photo("zz/deeper/deepest/d.jpg", 4);
    Photo("zz/after.jpg", 5);
    auto options = test::JobOptions(src, dst);
    options.Select(controls::kNameFormat, 4);
    options.Check(controls::kCopy);
    auto job = test::RunJob(options, logs);
    const auto order = Minutes(*job);
    ASSERT_EQ(order.size(), 5u);
    EXPECT_EQ(order[0], "9-1-0.JPG");
    // zz's own two files (in the system's order), then its subfolders.
    EXPECT_TRUE((order[1] == "9-2-0.JPG" && order[2] == "9-5-0.JPG") || (order[1] == "9-5-0.JPG" && order[2] == "9-2-0.JPG"));
    EXPECT_EQ(order[3], "9-3-0.JPG");
    EXPECT_EQ(order[4], "9-4-0.JPG");
    EXPECT_EQ(job->host.prompts, std::vector<std::string>{"照片整理完成！共计： 5 张"});
}

TEST_F(ScanTest, WhatTheWalkTakesAndWhatItLeaves) {
    Photo(".hidden.jpg", 1);
    Photo(".hidden-folder/x.jpg", 2);
    Photo("with.dot/y.jpg", 3);
    Photo("other.png", 4);
    Photo("jpg", 5);
    ASSERT_EQ(::symlink("..", (src + "/loop").c_str()), 0);  // a link back up
    ASSERT_EQ(::symlink(src.c_str(), (dir / "link-to-src").c_str()), 0);
    auto options = test::JobOptions(src, dst);
    options.Check(controls::kCopy);
    auto job = test::RunJob(options, logs);
    EXPECT_EQ(job->host.rows.size(), 3u) << "hidden files and folders count; links are not entered";
}

TEST_F(ScanTest, FlatScanStaysInTheSourceFolder) {
    Photo("a.jpg", 1);
    Photo("sub/b.jpg", 2);
    auto options = test::JobOptions(src + "/", dst);  // a trailing "/" doubles
    options.Check(controls::kSubfoldersNo);
    options.Check(controls::kCopy);
    auto job = test::RunJob(options, logs);
    ASSERT_EQ(job->host.rows.size(), 1u);
    EXPECT_TRUE(job->host.prompts.empty());
    EXPECT_EQ(job->host.captions.back(), "处理完成！");
    const auto log = test::LogLines(logs + "/" + test::ListTree(logs)[0]);
    EXPECT_NE(log[0].find(src + "//a.jpg--→"), std::string::npos) << log[0];
}

TEST_F(ScanTest, NothingFound) {
    Photo("a.gif", 1);
    auto job = test::RunJob(test::JobOptions(src, dst), logs);
    EXPECT_TRUE(job->host.rows.empty());
    EXPECT_EQ(job->host.prompts, std::vector<std::string>{"照片整理完成！共计： 0 张"});
    EXPECT_EQ(job->host.captions, std::vector<std::string>{"处理完成！"});
    EXPECT_TRUE(test::ListTree(logs).empty()) << "no line, no log file";

    auto missing = test::RunJob(test::JobOptions(dir / "nowhere", dst), logs);
    EXPECT_EQ(missing->host.prompts, std::vector<std::string>{"照片整理完成！共计： 0 张，1 个目录无法读取"});
    EXPECT_EQ(missing->tally.folderErrors.size(), 1u) << "reported once, not by both passes";
}

TEST_F(ScanTest, ALogThatCantBeWrittenReachesThePromptOfAFlatJob) {
    Photo("a.jpg", 1);
    test::MakeFile(dir / "not-a-folder", 0);
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", (dir / "not-a-folder").c_str(), 1);  // no fallback either
    auto options = test::JobOptions(src, dst);
    options.Check(controls::kSubfoldersNo);
    auto job = test::RunJob(options, dir / "no/such/folder");
    if (old) ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_DATA_HOME");
    ASSERT_TRUE(job->tally.logError);
    EXPECT_EQ(job->host.prompts, std::vector<std::string>{"照片整理完成！共计： 1 张，日志写入失败"});
    EXPECT_TRUE(test::FileExists(dst + "/2014年/3月/5日/201435910.JPG")) << "the photo itself was placed";
}

TEST_F(ScanTest, CustomExtensionAsTyped) {
    Photo("a..png", 1);
    Photo("b.png", 2);
    auto options = test::JobOptions(src, dst);
    options.Select(controls::kExtension, controls::kCustomExtensionIndex);
    options.SetText(controls::kCustomExtension, ".png");
    options.Check(controls::kCopy);
    auto job = test::RunJob(options, logs);
    ASSERT_EQ(job->host.rows.size(), 1u);
    EXPECT_EQ(job->host.rows[0].path, dst + "/2014年/3月/5日/201435910..png");
}

TEST_F(ScanTest, OptionsChangedBetweenFilesTakeEffectFromTheNextFile) {
    Photo("a.jpg", 1);
    Photo("b.jpg", 2);
    auto options = test::JobOptions(src, dst);
    options.Check(controls::kSubfoldersNo);
    auto job = test::RunJob(options, logs, [&](test::RecordingHost& host) {
        host.onPump = [&](int pump) {
            if (pump == 2) {
                options.Check(controls::kCopy);
                options.Select(controls::kFolderLayout, 5);
            }
        };
    });
    ASSERT_EQ(job->host.rows.size(), 2u);
    EXPECT_EQ(test::ListTree(src).size(), 1u) << "the first file moved, the second copied";
    EXPECT_EQ(job->host.rows[1].path.find(dst + "/2014/2014359"), 0u) << job->host.rows[1].path;
}

TEST_F(ScanTest, StopEndsAfterTheFileInHandWithTheLogComplete) {
    for (int i = 0; i < 5; ++i) Photo(std::string("p").append(std::to_string(i)).append(".jpg"), i);
    auto job = test::RunJob(test::JobOptions(src, dst), logs, [](test::RecordingHost& host) {
        host.onPump = [&host](int pump) { host.stop = pump == 3; };
    });
    EXPECT_TRUE(job->tally.stopped);
    EXPECT_EQ(job->host.rows.size(), 2u);
    EXPECT_TRUE(job->host.prompts.empty());
    EXPECT_EQ(test::LogLines(logs + "/" + test::ListTree(logs)[0]).size(), 2u);
}

}  // namespace
}  // namespace vorlith
