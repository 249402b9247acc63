#include "verb_texts.h"

#include <gtest/gtest.h>

namespace vorlith {
namespace {

TEST(VerbText, TheLogFormatsBlanks) {
    struct Case {
        Transfer transfer;
        CollisionMode collision;
        bool existed;
        const char* flat;
        const char* recursive;
    };
    const Case cases[] = {
        {Transfer::Copy, CollisionMode::Overwrite, false, "复制照片文件： ", "复制照片文件： "},
        {Transfer::Copy, CollisionMode::Rename, true, "复制照片文件： ", "复制照片文件："},
        {Transfer::Copy, CollisionMode::Rename, false, "复制照片文件： ", "复制照片文件： "},
        {Transfer::Move, CollisionMode::Overwrite, false, "移动照片文件： ", "移动照片文件： "},
        {Transfer::Move, CollisionMode::Rename, true, "移动照片文件： ", "移动照片文件： "},
        {Transfer::Move, CollisionMode::Rename, false, "移动照片文件：  ", "移动照片文件： "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VerbText(c.transfer, c.collision, c.existed, Driver::FlatScan), c.flat);
        EXPECT_EQ(VerbText(c.transfer, c.collision, c.existed, Driver::RecursiveWalk), c.recursive);
    }
    EXPECT_EQ(FailureVerbText(Transfer::Copy), "复制照片文件失败： ");
    EXPECT_EQ(FailureVerbText(Transfer::Move), "移动照片文件失败： ");
}

}  // namespace
}  // namespace vorlith
