#include "app/ChordFilter.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <set>
#include <xcb/xcb.h>

#include "app/KeyTranslation.h"

namespace tolvar {

namespace {

constexpr xcb_keysym_t F9Keysym = 0xffc6;

/// Every key code that carries F9 or the console-9 switch in any column of the core keymap.
std::set<xcb_keycode_t> F9KeyCodes(xcb_connection_t* connection)
{
    std::set<xcb_keycode_t> codes;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count)), nullptr);
    if (!reply)
        return codes;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
    const int perCode = reply->keysyms_per_keycode;
    for (int i = 0; i < count; ++i)
        for (int column = 0; column < perCode; ++column) {
            const xcb_keysym_t sym = syms[i * perCode + column];
            if (sym == F9Keysym || sym == SwitchVt9Keysym)
                codes.insert(static_cast<xcb_keycode_t>(setup->min_keycode + i));
        }
    free(reply);
    return codes;
}

class XcbChordFilter : public QAbstractNativeEventFilter {
public:
    explicit XcbChordFilter(std::set<xcb_keycode_t> codes) : codes_(std::move(codes)) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* generic = static_cast<const xcb_generic_event_t*>(message);
        if ((generic->response_type & 0x7f) != XCB_KEY_PRESS)
            return false;
        const auto* press = static_cast<const xcb_key_press_event_t*>(message);
        const bool ctrlAlt = (press->state & XCB_MOD_MASK_CONTROL) && (press->state & XCB_MOD_MASK_1);
        if (!ctrlAlt || !codes_.count(press->detail))
            return false;
        QWidget* target = QApplication::focusWidget();
        if (!target)
            return false;
        Qt::KeyboardModifiers modifiers = Qt::ControlModifier | Qt::AltModifier;
        if (press->state & XCB_MOD_MASK_SHIFT)
            modifiers |= Qt::ShiftModifier;
        // Taken here for every Ctrl+Alt+F9, with or without Shift, so the game sees it once.
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_F9, modifiers, press->detail,
                                                          F9Keysym, press->state));
        return true;
    }

private:
    std::set<xcb_keycode_t> codes_;
};

}  // namespace

void InstallChordFilter(QCoreApplication& app)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    static XcbChordFilter filter(F9KeyCodes(x11->connection()));
    app.installNativeEventFilter(&filter);
}

}  // namespace tolvar
