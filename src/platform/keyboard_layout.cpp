#include "platform/keyboard_layout.h"

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif
// Last: the X headers define macros (None, Bool, Status) that clash with C++ names.
#ifdef RADIRAV_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace radirav {
namespace {

// Symbols files that add keys or options to a keymap rather than a layout of their own.
constexpr std::array<std::string_view, 24> kNotLayouts = {
    "pc",        "inet",   "group",  "level3",    "level5",   "ctrl",   "altwin", "compose",
    "terminate", "keypad", "kpdl",   "caps",      "capslock", "shift",  "lv3",    "eurosign",
    "rupeesign", "nbsp",   "numpad", "srvr_ctrl", "japan",    "korean", "apple",  "mac"};

// Layout name of each group, 0-based, from "pc+us+ru:2+inet(evdev)": a token "name(variant):n"
// puts `name` in group n; the first layout token without a number is group 1.
std::map<int, std::string> LayoutsByGroup(const std::string& symbolsName) {
    std::map<int, std::string> layouts;
    std::size_t start = 0;
    while (start <= symbolsName.size()) {
        std::size_t end = symbolsName.find('+', start);
        if (end == std::string::npos)
            end = symbolsName.size();
        std::string token = symbolsName.substr(start, end - start);
        start = end + 1;
        int group = 1;
        bool numbered = false;
        if (const std::size_t colon = token.find(':'); colon != std::string::npos) {
            const char* first = token.data() + colon + 1;
            const char* last = token.data() + token.size();
            if (std::from_chars(first, last, group).ptr != last)
                continue;
            token.resize(colon);
            numbered = true;
        }
        const std::string name = token.substr(0, token.find('('));
        if (name.empty() || std::find(kNotLayouts.begin(), kNotLayouts.end(), name) != kNotLayouts.end())
            continue;
        if (group < 1 || group > 4 || (!numbered && layouts.contains(0)))
            continue;
        layouts.try_emplace(group - 1, name);
    }
    return layouts;
}

#ifdef RADIRAV_HAVE_X11
// The X display the program runs on, if it runs on one.
Display* X11Display() {
    const auto* x11 =
        qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->display() : nullptr;
}

// The group the keyboard is locked to now.
std::optional<int> LockedXkbGroup(Display* display) {
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return static_cast<int>(state.locked_group);
}

void LockXkbGroup(Display* display, int group) {
    XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(group));
    XFlush(display);
}

// The XKB group that types `layout` on this display's keyboard, if one is configured.
std::optional<int> XkbGroupOnDisplay(Display* display, std::uint32_t layout) {
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (keyboard == nullptr)
        return std::nullopt;
    std::string symbols;
    if (XkbGetNames(display, XkbSymbolsNameMask, keyboard) == Success && keyboard->names != nullptr &&
        keyboard->names->symbols != 0) {
        if (char* name = XGetAtomName(display, keyboard->names->symbols)) {
            symbols = name;
            XFree(name);
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
    return XkbGroupForLayout(layout, symbols);
}
#endif

} // namespace

std::optional<int> XkbGroupForLayout(std::uint32_t layout, const std::string& symbolsName) {
    const std::map<int, std::string> layouts = LayoutsByGroup(symbolsName);
    const auto groupOf = [&](auto fits) -> std::optional<int> {
        for (const auto& [group, name] : layouts) {
            if (fits(name))
                return group;
        }
        return std::nullopt;
    };
    if (layout == kRussianLayout)
        return groupOf([](const std::string& name) { return name == "ru"; });
    if (layout == kEnglishUsLayout) {
        if (const std::optional<int> us = groupOf([](const std::string& name) { return name == "us"; }))
            return us;
        return groupOf([](const std::string& name) { return name != "ru"; });
    }
    return std::nullopt;
}

void SystemKeyboardLayout::Activate(std::uint32_t layout) {
    requested_.push_back(layout);
#ifdef _WIN32
    ActivateKeyboardLayout(reinterpret_cast<HKL>(static_cast<std::uintptr_t>(layout)), 0);
#elif defined(RADIRAV_HAVE_X11)
    Display* display = X11Display();
    if (display == nullptr)
        return;
    if (const std::optional<int> group = XkbGroupOnDisplay(display, layout)) {
        if (!groupBefore_)
            groupBefore_ = LockedXkbGroup(display);
        LockXkbGroup(display, *group);
    }
#endif
}

SystemKeyboardLayout::~SystemKeyboardLayout() {
#ifdef RADIRAV_HAVE_X11
    if (Display* display = groupBefore_ ? X11Display() : nullptr)
        LockXkbGroup(display, *groupBefore_);
#endif
}

} // namespace radirav
