#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

// The groups of tiles whose pattern tables bound an n x n board: every tile 0..n²-2 in exactly
// one group. The gap's home is the last cell; tile t's home is cell t.
using DesenBölümü = std::vector<std::vector<int>>;

// The most groups a partition may have, so that the searches keep their entries side by side.
inline constexpr int DesenEnÇokGrup = 8;

// The most tiles a group of an n x n board may hold: their cells and the gap's must fit a 32-bit
// queue entry, and 4 x 4 tables of seven tiles fill about 43 MB.
int DesenEnÇokTaş(int n);

// The partitions the game uses: on 4 x 4 seven tiles of the top half, the seven of the bottom
// half and tile 7 alone; on 5 x 5 four groups of five and one of four.
DesenBölümü VarsayılanBölüm(int n);

// True when at most DesenEnÇokGrup groups share no tile, cover tiles 0..n²-2 of a 4 x 4 or 5 x 5
// board, and each holds 1..DesenEnÇokTaş(n) tiles.
bool GeçerliBölüm(int n, const DesenBölümü &bölüm);

// (n²)! / (n² - k)!: the placements of k tiles.
std::size_t YerleşimSayısı(int n, int taşSayısı);

// What slot `sıra` of a placement of k tiles weighs in its rank.
std::uint32_t SıraÇarpanı(int n, int taşSayısı, int sıra);

// The rank of a placement in 0..YerleşimSayısı(n, k)-1; `hücreler[i]` is the cell of slot i.
std::uint32_t YerleşimSırası(int n, const std::uint8_t *hücreler, int taşSayısı);

// How the rank of a placement changes when slot `yuva` slides from `nereden` to `nereye`, a cell
// next to it: its own digit changes, and when it slides up or down, so do the digits of the
// later slots on the cells it passes. `yuvası(hücre)` gives the slot on a cell, or -1.
template <int N, typename YuvaBulucu>
[[gnu::always_inline]] inline
std::int32_t SıraFarkı(const std::uint32_t *çarpanlar, int yuva, int nereden, int nereye, YuvaBulucu yuvası)
{
    const int adım = nereye - nereden;
    if (adım == 1 || adım == -1)
        return adım * std::int32_t(çarpanlar[yuva]);
    int öncekiler = 0;
    std::int32_t sonrakiler = 0;
    for (int hücre = std::min(nereden, nereye) + 1; hücre < std::max(nereden, nereye); ++hücre) {
        const int öteki = yuvası(hücre);
        if (öteki < 0)
            continue;
        if (öteki < yuva)
            ++öncekiler;
        else
            sonrakiler += std::int32_t(çarpanlar[öteki]);
    }
    const std::int32_t fark = std::int32_t(çarpanlar[yuva]) * (N - öncekiler) + sonrakiler;
    return adım > 0 ? fark : -fark;
}

// An additive pattern database for one group of tiles: for every placement of the group's
// tiles (by its rank), the fewest slides *of those tiles* that bring them home, whatever the
// other tiles do and wherever the gap is, by a breadth-first search from home. Groups that share
// no tile add up to a bound that never overestimates. False, the result incomplete, when `dur`
// was set.
bool DesenUzaklıklarınıBul(int n, const std::vector<int> &taşlar, std::vector<std::uint8_t> &uzaklıklar,
                           const std::atomic<bool> &dur);
