#include "Tahta.h"

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
