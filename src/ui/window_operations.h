// The window operations the program's windows share, provided by the
// application shell: bringing a window into being and destroying it later.
#pragma once

class QWidget;

namespace vorlith::ui {

enum class WindowKind { Main, Prompt };

class WindowOperations {
public:
    virtual ~WindowOperations() = default;
    // Makes the window exist and be visible: creates it (with its created
    // handler) when absent, brings it forward when it exists, and destroys and
    // recreates it when its destruction is pending. nullptr when creating fails.
    virtual QWidget* LoadWindow(WindowKind kind) = 0;
    // The window if it exists now, else nullptr.
    virtual QWidget* Existing(WindowKind kind) const = 0;
    // Destroys `window` when the event loop or the job's event pump next
    // serves the queue. Several requests destroy it once.
    virtual void RequestDestroy(QWidget* window) = 0;
};

}  // namespace vorlith::ui
