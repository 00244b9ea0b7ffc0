#pragma once

#include "DortluArama.h"
#include "KademeliYerlestirme.h"

// A short solution of a solvable 5 x 5 board, found within a second: the top row and the left
// column come home, each line by a weighted search for all its tiles at once, then the 4 x 4
// board left is solved with the fewest slides if `takım` is given. A search that does not end in
// its time gives way to one that always ends in milliseconds: a few tiles at a time, border by
// border. Both orders of row and column are tried and the shorter answer kept. Appends the cells to click
// to `hamleler`; false, with nothing appended, when `sınır` stopped it.
bool BeşlikÇöz(const KareTahta &tahta, const DesenTakımı *takım, const AramaSınırı &sınır, std::vector<int> &hamleler);
