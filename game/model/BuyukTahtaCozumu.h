#pragma once

#include "AramaSiniri.h"
#include "DesenYuzu.h"
#include "KareTahta.h"

#include <vector>

// A short solution of a solvable 5 x 5 board by a beam search on the 5 x 5 tables: slide after
// slide, of all positions one slide further than the last kept ones only the few thousand with
// the lowest estimate are kept, each position once, until one is home. Its effort is about the
// same on every board and its answer the same for the same board; without an answer within 250
// slides the border comes home tile by tile (KademeliÇöz) instead. Appends the cells to click to
// `hamleler`; false, with nothing appended, when `sınır` stopped it.
bool BeşlikÇöz(const KareTahta &tahta, const DesenTakımı &takım, const AramaSınırı &sınır, std::vector<int> &hamleler);
