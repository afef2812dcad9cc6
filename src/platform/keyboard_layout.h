#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace radirav {

// Keyboard layout handles: language identifier in both halves.
inline constexpr std::uint32_t kRussianLayout = 0x04190419;
inline constexpr std::uint32_t kEnglishUsLayout = 0x04090409;

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // The previous layout is not reported: nobody switches back to it.
    virtual void Activate(std::uint32_t layout) = 0;
};

// Switches the layout of the calling thread on Windows and the XKB group of the keyboard on
// X11, when the desktop has a layout configured for the request; elsewhere the desktop owns the
// layout, so the request is only recorded. The XKB group belongs to the whole desktop, not to
// this program as a thread's layout does on Windows: the group found before the first switch
// is locked again when the program ends.
class SystemKeyboardLayout final : public KeyboardLayout {
public:
    SystemKeyboardLayout() = default;
    SystemKeyboardLayout(const SystemKeyboardLayout&) = delete;
    SystemKeyboardLayout& operator=(const SystemKeyboardLayout&) = delete;
    ~SystemKeyboardLayout() override;

    void Activate(std::uint32_t layout) override;
    const std::vector<std::uint32_t>& Requested() const { return requested_; }

private:
    std::vector<std::uint32_t> requested_;
    std::optional<int> groupBefore_; // the desktop's XKB group before the first switch
};

// The XKB group (0-based) that types what `layout` asks for, read from the keyboard's symbols
// name as the X server reports it ("pc+us+ru:2+inet(evdev)"): Russian is a "ru" group; the
// Latin layout for numbers is "us", or failing that the first group that is not Russian. None
// when no configured group fits.
std::optional<int> XkbGroupForLayout(std::uint32_t layout, const std::string& symbolsName);

} // namespace radirav
