// The frameless message window: one embossed line above an OK button.
// Owned by the main window; while it exists, Enter pressed anywhere on the
// desktop closes it.
#pragma once

#include <QWidget>

#include "enter_hotkey.h"
#include "window_operations.h"

class QPushButton;

namespace vorlith::ui {

class EmbossedLabel;

class PromptWindow final : public QWidget {
    Q_OBJECT
public:
    // Creates the window with its controls and runs its created handler:
    // focus on the button, the Enter key registered.
    PromptWindow(QWidget* owner, WindowOperations& windows, HotKeyService& hotKeys);
    // The destruction handler: releases the Enter key.
    ~PromptWindow() override;

    void SetMessage(const QString& message);
    QString Message() const;
    int HotKeyId() const { return hotKeyId_; }
    void SetStaysOnTop(bool on);
    void CentreOnScreen();

public slots:
    // OK: no longer on top, hidden, destroyed soon; the main window follows
    // the stay-on-top box.
    void AcknowledgeMessage();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    WindowOperations& windows_;
    HotKeyService& hotKeys_;
    EmbossedLabel* label_;
    QPushButton* okButton_;
    int hotKeyId_ = 0;  // from the registration; 0 when it was refused
};

// Shows `message` in the prompt, creating it or bringing it forward, with
// the stay-on-top state of the main window's box. Returns at once.
void ShowPrompt(WindowOperations& windows, const QString& message);

// Always on top switched without hiding, moving or activating the window.
void SetAlwaysOnTop(QWidget* window, bool on);

}  // namespace vorlith::ui
