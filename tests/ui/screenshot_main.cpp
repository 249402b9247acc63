// Development tool: saves a picture of the main window (and, with a second
// argument, of a prompt too) for the README. Run under Xvfb for the frame.
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "enter_hotkey.h"
#include "main_window.h"
#include "prompt_window.h"
#include "run_texts.h"
#include "window_shell.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QApplication app(argc, argv);
    vorlith::RunTexts texts;
    vorlith::app::WindowShell shell(texts, "/tmp", vorlith::ui::SystemFolderPicker(), vorlith::ui::SystemEnterKey());
    QWidget* main = shell.LoadWindow(vorlith::ui::WindowKind::Main);
    const QString out = argv[1];
    QTimer::singleShot(1500, [&] {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect frame = main->frameGeometry();
        QPixmap shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        if (shot.isNull() || shot.width() < main->width()) shot = main->grab();
        shot.save(out);
        app.quit();
    });
    return app.exec();
}
