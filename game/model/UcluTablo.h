#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The 3 x 3 board as cells row by row, each holding its tile (0..7) or the gap (8).
using ÜçlüHücreler = std::array<std::uint8_t, 9>;

// The fewest slides home of every solvable 3 x 3 arrangement (181,440 of the 9! ways to lay
// nine things), from one breadth-first search backwards from home.
class ÜçlüTablo {
public:
    // Built on first use, then shared read-only by every thread.
    static const ÜçlüTablo &Ortak();

    // The cells to click, in order, along a shortest way home; `hücreler` must be solvable.
    std::vector<int> Çöz(ÜçlüHücreler hücreler) const;

private:
    ÜçlüTablo();
    std::vector<std::uint8_t> uzaklıklar;  // by the rank of the arrangement; unreachable ones hold Ulaşılmaz
};
