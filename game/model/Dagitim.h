#pragma once

#include <QList>

#include <functional>

// A new deal for an N x N board: the piece for each position, drawn from a work list of the
// piece numbers not yet dealt. The draw never takes the list's last entry while others remain,
// so the bottom-right piece always falls on the bottom-right position, which the game leaves
// empty. Every deal can be solved (the pieces on the other positions form an even
// permutation) and none is already in order. `rastgele` draws uniformly in [0, 1).
QList<int> Dağıtım(int bölmeSayısı, const std::function<float()> &rastgele);
