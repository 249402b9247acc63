#include "enter_hotkey.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <map>
#include <vector>

namespace vorlith::ui {

namespace {

constexpr xcb_keysym_t kReturn = 0xff0d;
constexpr xcb_keysym_t kKeypadEnter = 0xff8d;
// CapsLock and NumLock must not stop the key from working.
constexpr uint16_t kLockCombinations[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

class X11EnterKey final : public HotKeyService, public QAbstractNativeEventFilter {
public:
    int Register(std::function<void()> onPress) override {
        if (!Connect()) return 0;
        std::vector<std::pair<xcb_keycode_t, uint16_t>> grabbed;
        for (xcb_keycode_t code : keycodes_) {
            for (uint16_t modifiers : kLockCombinations) {
                auto cookie = xcb_grab_key_checked(connection_, 1, root_, modifiers, code, XCB_GRAB_MODE_ASYNC,
                                                   XCB_GRAB_MODE_ASYNC);
                if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
                    free(error);  // BadAccess: another client holds the key
                    Ungrab(grabbed);
                    return 0;
                }
                grabbed.emplace_back(code, modifiers);
            }
        }
        const int id = ++lastId_;
        registrations_[id] = Registration{std::move(onPress), std::move(grabbed)};
        return id;
    }

    void Release(int id) override {
        auto it = registrations_.find(id);
        if (it == registrations_.end()) return;
        Ungrab(it->second.grabs);
        registrations_.erase(it);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || registrations_.empty()) return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        const uint8_t kind = event->response_type & 0x7f;
        if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE) return false;
        auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
        if (key->event != root_ || !IsEnter(key->detail)) return false;
        if (kind == XCB_KEY_PRESS) {
            // The handler may release this very registration; copy it first.
            auto onPress = registrations_.rbegin()->second.onPress;
            if (onPress) onPress();
        }
        return true;  // the key belongs to the grab, not to a window of ours
    }

private:
    struct Registration {
        std::function<void()> onPress;
        std::vector<std::pair<xcb_keycode_t, uint16_t>> grabs;
    };

    bool Connect() {
        if (connection_) return true;
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (!x11 || !x11->connection()) return false;
        connection_ = x11->connection();
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        FindKeycodes();
        if (keycodes_.empty()) {
            connection_ = nullptr;
            return false;
        }
        qGuiApp->installNativeEventFilter(this);
        return true;
    }

    void FindKeycodes() {
        const xcb_setup_t* setup = xcb_get_setup(connection_);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto cookie = xcb_get_keyboard_mapping(connection_, setup->min_keycode, static_cast<uint8_t>(count));
        xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(connection_, cookie, nullptr);
        if (!reply) return;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
        const int perCode = reply->keysyms_per_keycode;
        for (int i = 0; i < count; ++i) {
            for (int k = 0; k < perCode; ++k) {
                const xcb_keysym_t sym = syms[i * perCode + k];
                if (sym == kReturn || sym == kKeypadEnter) {
                    keycodes_.push_back(static_cast<xcb_keycode_t>(setup->min_keycode + i));
                    break;
                }
            }
        }
        free(reply);
    }

    bool IsEnter(xcb_keycode_t code) const {
        for (auto c : keycodes_)
            if (c == code) return true;
        return false;
    }

    void Ungrab(const std::vector<std::pair<xcb_keycode_t, uint16_t>>& grabs) {
        for (auto [code, modifiers] : grabs) xcb_ungrab_key(connection_, code, root_, modifiers);
        xcb_flush(connection_);
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::vector<xcb_keycode_t> keycodes_;
    std::map<int, Registration> registrations_;
    int lastId_ = 0;
};

}  // namespace

HotKeyService& SystemEnterKey() {
    static X11EnterKey key;
    return key;
}

}  // namespace vorlith::ui
