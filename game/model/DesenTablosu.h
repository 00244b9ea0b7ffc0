#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

// The 4 x 4 board: cells numbered row by row, tile t's home is cell t, the gap's is cell 15.
inline constexpr int DörtlüHücreSayısı = 16;
inline constexpr int DörtlüBoşluk = 15;
// Larger groups would not fit the tables in memory, nor the build's queue entries in 32 bits.
inline constexpr int DesenEnÇokTaş = 6;

// An additive pattern database for one group of tiles: for every placement of the group's
// tiles, the fewest slides *of those tiles* that bring them home, whatever the other tiles do
// and wherever the gap is. Groups that share no tile add up to a bound that never overestimates.
struct DesenTablosu {
    std::vector<int> taşlar;               // the group's tiles, in the order of the rank's slots
    std::vector<std::uint8_t> uzaklıklar;  // by the rank of the placement
};

// 16! / (16 - k)!: the placements of k tiles.
std::size_t YerleşimSayısı(int taşSayısı);

// What slot `sıra` of a placement of k tiles weighs in its rank.
std::uint32_t SıraÇarpanı(int taşSayısı, int sıra);

// The rank of a placement in 0..YerleşimSayısı(k)-1; `hücreler[i]` is the cell of slot i.
std::uint32_t YerleşimSırası(const std::uint8_t *hücreler, int taşSayısı);

// How the rank of a placement changes when slot `yuva` slides from `nereden` to `nereye`, a cell
// next to it: its own digit changes, and when it slides up or down, so do the digits of the
// later slots on the cells it passes. `yuvası(hücre)` gives the slot on a cell, or -1.
template <typename YuvaBulucu>
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
    const std::int32_t fark = std::int32_t(çarpanlar[yuva]) * (4 - öncekiler) + sonrakiler;
    return adım > 0 ? fark : -fark;
}

// True when the groups share no tile, cover tiles 0..14, and each holds 1..DesenEnÇokTaş tiles.
bool GeçerliBölüm(const std::vector<std::vector<int>> &bölüm);

// Fills `tablo.uzaklıklar` for `tablo.taşlar` by a breadth-first search from home. False, with
// the table left incomplete, when `dur` was set.
bool DesenTablosuKur(DesenTablosu &tablo, const std::atomic<bool> &dur);
