#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace radirav {

// A fixed table indexed from 1 to N, as the program's tables are numbered on screen and in the
// report. Slot 0 exists only so that indices need no shifting; it is never read.
template <typename T, int N> class Table1 {
public:
    static constexpr int kSize = N;

    T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return slots_[static_cast<std::size_t>(i)];
    }
    const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return slots_[static_cast<std::size_t>(i)];
    }
    void Fill(const T& value) { slots_.fill(value); }

    bool operator==(const Table1&) const = default;

private:
    std::array<T, N + 1> slots_{};
};

} // namespace radirav
