#include "folder_layout.h"

#include <gtest/gtest.h>

#include "control_names.h"
#include "placement.h"
#include "test_support.h"

namespace vorlith {
namespace {

struct LayoutFixture : ::testing::Test {
    test::ScopedTimeZone zone{"UTC"};
    test::TempDir dir;
    FixedOptions options = test::JobOptions(dir / "src", dir / "dst");
    test::RecordingHost host;
    RunTexts texts;
    OperationLog log{dir.path()};
    JobContext job{options, host, texts, log};
};

TEST_F(LayoutFixture, SixLayouts) {
    const std::string file = dir / "src/a.jpg";
    test::MakeFile(file, test::LocalSeconds(2015, 1, 5, 12, 0, 0));
    const char* expected[] = {"2015年/1月/5日/", "2015年/1月/", "2015年/", "2015/1/5/", "2015/1/", "2015/"};
    for (int layout = 0; layout < 6; ++layout) {
        options.Select(controls::kFolderLayout, layout);
        SetFolderLevels(job, FileWriteTime(file));
        EXPECT_EQ(texts.FolderLevel1 + texts.FolderLevel2 + texts.FolderLevel3, expected[layout]) << layout;
    }
    // A vanished file is filed as of 100-01-01.
    options.Select(controls::kFolderLayout, 0);
    SetFolderLevels(job, FileWriteTime(dir / "src/gone.jpg"));
    EXPECT_EQ(texts.FolderLevel1 + texts.FolderLevel2 + texts.FolderLevel3, "100年/1月/1日/");
}

TEST_F(LayoutFixture, CreatesTheChainAndReportsWhatIsInTheWay) {
    test::MakeFolder(dir / "dst");
    texts = {"JPG", "x.JPG", "2014年/", "12月/", "29日/"};
    EXPECT_FALSE(CreateLevelFolders(job));
    EXPECT_TRUE(test::FileExists(dir / "dst/2014年/12月/29日"));
    EXPECT_FALSE(CreateLevelFolders(job)) << "existing levels are fine";
    EXPECT_EQ(TargetPath(job), dir / "dst/2014年/12月/29日/x.JPG");
    EXPECT_EQ(AlternateTargetPath(job), dir / "dst/2014年/12月/29日/(1)x.JPG");

    test::MakeFile(dir / "dst/2015年", 0);  // a file where a folder should go
    texts.FolderLevel1 = "2015年/";
    auto error = CreateLevelFolders(job);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, dir / "dst/2015年/12月/");

    options.SetText(controls::kDestinationFolder, dir / "nowhere");
    EXPECT_TRUE(CreateLevelFolders(job)) << "the destination itself is never created";
    EXPECT_FALSE(test::FileExists(dir / "nowhere"));
}

}  // namespace
}  // namespace vorlith
