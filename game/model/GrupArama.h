#pragma once

#include "AramaSiniri.h"
#include "KareTahta.h"

#include <cstdint>
#include <vector>

// Brings `taşlar` (up to five tiles) home, leaving the cells of `sabit` (a mask) alone, by a
// best-first search over the cells of these tiles and of the gap, all other tiles alike. A state
// is taken in the order of g + ağırlık x h: g the slides so far, h the Manhattan distance of the
// tiles plus the gap's way to the nearest tile still away. Weight 1 finds the fewest slides;
// more finds longer answers much sooner. Plays the slides on `tahta` and appends them to
// `hamleler`; false, with nothing played, when stopped or after half a million states.
bool GrubuYerleştir(KareTahta &tahta, std::uint64_t sabit, const std::vector<int> &taşlar, double ağırlık,
                    const AramaSınırı &sınır, std::vector<int> &hamleler);
