#include "SikiDesen.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int EnÇokFazla = 7;

// Visits the placements in the order of their ranks, each with its tiles' Manhattan distance.
class Paketleyici {
public:
    Paketleyici(int n, const std::vector<int> &taşlar, const std::vector<std::uint8_t> &uzaklıklar)
        : n(n), taşlar(taşlar), uzaklıklar(uzaklıklar), tablo(SıkıBoyut(uzaklıklar.size()), 0)
    {
    }

    std::vector<std::uint8_t> Paketle()
    {
        Yerleştir(0, 0, 0);
        return std::move(tablo);
    }

private:
    // A slot's cells are taken in increasing order among those the earlier slots leave free,
    // as the rank counts them.
    void Yerleştir(std::size_t yuva, std::uint32_t dolu, int manhattan)
    {
        if (yuva == taşlar.size()) {
            Yaz(std::clamp((int(uzaklıklar[sıra]) - manhattan) / 2, 0, EnÇokFazla));
            ++sıra;
            return;
        }
        const int ev = taşlar[yuva];
        for (int hücre = 0; hücre < n * n; ++hücre)
            if ((dolu >> hücre & 1) == 0)
                Yerleştir(yuva + 1, dolu | 1u << hücre,
                          manhattan + std::abs(hücre / n - ev / n) + std::abs(hücre % n - ev % n));
    }

    void Yaz(int fazla)
    {
        const std::size_t bit = sıra * 3;
        const unsigned kaymış = unsigned(fazla) << (bit % 8);
        tablo[bit / 8] |= std::uint8_t(kaymış);
        tablo[bit / 8 + 1] |= std::uint8_t(kaymış >> 8);
    }

    const int n;
    const std::vector<int> &taşlar;
    const std::vector<std::uint8_t> &uzaklıklar;
    std::vector<std::uint8_t> tablo;
    std::size_t sıra = 0;
};

}  // namespace

std::size_t SıkıBoyut(std::size_t yerleşimSayısı)
{
    return (yerleşimSayısı * 3 + 7) / 8 + 1;
}

std::vector<std::uint8_t> Sıkıştır(int n, const std::vector<int> &taşlar, const std::vector<std::uint8_t> &uzaklıklar)
{
    return Paketleyici(n, taşlar, uzaklıklar).Paketle();
}
