#include "Yerlesim.h"

#include "Yuvarlama.h"

#include <algorithm>

QSize ParçaBoyutu(int bölmeSayısı, QSize çerçeve)
{
    const double n = bölmeSayısı;
    return QSize(EnYakın((çerçeve.width() - 2 * Yerleşim::SolKenar - n * Yerleşim::Aralık) / n),
                 EnYakın((çerçeve.height() - Yerleşim::ÜstKenar * 1.6 - n * Yerleşim::Aralık) / n));
}

QPoint ParçaKonumu(int konum, int bölmeSayısı, QSize parçaBoyutu)
{
    return QPoint(Yerleşim::SolKenar + (konum % bölmeSayısı) * (parçaBoyutu.width() + Yerleşim::Aralık),
                  Yerleşim::ÜstKenar + (konum / bölmeSayısı) * (parçaBoyutu.height() + Yerleşim::Aralık));
}

namespace {

// Start and length of cell `sıra` along one side of `uzunluk` photo pixels.
std::pair<int, int> Hücre(int sıra, int bölmeSayısı, int uzunluk)
{
    const double pay = double(uzunluk) / bölmeSayısı;
    const int boy = std::clamp(EnYakın(pay), 1, uzunluk);
    const int baş = std::clamp(EnYakın(pay * sıra), 0, uzunluk - boy);
    return {baş, boy};
}

}  // namespace

QRect ParçaKaynağı(int parça, int bölmeSayısı, QSize fotoğraf)
{
    const auto [sol, genişlik] = Hücre(parça % bölmeSayısı, bölmeSayısı, fotoğraf.width());
    const auto [üst, yükseklik] = Hücre(parça / bölmeSayısı, bölmeSayısı, fotoğraf.height());
    return QRect(sol, üst, genişlik, yükseklik);
}
