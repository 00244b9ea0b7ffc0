#pragma once

#include "DesenTablosu.h"
#include "SikiDesen.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

// The pattern tables of a partition of a 4 x 4 or 5 x 5 board as the searches read them: one
// table a group, packed as SıkıDesen describes.
struct DesenTakımı {
    int n = 0;
    DesenBölümü gruplar;
    std::vector<const std::uint8_t *> tablolar;
};

// The fixed facts of an N x N board.
template <int N>
struct Kare {
    static constexpr int HücreSayısı = N * N;
    static constexpr int Boşluk = HücreSayısı - 1;
    using Hücreler = std::array<std::uint8_t, HücreSayısı>;

    // The cells next to each cell, ended by -1.
    static constexpr std::array<std::array<std::int8_t, 5>, HücreSayısı> Komşular = [] {
        std::array<std::array<std::int8_t, 5>, HücreSayısı> komşular{};
        for (int hücre = 0; hücre < HücreSayısı; ++hücre) {
            int sayı = 0;
            if (hücre >= N) komşular[hücre][sayı++] = std::int8_t(hücre - N);
            if (hücre % N > 0) komşular[hücre][sayı++] = std::int8_t(hücre - 1);
            if (hücre % N < N - 1) komşular[hücre][sayı++] = std::int8_t(hücre + 1);
            if (hücre < HücreSayısı - N) komşular[hücre][sayı++] = std::int8_t(hücre + N);
            komşular[hücre][sayı] = -1;
        }
        return komşular;
    }();

    // Row and column swapped, which keeps the gap's home; a tile's home is its number, so tiles
    // map the same way as cells.
    static constexpr std::array<std::uint8_t, HücreSayısı> Yansıma = [] {
        std::array<std::uint8_t, HücreSayısı> yansıma{};
        for (int hücre = 0; hücre < HücreSayısı; ++hücre)
            yansıma[hücre] = std::uint8_t(hücre % N * N + hücre / N);
        return yansıma;
    }();

    // Tile t on cell c is Manhattan[t][c] slides from home.
    static constexpr std::array<std::array<std::uint8_t, HücreSayısı>, HücreSayısı> Manhattan = [] {
        // std::abs is not constexpr before C++23.
        const auto fark = [](int a, int b) { return a > b ? a - b : b - a; };
        std::array<std::array<std::uint8_t, HücreSayısı>, HücreSayısı> uzaklık{};
        for (int taş = 0; taş < HücreSayısı; ++taş)
            for (int hücre = 0; hücre < HücreSayısı; ++hücre)
                uzaklık[taş][hücre] = std::uint8_t(fark(taş / N, hücre / N) + fark(taş % N, hücre % N));
        return uzaklık;
    }();
};

// Where each tile stands in the partition: its group, its slot there, and what the slots weigh.
template <int N>
class DesenDizini {
public:
    static constexpr std::uint8_t YokGrup = 0xFF;

    explicit DesenDizini(const DesenTakımı &takım)
    {
        grup.fill(YokGrup);
        for (std::size_t g = 0; g < takım.gruplar.size(); ++g) {
            const std::vector<int> &taşlar = takım.gruplar[g];
            for (std::size_t s = 0; s < taşlar.size(); ++s) {
                grup[taşlar[s]] = std::uint8_t(g);
                yuva[taşlar[s]] = std::uint8_t(s);
                çarpanlar[g][s] = SıraÇarpanı(N, int(taşlar.size()), int(s));
            }
        }
    }

    int Grup(int taş) const { return grup[taş]; }

    // How the rank of the group of `taş` changes when it slides from `nereden` to `nereye`.
    std::int32_t Fark(const typename Kare<N>::Hücreler &hücreler, int taş, int nereden, int nereye) const
    {
        const int g = grup[taş];
        return SıraFarkı<N>(çarpanlar[g].data(), yuva[taş], nereden, nereye, [&](int hücre) {
            const int öteki = hücreler[hücre];
            return grup[öteki] == g ? int(yuva[öteki]) : -1;
        });
    }

private:
    std::array<std::uint8_t, Kare<N>::HücreSayısı> grup{}, yuva{};
    std::array<std::array<std::uint32_t, 8>, DesenEnÇokGrup> çarpanlar{};
};

// One side of the estimate, the board itself or its reflection: each group's rank and entry.
template <int N>
struct DesenYüzü {
    using K = Kare<N>;

    typename K::Hücreler hücreler;
    std::array<std::uint32_t, DesenEnÇokGrup> sıralar;
    std::array<std::uint8_t, DesenEnÇokGrup> fazlalar;
    int fazlaToplamı;

    void Kur(const DesenTakımı &takım, const typename K::Hücreler &yeniHücreler)
    {
        hücreler = yeniHücreler;
        fazlaToplamı = 0;
        for (std::size_t g = 0; g < takım.gruplar.size(); ++g) {
            std::uint8_t yerler[8];
            const std::vector<int> &taşlar = takım.gruplar[g];
            for (std::size_t s = 0; s < taşlar.size(); ++s)
                for (int hücre = 0; hücre < K::HücreSayısı; ++hücre)
                    if (hücreler[hücre] == taşlar[s])
                        yerler[s] = std::uint8_t(hücre);
            sıralar[g] = YerleşimSırası(N, yerler, int(taşlar.size()));
            fazlalar[g] = std::uint8_t(SıkıFazla(takım.tablolar[g], sıralar[g]));
            fazlaToplamı += fazlalar[g];
        }
    }

    // The tile at `nereden` slides into the gap at `nereye`, its group `g` taking its new rank and entry.
    void Kaydır(int g, int nereden, int nereye, std::uint32_t yeniSıra, std::uint8_t yeniFazla)
    {
        fazlaToplamı += int(yeniFazla) - int(fazlalar[g]);
        sıralar[g] = yeniSıra;
        fazlalar[g] = yeniFazla;
        hücreler[nereye] = hücreler[nereden];
        hücreler[nereden] = K::Boşluk;
    }
};

// The reflection of a board's cells.
template <int N>
typename Kare<N>::Hücreler Yansıtılmış(const typename Kare<N>::Hücreler &hücreler)
{
    typename Kare<N>::Hücreler yansımış{};
    for (int hücre = 0; hücre < Kare<N>::HücreSayısı; ++hücre)
        yansımış[Kare<N>::Yansıma[hücre]] = Kare<N>::Yansıma[hücreler[hücre]];
    return yansımış;
}
