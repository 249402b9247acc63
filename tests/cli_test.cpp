// Runs the real vorlith-cli binary on small trees.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "test_support.h"

namespace vorlith {
namespace {

using test::LocalSeconds;

struct Run {
    int code = -1;
    std::string out, err;
};

// Runs vorlith-cli with `args` in `cwd`; `whileRunning` gets the child's pid.
Run RunCli(const std::vector<std::string>& args, const std::string& cwd = "/tmp",
           std::function<void(pid_t)> whileRunning = nullptr) {
    test::TempDir capture;
    const std::string outPath = capture / "out", errPath = capture / "err";
    pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(cwd.c_str()) != 0) ::_exit(99);
        ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        std::vector<char*> argv{const_cast<char*>(VORLITH_CLI_PATH)};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(VORLITH_CLI_PATH, argv.data());
        ::_exit(98);
    }
    if (whileRunning) whileRunning(pid);
    int status = 0;
    ::waitpid(pid, &status, 0);
    Run run;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = test::ReadFile(outPath);
    run.err = test::ReadFile(errPath);
    return run;
}

using CliTest = test::JobFolders;

TEST_F(CliTest, UsageErrorsTouchNothing) {
    test::MakeFile(src + "/a.jpg", LocalSeconds(2014, 3, 5, 9, 7, 3));
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{}, "--source"},
        {{"--source", src}, "--dest"},
        {{"--source", src, "--dest", dst, "--ext", "PNG"}, "PNG"},
        {{"--source", src, "--dest", dst, "--layout", "6"}, "--layout"},
        {{"--source", src, "--dest", dst, "--name-format", "x"}, "--name-format"},
        {{"--source", src, "--dest", dst, "--bogus"}, "--bogus"},
        {{"--source", src, "--dest", dst, "--custom-ext", ""}, "请填写您自定义后缀的名称！！"},
        {{"--source", src, "--dest", dst, "--prefix", "../"}, "名称头或后缀名称含有非法字符！"},
        {{"--source", src, "--dest", dst, "--custom-ext", "j*g"}, "名称头或后缀名称含有非法字符！"},
        {{"--source", dir / "none", "--dest", dst}, "source"},
        {{"--source", src, "--dest", src + "/a.jpg"}, "destination"},
        {{"--source", src, "--dest"}, "--dest"},
    };
    for (const auto& c : cases) {
        auto run = RunCli(c.args);
        EXPECT_EQ(run.code, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_TRUE(test::ListTree(dst).empty());
    EXPECT_TRUE(test::FileExists(src + "/a.jpg"));
}

TEST_F(CliTest, VersionAndHelp) {
    EXPECT_EQ(RunCli({"--version"}).out, "Vorlith 3.0.0.0\n");
    auto help = RunCli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--custom-ext"), std::string::npos);
}

TEST_F(CliTest, RecursiveCopyWithRelativeFolders) {
    test::MakeFile(src + "/a.jpg", LocalSeconds(2014, 3, 5, 9, 7, 3), "a");
    test::MakeFile(src + "/sub/b.mov", LocalSeconds(2014, 12, 29, 18, 45, 0), "b");
    auto run = RunCli({"--source", "src", "--dest", "dst", "--ext", "mov", "--copy", "--rename", "--prefix", "IMG_",
                       "--name-format", "2", "--layout", "3", "--log-dir", "logs"},
                      dir.path());
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "1 张\t" + dst + "/2014/12/29/IMG_2014_12_29_18_45_0.MOV\n照片整理完成！共计： 1 张\n处理完成！\n");
    EXPECT_TRUE(test::FileExists(src + "/sub/b.mov"));
    const auto log = test::LogLines(logs + "/" + test::ListTree(logs).at(0));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("   复制照片文件： " + src + "/sub/b.mov--→" + dst + "/2014/12/29/IMG_"), std::string::npos);
}

TEST_F(CliTest, FlatMoveAndAFailure) {
    test::MakeFile(src + "/a.jpg", LocalSeconds(2014, 3, 5, 9, 7, 3), "a");
    test::MakeFile(src + "/b.jpg", LocalSeconds(2015, 3, 5, 9, 7, 3), "b");
    test::MakeFile(dst + "/2015年", 0, "in the way");
    auto run = RunCli({"--source", src, "--dest", dst, "--flat", "--log-dir", logs});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("（失败："), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("照片整理完成！共计： 2 张，其中失败 1 张\n处理完成！\n"), std::string::npos) << run.out;
    EXPECT_TRUE(test::FileExists(src + "/b.jpg"));
    EXPECT_FALSE(test::FileExists(src + "/a.jpg"));
}

TEST_F(CliTest, CtrlCEndsAfterTheFileInHandWithTheLogComplete) {
    for (int i = 0; i < 4000; ++i) test::MakeFile(src + "/p" + std::to_string(i) + ".jpg", i * 3600);
    auto run = RunCli({"--source", src, "--dest", dst, "--copy", "--log-dir", logs}, "/tmp", [&](pid_t pid) {
        while (test::ListTree(dst).empty()) std::this_thread::sleep_for(std::chrono::microseconds(200));
        ::kill(pid, SIGINT);
    });
    if (run.code == 0) GTEST_SKIP() << "the job finished before the interrupt arrived";
    EXPECT_EQ(run.code, 130);
    size_t rows = 0;
    for (char c : run.out) rows += c == '\t';
    size_t logged = 0;
    for (const auto& file : test::ListTree(logs)) logged += test::LogLines(logs + "/" + file).size();
    EXPECT_EQ(rows, logged);
    EXPECT_LT(rows, 4000u);
}

}  // namespace
}  // namespace vorlith
