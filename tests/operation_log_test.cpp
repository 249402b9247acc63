#include "operation_log.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "test_support.h"

namespace vorlith {
namespace {

using test::LocalSeconds;

struct LogTest : ::testing::Test {
    test::ScopedTimeZone zone{"Europe/Berlin"};
    test::TempDir dir;
    test::ScopedClock clock{LocalSeconds(2014, 3, 5, 9, 7, 3)};
};

TEST_F(LogTest, FileNames) {
    EXPECT_EQ(LogFileName(MakeDateValue({2014, 3, 5, 9, 30, 0})), "2014359.txt");
    EXPECT_EQ(LogFileName(MakeDateValue({2014, 12, 29, 18, 1, 0})), "2014122918.txt");
    EXPECT_EQ(LogFileName(MakeDateValue({2014, 12, 29, 0, 1, 0})), "201412290.txt");
    EXPECT_EQ(LogFileName(MakeDateValue({2014, 1, 11, 10, 0, 0})), LogFileName(MakeDateValue({2014, 11, 1, 10, 0, 0})));
}

TEST_F(LogTest, NewestFirstByteExactAcrossBatchesAndExistingContent) {
    const std::string path = dir / "2014359.txt";
    test::MakeFile(path, 0, "older line\r\n");
    {
        OperationLog log(dir.path());
        // Several lines within one second stay pending and go in as one block.
        log.WriteLogLine("one");
        log.WriteLogLine("two");
        EXPECT_EQ(test::ReadFile(path), "older line\r\n") << "still pending";
        clock.Advance(1);
        log.WriteLogLine("three");
        clock.Advance(1);
        log.WriteLogLine("four");
        EXPECT_FALSE(log.Flush());
    }
    EXPECT_EQ(test::ReadFile(path),
              "2014年3月5日9时7分5秒   four\r\n"
              "2014年3月5日9时7分4秒   three\r\n"
              "2014年3月5日9时7分3秒   two\r\n"
              "2014年3月5日9时7分3秒   one\r\n"
              "older line\r\n");
}

TEST_F(LogTest, EachHourItsOwnFile) {
    clock.Set(LocalSeconds(2014, 3, 5, 9, 59, 59));
    OperationLog log(dir.path());
    log.WriteLogLine("before");
    clock.Advance(1);
    log.WriteLogLine("after");
    log.Flush();
    EXPECT_EQ(test::ReadFile(dir / "2014359.txt"), "2014年3月5日9时59分59秒   before\r\n");
    EXPECT_EQ(test::ReadFile(dir / "20143510.txt"), "2014年3月5日10时   after\r\n");
}

TEST_F(LogTest, MidnightLineHasTheDateAlone) {
    clock.Set(LocalSeconds(2014, 12, 29, 0, 0, 0));
    OperationLog log(dir.path());
    log.WriteLogLine("m");
    log.Flush();
    EXPECT_EQ(test::ReadFile(dir / "201412290.txt"), "2014年12月29日   m\r\n");
}

TEST_F(LogTest, FallsBackToTheUserFolderWhenTheFolderCantBeWritten) {
    const std::string dataHome = dir / "data";
    const char* old = std::getenv("XDG_DATA_HOME");
    std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    {
        OperationLog log(dir / "no/such/folder");
        log.WriteLogLine("kept");
        EXPECT_FALSE(log.Flush());
        EXPECT_EQ(log.Folder(), dataHome + "/vorlith");
    }
    if (old) ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(test::ReadFile(dataHome + "/vorlith/2014359.txt"), "2014年3月5日9时7分3秒   kept\r\n");
}

TEST_F(LogTest, TwoProcessesNeverInterleave) {
    const std::string line(300, 'x');
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        if (children[c] == 0) {
            for (int i = 0; i < 200; ++i) {
                OperationLog log(dir.path());
                log.WriteLogLine(std::string(1, static_cast<char>('a' + c)) + line);
            }
            ::_exit(0);
        }
    }
    for (pid_t child : children) ::waitpid(child, nullptr, 0);
    const auto lines = test::LogLines(dir / "2014359.txt");
    ASSERT_EQ(lines.size(), 400u);
    for (const auto& l : lines) {
        const std::string message = l.substr(l.find("   ") + 3);
        ASSERT_TRUE(message == "a" + line || message == "b" + line) << l.substr(0, 60);
    }
}

}  // namespace
}  // namespace vorlith
