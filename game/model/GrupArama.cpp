#include "GrupArama.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <cstdint>

namespace {

constexpr int EnÇokTaş = 5;
constexpr std::uint32_t DüğümSınırı = 500'000;
// Twice the node limit, as a power of two, keeps the open-addressing table at most half full.
constexpr int YuvaBitleri = 20;
constexpr std::int32_t BoşYuva = -1;

struct Düğüm {
    std::uint32_t anahtar;  // the cell of each tile, then the gap's, five bits each
    std::uint32_t önceki;
    std::uint16_t g, h;
};

class GrupArayıcı {
public:
    GrupArayıcı(const KareTahta &tahta, std::uint64_t sabit, const std::vector<int> &taşlar)
        : n(tahta.n), taşSayısı(int(taşlar.size())), sabit(sabit), taşlar(taşlar),
          yuvalar(std::size_t(1) << YuvaBitleri, BoşYuva)
    {
        int yerler[EnÇokTaş + 1];
        for (int s = 0; s < taşSayısı; ++s)
            yerler[s] = int(std::find(tahta.hücreler.begin(), tahta.hücreler.end(), taşlar[s]) - tahta.hücreler.begin());
        yerler[taşSayısı] = tahta.boş;
        const std::uint32_t anahtar = Anahtar(yerler);
        Ekle(anahtar, 0, 0, Tahmin(yerler), Yuva(anahtar));
    }

    // The cells to click, home at the end; false when stopped or too many states were seen.
    bool Ara(const AramaSınırı &sınır, std::vector<int> &yol)
    {
        for (std::size_t f = 0, açılan = 0; f < kovalar.size(); ++f) {
            while (!kovalar[f].empty()) {
                const std::uint32_t sıra = kovalar[f].back();
                kovalar[f].pop_back();
                const Düğüm düğüm = düğümler[sıra];
                if (Öncelik(düğüm.g, düğüm.h) != f)
                    continue;  // reached more cheaply since
                if ((++açılan & 0xFFF) == 0 && sınır.Vazgeçildi())
                    return false;
                if (düğüm.h == 0) {
                    for (std::uint32_t geri = sıra; düğümler[geri].önceki != geri; geri = düğümler[geri].önceki)
                        yol.push_back(int(düğümler[geri].anahtar >> (5 * taşSayısı)));
                    std::reverse(yol.begin(), yol.end());
                    return true;
                }
                if (!Aç(sıra))
                    return false;
                f = std::min(f, enKüçükYeni);
            }
        }
        return false;
    }

private:
    std::uint32_t Anahtar(const int *yerler) const
    {
        std::uint32_t anahtar = 0;
        for (int s = taşSayısı; s >= 0; --s)
            anahtar = anahtar << 5 | std::uint32_t(yerler[s]);
        return anahtar;
    }

    int Uzaklık(int a, int b) const { return std::abs(a / n - b / n) + std::abs(a % n - b % n); }

    int Tahmin(const int *yerler) const
    {
        int toplam = 0, enYakın = INT_MAX;
        for (int s = 0; s < taşSayısı; ++s) {
            const int uzaklık = Uzaklık(yerler[s], taşlar[s]);
            toplam += uzaklık;
            if (uzaklık > 0)
                enYakın = std::min(enYakın, Uzaklık(yerler[s], yerler[taşSayısı]));
        }
        // Before any tile of the group moves the gap must come next to it, over other tiles.
        return toplam == 0 ? 0 : toplam + enYakın - 1;
    }

    static std::size_t Öncelik(int g, int h) { return std::size_t(g + h); }

    // The table slot of `anahtar`: where it is, or the empty slot where it would go.
    std::size_t Yuva(std::uint32_t anahtar) const
    {
        std::size_t yuva = (anahtar * 0x9E3779B1u) >> (32 - YuvaBitleri);
        while (yuvalar[yuva] != BoşYuva && düğümler[std::size_t(yuvalar[yuva])].anahtar != anahtar)
            yuva = (yuva + 1) & ((std::size_t(1) << YuvaBitleri) - 1);
        return yuva;
    }

    void Sıraya(std::uint32_t sıra)
    {
        const std::size_t f = Öncelik(düğümler[sıra].g, düğümler[sıra].h);
        if (f >= kovalar.size())
            kovalar.resize(f + 1);
        kovalar[f].push_back(sıra);
        enKüçükYeni = std::min(enKüçükYeni, f);
    }

    // A state seen for the first time; the first of all is its own predecessor.
    void Ekle(std::uint32_t anahtar, std::uint32_t önceki, int g, int h, std::size_t yuva)
    {
        const auto sıra = std::uint32_t(düğümler.size());
        yuvalar[yuva] = std::int32_t(sıra);
        düğümler.push_back({anahtar, düğümler.empty() ? sıra : önceki, std::uint16_t(g), std::uint16_t(h)});
        Sıraya(sıra);
    }

    // Every slide from the state; false when the node limit is reached.
    bool Aç(std::uint32_t sıra)
    {
        enKüçükYeni = SIZE_MAX;
        int yerler[EnÇokTaş + 1];
        for (int s = 0; s <= taşSayısı; ++s)
            yerler[s] = int(düğümler[sıra].anahtar >> (5 * s) & 31);
        const int boş = yerler[taşSayısı];
        const int g = düğümler[sıra].g + 1;
        const std::array<int, 4> komşular{boş >= n ? boş - n : -1, boş % n > 0 ? boş - 1 : -1,
                                          boş % n < n - 1 ? boş + 1 : -1, boş < n * (n - 1) ? boş + n : -1};
        for (const int komşu : komşular) {
            if (komşu < 0 || (sabit >> komşu & 1))
                continue;
            int yeniYerler[EnÇokTaş + 1];
            std::copy(yerler, yerler + taşSayısı + 1, yeniYerler);
            std::replace(yeniYerler, yeniYerler + taşSayısı, komşu, boş);
            yeniYerler[taşSayısı] = komşu;
            const std::uint32_t anahtar = Anahtar(yeniYerler);
            const std::size_t yuva = Yuva(anahtar);
            if (yuvalar[yuva] == BoşYuva) {
                if (düğümler.size() == DüğümSınırı)
                    return false;
                Ekle(anahtar, sıra, g, Tahmin(yeniYerler), yuva);
            } else if (Düğüm &eski = düğümler[std::size_t(yuvalar[yuva])]; g < eski.g) {
                eski.g = std::uint16_t(g);
                eski.önceki = sıra;
                Sıraya(std::uint32_t(yuvalar[yuva]));
            }
        }
        return true;
    }

    const int n, taşSayısı;
    const std::uint64_t sabit;
    const std::vector<int> &taşlar;
    std::vector<Düğüm> düğümler;
    std::vector<std::int32_t> yuvalar;
    std::vector<std::vector<std::uint32_t>> kovalar;  // states by their order of g and h
    std::size_t enKüçükYeni = SIZE_MAX;
};

}  // namespace

bool GrubuYerleştir(KareTahta &tahta, std::uint64_t sabit, const std::vector<int> &taşlar, const AramaSınırı &sınır,
                    std::vector<int> &hamleler)
{
    std::vector<int> yol;
    if (!GrupArayıcı(tahta, sabit, taşlar).Ara(sınır, yol))
        return false;
    for (const int hücre : yol)
        tahta.Kaydır(hücre);
    hamleler.insert(hamleler.end(), yol.begin(), yol.end());
    return true;
}
