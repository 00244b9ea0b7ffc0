#pragma once

#include "AramaSiniri.h"
#include "KareTahta.h"

#include <vector>

// Border after border down to 3 x 3, then the 3 x 3 table: the top row and the left column come
// home a few tiles at a time, each few by the fewest slides that leave the tiles already home
// alone. Never long in time, whatever the board, and never short. Appends the cells to click to
// `hamleler`; false, with nothing appended, when `sınır` stopped it.
bool KademeliÇöz(KareTahta tahta, const AramaSınırı &sınır, std::vector<int> &hamleler);
