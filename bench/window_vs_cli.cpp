// Times a job of N files run through the main window (offscreen platform,
// confirm clicked) against vorlith-cli on the same kind of tree, in one run.
//
//   bench-window-vs-cli [N]      (default 10000)
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "enter_hotkey.h"
#include "main_window.h"
#include "result_model.h"
#include "run_texts.h"
#include "window_shell.h"

#include "bench_tree.h"

namespace vorlith {
namespace {



double RunCli(const std::string& source, const std::string& dest, const std::string& logs) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open("/dev/null", O_WRONLY), 1);
        const std::string cli = bench::BinaryFolder() + "/vorlith-cli";
        ::execl(cli.c_str(), cli.c_str(), "--source", source.c_str(), "--dest", dest.c_str(), "--flat", "--move",
                "--log-dir", logs.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::waitpid(pid, nullptr, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace
}  // namespace vorlith

int main(int argc, char** argv) {
    using namespace vorlith;
    const int n = argc > 1 ? std::atoi(argv[1]) : 10000;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    char pattern[] = "/tmp/vorlith-bench-ui-XXXXXX";
    const std::string work = ::mkdtemp(pattern);
    for (const char* side : {"ui", "cli"}) {
        bench::MakeTree(work + "/" + side + "-src", n);
        ::mkdir((work + "/" + side + "-dst").c_str(), 0777);
        ::mkdir((work + "/" + side + "-log").c_str(), 0777);
    }

    vorlith::RunTexts texts;
    vorlith::app::WindowShell shell(texts, work + "/ui-log", [](QWidget*, const QString&) { return QString(); },
                                    vorlith::ui::SystemEnterKey());
    auto* main = qobject_cast<vorlith::ui::MainWindow*>(shell.LoadWindow(vorlith::ui::WindowKind::Main));
    main->findChild<QLineEdit*>(QStringLiteral("编辑框1"))->setText(QString::fromStdString(work + "/ui-src"));
    main->findChild<QLineEdit*>(QStringLiteral("编辑框2"))->setText(QString::fromStdString(work + "/ui-dst"));
    main->findChild<QRadioButton*>(QStringLiteral("否框"))->setChecked(true);
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    main->findChild<QPushButton*>(QStringLiteral("确认修改"))->click();
    const double window = timer.nsecsElapsed() / 1e9;
    const int rows = main->Results().TotalRows();

    const double cli = RunCli(work + "/cli-src", work + "/cli-dst", work + "/cli-log");
    std::printf("N = %d (flat move, layout 0)\n", n);
    std::printf("  main window  %8.3f s  %10.0f files/s  (%d rows)\n", window, n / window, rows);
    std::printf("  vorlith-cli  %8.3f s  %10.0f files/s\n", cli, n / cli);
    std::printf("  ratio main window / vorlith-cli = %.2f\n", window / cli);
    std::system(("rm -rf '" + work + "'").c_str());
    return 0;
}
