#include "Tahta.h"

#include <cmath>
#include <cstdlib>

Tahta::Tahta(int bölmeSayısı)
{
    Böl(bölmeSayısı);
}

void Tahta::Böl(int yeniBölmeSayısı)
{
    bölmeSayısı = yeniBölmeSayısı;
    etiketler = QList<int>(KonumSayısı(), EtiketYok);
    boşParçaNo = KonumSayısı() - 1;
}

void Tahta::Dağıt(const QList<int> &dağıtım)
{
    etiketler = dağıtım;
    boşParçaNo = KonumSayısı() - 1;
    etiketler[boşParçaNo] = boşParçaNo;
}

void Tahta::Yerleştir(const QList<int> &yeniEtiketler, int boşKonum)
{
    etiketler = yeniEtiketler;
    boşParçaNo = boşKonum;
}

bool Tahta::KomşuMu(int tıklanan) const
{
    if (tıklanan < 0 || tıklanan >= KonumSayısı())
        return false;
    const int satırFarkı = std::abs(tıklanan / bölmeSayısı - boşParçaNo / bölmeSayısı);
    const int sütunFarkı = std::abs(tıklanan % bölmeSayısı - boşParçaNo % bölmeSayısı);
    return satırFarkı + sütunFarkı == 1;
}

bool Tahta::Kaydır(int tıklanan)
{
    if (!KomşuMu(tıklanan))
        return false;
    etiketler[boşParçaNo] = etiketler[tıklanan];
    boşParçaNo = tıklanan;
    return true;
}

bool Tahta::TamamlandıMı() const
{
    for (int konum = 0; konum < KonumSayısı() - 1; ++konum)
        if (etiketler[konum] != konum)
            return false;
    return true;
}

bool ÇözülebilirMi(const QList<int> &etiketler, int boşKonum)
{
    const int konumSayısı = int(etiketler.size());
    const int bölmeSayısı = int(std::lround(std::sqrt(double(konumSayısı))));
    QList<int> parçalar = etiketler;
    parçalar[boşKonum] = konumSayısı - 1;
    // A permutation of n elements with c cycles is even exactly when n - c is.
    QList<bool> görüldü(konumSayısı, false);
    int döngüler = 0;
    for (int baş = 0; baş < konumSayısı; ++baş) {
        if (görüldü[baş])
            continue;
        ++döngüler;
        for (int konum = baş; !görüldü[konum]; konum = parçalar[konum])
            görüldü[konum] = true;
    }
    const int uzaklık = (bölmeSayısı - 1 - boşKonum / bölmeSayısı) + (bölmeSayısı - 1 - boşKonum % bölmeSayısı);
    return (konumSayısı - döngüler) % 2 == uzaklık % 2;
}
