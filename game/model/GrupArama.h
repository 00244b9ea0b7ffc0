#pragma once

#include "AramaSiniri.h"
#include "KareTahta.h"

#include <cstdint>
#include <vector>

// Brings `taşlar` (up to five tiles) home by the fewest slides that leave the cells of `sabit`
// (a mask) alone, by A* over the cells of these tiles and of the gap, all other tiles alike: its
// estimate is the Manhattan distance of the tiles plus the gap's way to the nearest tile still
// away. Plays the slides on `tahta` and appends them to `hamleler`; false, with nothing played,
// when stopped or after half a million states.
bool GrubuYerleştir(KareTahta &tahta, std::uint64_t sabit, const std::vector<int> &taşlar, const AramaSınırı &sınır,
                    std::vector<int> &hamleler);
