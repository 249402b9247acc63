// The file operations under the engine: no-replace placement, copies that
// keep their times, and a log insertion that a full disk can't corrupt.
#include "platform/platform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <map>

#include "test_support.h"

namespace vorlith::platform {
namespace {

using test::FileExists;
using test::MakeFile;
using test::ReadFile;

struct PlatformTest : ::testing::Test {
    test::TempDir dir;
};

TEST_F(PlatformTest, NoReplaceLeavesAnExistingTargetAlone) {
    MakeFile(dir / "a", 1000, "new");
    MakeFile(dir / "t", 2000, "old");
    for (bool move : {false, true}) {
        Outcome error = move ? MoveFile(dir / "a", dir / "t", Collision::NoReplace)
                             : CopyFile(dir / "a", dir / "t", Collision::NoReplace);
        ASSERT_TRUE(error) << move;
        EXPECT_EQ(error->code, EEXIST);
        EXPECT_EQ(ReadFile(dir / "t"), "old");
        EXPECT_EQ(ReadFile(dir / "a"), "new");
    }
    EXPECT_EQ(test::ListTree(dir.path()).size(), 2u) << "no temporary file left";
}

TEST_F(PlatformTest, CopyKeepsTimeAndModeAndRefusesItself) {
    MakeFile(dir / "a", 1394010423, "content");
    ::chmod((dir / "a").c_str(), 0640);
    ASSERT_FALSE(CopyFile(dir / "a", dir / "b", Collision::Replace));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "b").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1394010423);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadFile(dir / "b"), "content");
    EXPECT_TRUE(CopyFile(dir / "a", dir / "a", Collision::Replace));
    EXPECT_EQ(ReadFile(dir / "a"), "content");
    auto missing = CopyFile(dir / "none", dir / "c", Collision::Replace);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->path, dir / "none") << "the failing side is named";
}

TEST_F(PlatformTest, MoveAcrossFileSystemsDeletesTheSourceOnlyAfterTheCopy) {
    test::ScopedTmpfs other(dir / "other", "1m");
    if (!other.mounted()) GTEST_SKIP() << "can't mount a tmpfs here (needs root)";
    MakeFile(dir / "a", 1394010423, "photo");
    bool viaCopy = false;
    ASSERT_FALSE(MoveFile(dir / "a", dir / "other/a", Collision::NoReplace, &viaCopy));
    EXPECT_TRUE(viaCopy);
    EXPECT_FALSE(FileExists(dir / "a"));
    EXPECT_EQ(ReadFile(dir / "other/a"), "photo");
    EXPECT_EQ(LastWriteTime(dir / "other/a"), 1394010423);
}

TEST_F(PlatformTest, AFullDiskLeavesTheLogAsItWas) {
    test::ScopedTmpfs small(dir / "small", "16k");
    if (!small.mounted()) GTEST_SKIP() << "can't mount a tmpfs here (needs root)";
    const std::string log = dir / "small/log.txt";
    const std::string before(6000, 'o');
    ASSERT_FALSE(InsertAtFileStart(log, before));
    EXPECT_TRUE(InsertAtFileStart(log, std::string(20000, 'n')));
    EXPECT_EQ(ReadFile(log), before);
    ASSERT_FALSE(InsertAtFileStart(log, "line\r\n"));
    EXPECT_EQ(ReadFile(log), "line\r\n" + before);
}

TEST_F(PlatformTest, EnumerationListsEverythingWithFolderMarks) {
    MakeFile(dir / "f.jpg", 0);
    test::MakeFolder(dir / "sub");
    ASSERT_EQ(::symlink((dir / "sub").c_str(), (dir / "link").c_str()), 0);
    DirReader reader;
    ASSERT_FALSE(reader.Open(dir.path()));
    std::map<std::string, std::pair<bool, bool>> seen;
    while (auto entry = reader.Read()) seen[entry->name] = {entry->isDirectory, entry->isLink};
    EXPECT_EQ(seen.size(), 5u) << "\".\" and \"..\" included";
    EXPECT_EQ(seen["f.jpg"], std::make_pair(false, false));
    EXPECT_EQ(seen["sub"], std::make_pair(true, false));
    EXPECT_EQ(seen["link"], std::make_pair(true, true));
    EXPECT_TRUE(reader.Open(dir / "none"));
}

}  // namespace
}  // namespace vorlith::platform
