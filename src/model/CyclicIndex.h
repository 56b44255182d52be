#pragma once

namespace quenaro {

/// Position of n in a cycle of `length` entries: n mod length in [0, length), negative n
/// included (-1 is the last entry). Use it to index a table that repeats, such as the seven
/// weekdays or the twelve signs. length > 0.
constexpr int cyclicIndex(int n, int length) {
    return (n % length + length) % length;
}

}  // namespace quenaro
