#pragma once

#include "AramaSiniri.h"
#include "DesenTablosu.h"

#include <array>
#include <cstdint>
#include <vector>

// The 4 x 4 board as cells row by row, each holding its tile (0..14) or the gap (15).
using DörtlüHücreler = std::array<std::uint8_t, 16>;

// The pattern tables of groups that share no tile and together cover tiles 0..14.
using DesenTakımı = std::vector<DesenTablosu>;

// A solution with the fewest slides of a solvable board, by iterative-deepening A*: its bound is
// the larger of the tables' sums for the board and for its reflection about the main diagonal
// (which keeps the gap's home). Appends the cells to click to `hamleler`; false, with nothing
// appended, when `sınır` stopped the search first.
bool DörtlüEnKısaÇözüm(const DesenTakımı &takım, const DörtlüHücreler &hücreler, const AramaSınırı &sınır,
                       std::vector<int> &hamleler);
