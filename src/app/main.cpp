// Vorlith, the desktop program: start-up, the main event loop and the end.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "enter_hotkey.h"
#include "main_window.h"
#include "platform/platform.h"
#include "program_folder.h"
#include "run_texts.h"
#include "window_shell.h"

int main(int argc, char** argv) {
    using namespace vorlith;
    // Relative folders typed by the user resolve against the program's folder.
    const std::string programFolder = ProgramFolder();
    platform::ChangeDirectory(programFolder);

    // Every start is the same: no argument reaches the program.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName("Vorlith");
    QApplication::setApplicationVersion(VORLITH_VERSION);
    QApplication::setQuitOnLastWindowClosed(false);  // the shell applies its own rule
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QString(":/icons/vorlith-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    RunTexts texts;
    int code = 0;
    {
        app::WindowShell shell(texts, programFolder, ui::SystemFolderPicker(), ui::SystemEnterKey());
        if (!shell.LoadWindow(ui::WindowKind::Main)) {
            QMessageBox::critical(nullptr, "Vorlith", QStringLiteral("无法创建主窗口，程序将退出。"));
            return -1;
        }
        shell.EnterLoop();
        if (shell.AnyWindow()) code = QApplication::exec();
    }
    ReleaseRunTexts(texts);
    (void)code;
    return 0;
}
