#pragma once

#include "AramaSiniri.h"
#include "KareTahta.h"

#include <cstdint>
#include <vector>

enum class KenarSırası { ÖnceSatır, ÖnceSütun };

// The tiles of the top row and of the left column, the line that goes first taking the corner.
std::vector<std::vector<int>> KenarÇizgileri(int n, KenarSırası sıra);

// Brings the tiles of `çizgi` home a few at a time, each few by the fewest slides that leave the
// cells of `sabit` alone, and adds their homes to `sabit`. Never long in time; false when stopped.
bool ÇizgiyiYerleştir(KareTahta &tahta, std::uint64_t &sabit, const std::vector<int> &çizgi, const AramaSınırı &sınır,
                      std::vector<int> &hamleler);

// The (n-1) x (n-1) board at the bottom right, its tiles numbered by their homes there.
KareTahta İçTahta(const KareTahta &tahta);

// The whole board's cell of cell `içHücre` of the inner board of an n x n board.
int DışHücre(int n, int içHücre);

// Border after border down to 3 x 3, then the 3 x 3 table: never long in time, whatever the board.
bool KademeliÇöz(KareTahta tahta, const AramaSınırı &sınır, std::vector<int> &hamleler);
