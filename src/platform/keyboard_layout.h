#pragma once

#include <cstdint>
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

// Switches the layout of the calling thread on Windows; elsewhere the desktop owns the layout,
// so the request is only recorded.
class SystemKeyboardLayout final : public KeyboardLayout {
public:
    void Activate(std::uint32_t layout) override;
    const std::vector<std::uint32_t>& Requested() const { return requested_; }

private:
    std::vector<std::uint32_t> requested_;
};

} // namespace radirav
