// Placement through whole jobs on real folder trees: collisions, failures
// and files that already lie where they belong.
#include <gtest/gtest.h>

#include "control_names.h"
#include "scan_drivers.h"
#include "test_support.h"

namespace vorlith {
namespace {

using test::FileExists;
using test::LocalSeconds;
using test::MakeFile;
using test::ReadFile;

struct PlacementTest : test::JobFolders {
    std::int64_t t1 = LocalSeconds(2014, 3, 5, 9, 7, 3);
    std::string day = dst + "/2014年/3月/5日/";
    std::vector<std::string> Log() {
        auto files = test::ListTree(logs);
        return files.empty() ? std::vector<std::string>{} : test::LogLines(logs + "/" + files[0]);
    }
    static std::string Message(const std::string& line) { return line.substr(line.find("   ") + 3); }
};

TEST_F(PlacementTest, CopyOverwriteReplacesTheTargetAndKeepsTheSource) {
    MakeFile(src + "/a.jpg", t1, "new");
    MakeFile(day + "201435973.JPG", t1, "old");
    auto options = test::JobOptions(src, dst);
    options.Check(controls::kCopy);
    auto job = test::RunJob(options, logs);
    EXPECT_EQ(ReadFile(day + "201435973.JPG"), "new");
    EXPECT_EQ(ReadFile(src + "/a.jpg"), "new");
    ASSERT_EQ(job->host.rows.size(), 1u);
    EXPECT_EQ(job->host.rows[0].number, "1 张");
    EXPECT_EQ(job->host.rows[0].path, day + "201435973.JPG");
    EXPECT_EQ(job->host.captions.front(), "第 1 张");
    EXPECT_EQ(job->host.captions.back(), "处理完成！");
    EXPECT_EQ(job->host.prompts, std::vector<std::string>{"照片整理完成！共计： 1 张"});
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_EQ(Message(Log()[0]), "复制照片文件： " + src + "/a.jpg--→" + day + "201435973.JPG");
}

TEST_F(PlacementTest, RenameTakesTheFirstFreeNameAndNeverReplaces) {
    MakeFile(src + "/a.jpg", t1, "third");
    MakeFile(day + "201435973.JPG", t1, "first");
    MakeFile(day + "(1)201435973.JPG", t1, "second");
    auto options = test::JobOptions(src, dst);
    options.Check(controls::kCopy);
    options.Check(controls::kRename);
    auto job = test::RunJob(options, logs);
    EXPECT_EQ(ReadFile(day + "201435973.JPG"), "first");
    EXPECT_EQ(ReadFile(day + "(1)201435973.JPG"), "second");
    EXPECT_EQ(ReadFile(day + "(2)201435973.JPG"), "third");
    EXPECT_EQ(job->host.rows[0].path, day + "(2)201435973.JPG");
    // A recursive copy to an alternative name has no blank after the colon.
    EXPECT_EQ(Message(Log()[0]), "复制照片文件：" + src + "/a.jpg--→" + day + "(2)201435973.JPG");
}

TEST_F(PlacementTest, SameNameTwiceInOneJob) {
    MakeFile(src + "/a.jpg", t1, "a");
    MakeFile(src + "/b.jpg", t1, "b");
    auto options = test::JobOptions(src, dst);
    options.Check(controls::kRename);
    options.Check(controls::kSubfoldersNo);
    auto job = test::RunJob(options, logs);
    EXPECT_EQ(test::ListTree(src).size(), 0u);
    EXPECT_TRUE(FileExists(day + "201435973.JPG"));
    EXPECT_TRUE(FileExists(day + "(1)201435973.JPG"));
    ASSERT_EQ(Log().size(), 2u);
    // Flat move in rename mode: two blanks to a free target, one to an alternative.
    EXPECT_EQ(Message(Log()[0]).substr(0, 23), "移动照片文件： /");
    EXPECT_EQ(Message(Log()[1]).substr(0, 24), "移动照片文件：  /");
    EXPECT_TRUE(job->host.prompts.empty()) << "a flat job without failures shows no prompt";
}

TEST_F(PlacementTest, FailuresAreReportedInRowLogAndPrompt) {
    MakeFile(src + "/a.jpg", t1, "a");
    MakeFile(dst + "/2014年", 0, "a file where the year folder belongs");
    auto job = test::RunJob(test::JobOptions(src, dst), logs);
    EXPECT_TRUE(FileExists(src + "/a.jpg")) << "the source stays";
    ASSERT_EQ(job->host.rows.size(), 1u);
    const std::string tried = day + "201435973.JPG";
    EXPECT_EQ(job->host.rows[0].path.rfind(tried + " （失败：", 0), 0u) << job->host.rows[0].path;
    EXPECT_EQ(job->tally.failed, 1);
    EXPECT_EQ(job->host.prompts.back(), "照片整理完成！共计： 1 张，其中失败 1 张");
    EXPECT_EQ(Message(Log()[0]).rfind("移动照片文件失败： " + src + "/a.jpg--→" + tried + " （", 0), 0u);
}

TEST_F(PlacementTest, MoveJobTwiceOverATreeHoldingItsDestination) {
    const std::string inner = src + "/sorted";
    MakeFile(src + "/a.jpg", t1, "a");
    MakeFile(src + "/b.jpg", t1, "b");
    MakeFile(src + "/deep/c.jpg", LocalSeconds(2015, 1, 5, 1, 2, 3), "c");
    auto options = test::JobOptions(src, inner);
    options.Check(controls::kRename);
    test::MakeFolder(inner);
    auto first = test::RunJob(options, logs);
    EXPECT_EQ(first->host.rows.size(), 3u) << "each file handled once";
    const auto after = test::ListTree(src);
    const size_t logLines = Log().size();
    EXPECT_EQ(logLines, 3u);

    auto second = test::RunJob(options, logs);
    EXPECT_EQ(test::ListTree(src), after);
    EXPECT_EQ(Log().size(), logLines) << "nothing moved, nothing logged";
    ASSERT_EQ(second->host.rows.size(), 3u);
    for (const auto& row : second->host.rows)
        EXPECT_NE(row.path.find(" （已在目标位置）"), std::string::npos) << row.path;
}

TEST_F(PlacementTest, NamesThatAreNotUtf8GoThroughUnharmed) {
    const std::string odd = src + "/\xff\xfe\x80.jpg";
    MakeFile(odd, t1, "bytes");
    auto options = test::JobOptions(src, dst);
    options.Select(controls::kNameFormat, 4);
    options.SetText(controls::kNamePrefix, "\xc3(");
    auto job = test::RunJob(options, logs);
    EXPECT_EQ(ReadFile(day + "\xc3(9-7-3.JPG"), "bytes");
    EXPECT_NE(Log()[0].find(odd + "--→"), std::string::npos);
}

TEST_F(PlacementTest, MoveAcrossFileSystemsAndAFullDisk) {
    test::ScopedTmpfs small(dir / "small", "64k");
    if (!small.mounted()) GTEST_SKIP() << "can't mount a tmpfs here (needs root)";
    const std::string big(200 * 1024, 'x');
    MakeFile(src + "/big.jpg", t1, big);
    MakeFile(src + "/small.jpg", LocalSeconds(2016, 6, 6, 6, 6, 6), "s");
    const std::string full = dir / "small";
    MakeFile(full + "/2014年/3月/5日/201435973.JPG", t1, "old");

    auto job = test::RunJob(test::JobOptions(src, full), logs);
    EXPECT_EQ(ReadFile(src + "/big.jpg"), big) << "a failed move keeps its source";
    EXPECT_EQ(ReadFile(full + "/2014年/3月/5日/201435973.JPG"), "old") << "the target survives a failed copy";
    EXPECT_FALSE(FileExists(src + "/small.jpg"));
    EXPECT_EQ(ReadFile(full + "/2016年/6月/6日/201666666.JPG"), "s");
    EXPECT_EQ(job->tally.failed, 1);
    EXPECT_EQ(test::ListTree(full + "/2014年/3月/5日").size(), 1u) << "no temporary file left behind";
}

TEST_F(PlacementTest, ReadOnlyDestination) {
    test::ScopedTmpfs mount(dir / "ro", "1m");
    if (!mount.mounted() || !mount.RemountReadOnly()) GTEST_SKIP() << "can't mount a read-only tmpfs here";
    MakeFile(src + "/a.jpg", t1, "a");
    auto job = test::RunJob(test::JobOptions(src, dir / "ro"), logs);
    EXPECT_TRUE(FileExists(src + "/a.jpg"));
    ASSERT_EQ(job->host.rows.size(), 1u);
    EXPECT_NE(job->host.rows[0].path.find("Read-only file system"), std::string::npos) << job->host.rows[0].path;
}

}  // namespace
}  // namespace vorlith

namespace vorlith {
namespace {

TEST_F(PlacementTest, AVanishedFileOrATooLongNameFailsForThatFileOnly) {
    auto options = test::JobOptions(src, dst);
    options.SetText(controls::kNamePrefix, std::string(300, 'n'));
    test::RecordingHost host;
    RunTexts texts;
    texts.ExtensionText = "JPG";
    OperationLog log(logs);
    JobContext job{options, host, texts, log};
    ProcessFile(job, src + "/gone.jpg", Driver::RecursiveWalk);
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_NE(host.rows[0].path.find("No such file or directory: " + src + "/gone.jpg"), std::string::npos)
        << host.rows[0].path;
    EXPECT_TRUE(test::ListTree(dst).empty()) << "no dated folders for a file that is gone";

    MakeFile(src + "/a.jpg", t1, "a");
    ProcessFile(job, src + "/a.jpg", Driver::RecursiveWalk);
    EXPECT_NE(host.rows[1].path.find("File name too long"), std::string::npos) << host.rows[1].path;
    EXPECT_EQ(ReadFile(src + "/a.jpg"), "a");
    EXPECT_EQ(job.tally.failed, 2);
}

}  // namespace
}  // namespace vorlith
