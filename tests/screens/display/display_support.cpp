#include "screens/display/display_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
// Last: the X headers define macros that clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>

namespace radirav::testing {
namespace {

Display* XDisplay() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

} // namespace

bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QTest::qWait(10);
    }
    return true;
}

void PressKey(const char* latin) {
    Display* display = XDisplay();
    if (display == nullptr)
        return;
    // The key's code on the us layout: the same key whichever group is locked.
    const KeySym symbol = XStringToKeysym(latin);
    const KeyCode code = XKeysymToKeycode(display, symbol);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
    QTest::qWait(30);
}

void ClickAt(QPoint where) {
    Display* display = XDisplay();
    if (display == nullptr)
        return;
    XTestFakeMotionEvent(display, -1, where.x(), where.y(), CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
    QTest::qWait(30);
}

void PressKeyWith(const char* modifier, const char* latin) {
    Display* display = XDisplay();
    if (display == nullptr)
        return;
    const KeyCode held = XKeysymToKeycode(display, XStringToKeysym(modifier));
    XTestFakeKeyEvent(display, held, True, CurrentTime);
    PressKey(latin);
    XTestFakeKeyEvent(display, held, False, CurrentTime);
    XFlush(display);
    QTest::qWait(30);
}

int KeyboardGroup() {
    Display* display = XDisplay();
    if (display == nullptr)
        return -1;
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return -1;
    return state.group;
}

void LockKeyboardGroup(int group) {
    if (Display* display = XDisplay()) {
        XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(group));
        XSync(display, False);
    }
}

QRect OuterFrame(const QWidget* window) {
    Display* display = XDisplay();
    if (display == nullptr || window == nullptr)
        return {};
    // The window manager puts each window into a frame window of its own, a child of the root.
    ::Window current = static_cast<::Window>(window->winId()), root = 0, parent = 0;
    while (true) {
        ::Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, current, &root, &parent, &children, &count) == 0)
            return {};
        if (children != nullptr)
            XFree(children);
        if (parent == root || parent == 0)
            break;
        current = parent;
    }
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, current, &attributes) == 0)
        return {};
    return {attributes.x, attributes.y, attributes.width + 2 * attributes.border_width,
            attributes.height + 2 * attributes.border_width};
}

QRect SettledOuterFrame(const QWidget* window) {
    QRect last;
    int same = 0;
    WaitUntil([&] {
        const QRect now = OuterFrame(window);
        same = (now == last && now.size() != window->size()) ? same + 1 : 0;
        last = now;
        return same >= 5;
    });
    return last;
}

QRgb ScreenPixel(QPoint where) {
    const QImage image =
        QGuiApplication::primaryScreen()->grabWindow(0, where.x(), where.y(), 1, 1).toImage();
    return image.isNull() ? 0 : image.pixel(0, 0);
}

} // namespace radirav::testing
