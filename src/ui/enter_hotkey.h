// The system-wide Enter key: while registered, Return and keypad Enter
// without modifiers are taken from every application on the X11 desktop and
// reported to the program instead.
#pragma once

#include <functional>

namespace vorlith::ui {

class HotKeyService {
public:
    virtual ~HotKeyService() = default;
    // Starts the grab; `onPress` runs on the user-interface thread for every
    // press. Returns a new identifier, never reused in the process, or 0 when
    // the key is held elsewhere or there is no X11 display.
    virtual int Register(std::function<void()> onPress) = 0;
    // Ends a registration; 0 or an unknown identifier does nothing.
    virtual void Release(int id) = 0;
};

// The X11 implementation over Qt's own xcb connection.
HotKeyService& SystemEnterKey();

}  // namespace vorlith::ui
