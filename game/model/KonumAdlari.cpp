#include "KonumAdlari.h"

#include "Dizgeler.h"

namespace {

QString ParçaMetni(int dizge, int parça, int konum, int bölmeSayısı)
{
    return Dizge(dizge).arg(parça + 1).arg(konum / bölmeSayısı + 1).arg(konum % bölmeSayısı + 1);
}

}  // namespace

QString KonumAdı(const Tahta &tahta, int konum, bool oyunSürüyor)
{
    const int n = tahta.BölmeSayısı();
    if (!oyunSürüyor)
        return ParçaMetni(3100, konum, konum, n);
    if (konum == tahta.BoşParçaNo())
        return Dizge(3101).arg(konum / n + 1).arg(konum % n + 1);
    return ParçaMetni(3100, tahta.Etiket(konum), konum, n);
}

QString KaymaAdı(const Tahta &tahta, int konum)
{
    return ParçaMetni(3103, tahta.Etiket(konum), konum, tahta.BölmeSayısı());
}

QString İpucuAdı(const Tahta &tahta, int konum)
{
    return ParçaMetni(3420, tahta.Etiket(konum), konum, tahta.BölmeSayısı());
}
