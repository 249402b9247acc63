#include "window_shell.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include "prompt_window.h"

namespace vorlith::app {

namespace {

// Carries a pending destruction through the event queue.
class DestroyEvent final : public QEvent {
public:
    static QEvent::Type Kind() {
        static const int kind = QEvent::registerEventType();
        return static_cast<QEvent::Type>(kind);
    }
    explicit DestroyEvent(QWidget* window) : QEvent(Kind()), window(window) {}
    QPointer<QWidget> window;
};

void CentreOnScreen(QWidget* window) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}

}  // namespace

WindowShell::WindowShell(RunTexts& texts, std::string logFolder, ui::FolderPicker pickFolder,
                         ui::HotKeyService& hotKeys)
    : texts_(texts), logFolder_(std::move(logFolder)), pickFolder_(std::move(pickFolder)), hotKeys_(hotKeys) {}

WindowShell::~WindowShell() {
    if (main_) Destroy(main_);
    if (prompt_) Destroy(prompt_);
}

QWidget* WindowShell::Existing(ui::WindowKind kind) const {
    return kind == ui::WindowKind::Main ? static_cast<QWidget*>(main_) : prompt_;
}

QWidget* WindowShell::LoadWindow(ui::WindowKind kind) {
    QWidget* window = Existing(kind);
    if (window && pendingDestroy_.contains(window)) {
        Destroy(window);  // a closing window makes way for a new one at once
        window = Existing(kind);
    }
    if (!window) return Create(kind);
    if (window->isMinimized()) {
        window->showNormal();
    } else {
        window->raise();
        window->activateWindow();
    }
    return window;
}

QWidget* WindowShell::Create(ui::WindowKind kind) {
    QWidget* window = nullptr;
    if (kind == ui::WindowKind::Main) {
        main_ = new ui::MainWindow(*this, texts_, logFolder_, pickFolder_);
        window = main_;
        CentreOnScreen(window);
    } else {
        if (!main_) return nullptr;  // the prompt needs its owner
        auto* prompt = new ui::PromptWindow(main_, *this, hotKeys_);
        prompt_ = prompt;
        window = prompt;
        prompt->CentreOnScreen();
    }
    connect(window, &QObject::destroyed, this, &WindowShell::WindowGone);
    window->show();
    return window;
}

void WindowShell::RequestDestroy(QWidget* window) {
    if (!window || pendingDestroy_.contains(window)) return;
    pendingDestroy_.insert(window);
    QCoreApplication::postEvent(this, new DestroyEvent(window));
}

void WindowShell::customEvent(QEvent* event) {
    if (event->type() != DestroyEvent::Kind()) return;
    QWidget* window = static_cast<DestroyEvent*>(event)->window;
    if (window && pendingDestroy_.contains(window)) Destroy(window);
}

void WindowShell::Destroy(QWidget* window) {
    pendingDestroy_.remove(window);
    if (window == main_ && main_->JobRunning()) {
        // The job's own frames still use the window: it is stopped, hidden
        // and destroyed once the job has returned.
        main_->StopJobThenClose();
        return;
    }
    if (window == main_ && prompt_) Destroy(prompt_);  // owned windows go first
    delete window;
}

void WindowShell::WindowGone(QObject* window) {
    if (window == main_) main_ = nullptr;
    if (window == prompt_) prompt_ = nullptr;
    pendingDestroy_.remove(static_cast<QWidget*>(window));
    if (!AnyWindow() && loopEntered_) QCoreApplication::exit(0);
}

}  // namespace vorlith::app
