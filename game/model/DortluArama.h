#pragma once

#include "AramaSiniri.h"
#include "DesenYuzu.h"
#include "KareTahta.h"

#include <vector>

// A solution with the fewest slides of a solvable 4 x 4 board, by iterative-deepening A*: its
// estimate is the Manhattan distance plus twice the larger of the tables' sums for the board and
// for its reflection. Appends the cells to click to `hamleler`; false, with nothing appended,
// when `sınır` stopped the search first, or when the tables allow no answer within the 80 slides
// every 4 x 4 board needs at most, which only tables that are not what they claim do.
bool DörtlüEnKısaÇözüm(const DesenTakımı &takım, const KareTahta &tahta, const AramaSınırı &sınır,
                       std::vector<int> &hamleler);

// True when no position the slides pass through, from `tahta` home, gets an estimate above the
// slides left from it. Sound tables never do; tables that do are not what they claim, and an
// answer found with them is not known to be the fewest slides.
bool DörtlüTahminTutarlı(const DesenTakımı &takım, KareTahta tahta, const std::vector<int> &hamleler);
