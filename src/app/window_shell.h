// The application shell's window operations: which of the program's windows
// exist, creating them, destroying them when the queue is next served, and
// ending the event loop once the last one is gone.
#pragma once

#include <QObject>
#include <QSet>
#include <string>

#include "enter_hotkey.h"
#include "main_window.h"
#include "run_texts.h"
#include "window_operations.h"

namespace vorlith::app {

class WindowShell final : public QObject, public ui::WindowOperations {
    Q_OBJECT
public:
    WindowShell(RunTexts& texts, std::string logFolder, ui::FolderPicker pickFolder, ui::HotKeyService& hotKeys);
    ~WindowShell() override;

    QWidget* LoadWindow(ui::WindowKind kind) override;
    QWidget* Existing(ui::WindowKind kind) const override;
    void RequestDestroy(QWidget* window) override;

    // Set just before the main event loop starts; from then on the loss of
    // the last window asks the loop to end.
    void EnterLoop() { loopEntered_ = true; }
    bool AnyWindow() const { return main_ || prompt_; }

protected:
    void customEvent(QEvent* event) override;

private:
    QWidget* Create(ui::WindowKind kind);
    void Destroy(QWidget* window);
    void WindowGone(QObject* window);

    RunTexts& texts_;
    std::string logFolder_;
    ui::FolderPicker pickFolder_;
    ui::HotKeyService& hotKeys_;
    ui::MainWindow* main_ = nullptr;
    QWidget* prompt_ = nullptr;
    QSet<QWidget*> pendingDestroy_;
    bool loopEntered_ = false;
};

}  // namespace vorlith::app
