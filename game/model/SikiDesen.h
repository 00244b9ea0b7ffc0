#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A pattern table as the searches read it. The entry of a placement of the group's tiles is how
// many slides the table gives above the tiles' own Manhattan distance, halved (the two always
// differ by an even number) and at most 7: three bits, so that the game's tables take some 53 MB
// instead of 141 MB. Cutting an entry down keeps it a lower bound. Whatever a table holds, the
// bound it gives is zero only where the Manhattan distance is, at home: a damaged table can make
// a search slow or its answer long, never end it away from home.

// The bytes of a table of `yerleşimSayısı` entries, one to spare for reading two at a time.
std::size_t SıkıBoyut(std::size_t yerleşimSayısı);

// The table of `uzaklıklar` (by rank, as DesenUzaklıklarınıBul gives them) packed.
std::vector<std::uint8_t> Sıkıştır(int n, const std::vector<int> &taşlar, const std::vector<std::uint8_t> &uzaklıklar);

// The entry of the placement of rank `sıra`.
inline int SıkıFazla(const std::uint8_t *tablo, std::uint32_t sıra)
{
    const std::size_t bit = std::size_t(sıra) * 3;
    const unsigned iki = unsigned(tablo[bit / 8]) | unsigned(tablo[bit / 8 + 1]) << 8;
    return int(iki >> (bit % 8) & 7);
}
