#include "platform/keyboard_layout.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace radirav {

void SystemKeyboardLayout::Activate(std::uint32_t layout) {
    requested_.push_back(layout);
#ifdef _WIN32
    ActivateKeyboardLayout(reinterpret_cast<HKL>(static_cast<std::uintptr_t>(layout)), 0);
#endif
}

} // namespace radirav
