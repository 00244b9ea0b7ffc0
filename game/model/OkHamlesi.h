#pragma once

#include "Tahta.h"

#include <optional>

// The four arrow keys.
enum class Yön { Sol, Sağ, Yukarı, Aşağı };

// The position whose tile an arrow key slides into the empty place: the tile beside the gap
// moves the way the arrow points (Left slides the tile right of the gap to the left, Up the
// tile below the gap up). Nothing when the gap lies at that edge, with no tile beyond it.
std::optional<int> OkunKaydırdığıKonum(const Tahta &tahta, Yön yön);
