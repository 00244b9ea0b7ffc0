#include "Cozucu.h"

#include "BuyukTahtaCozumu.h"
#include "Tahta.h"
#include "TabloHazirligi.h"
#include "UcluTablo.h"

#include <algorithm>

namespace {

std::vector<std::vector<int>> Bölüm(const QList<QList<int>> &desenler)
{
    std::vector<std::vector<int>> bölüm;
    for (const QList<int> &desen : desenler)
        bölüm.emplace_back(desen.begin(), desen.end());
    return bölüm;
}

// The board's cells with the gap as N² - 1, when it is an N x N board of 3 to 5 a side whose
// positions other than `boşKonum` hold each piece 0..N²-2 once.
std::optional<KareTahta> Dizilim(const QList<int> &etiketler, int boşKonum)
{
    const int konumSayısı = int(etiketler.size());
    int n = 3;
    while (n < 5 && n * n < konumSayısı)
        ++n;
    if (n * n != konumSayısı || boşKonum < 0 || boşKonum >= konumSayısı)
        return std::nullopt;
    KareTahta tahta{n, std::vector<int>(etiketler.begin(), etiketler.end()), boşKonum};
    tahta.hücreler[boşKonum] = konumSayısı - 1;
    std::vector<bool> görülen(std::size_t(konumSayısı), false);
    for (const int taş : tahta.hücreler) {
        if (taş < 0 || taş >= konumSayısı || görülen[taş])
            return std::nullopt;
        görülen[taş] = true;
    }
    return tahta;
}

}  // namespace

Çözücü::Çözücü(const QString &önbellekKlasörü)
    : Çözücü(önbellekKlasörü, VarsayılanDesenler())
{
}

Çözücü::Çözücü(const QString &önbellekKlasörü, const QList<QList<int>> &desenler)
{
    std::vector<std::vector<int>> bölüm = Bölüm(desenler);
    if (!GeçerliBölüm(bölüm))
        bölüm = Bölüm(VarsayılanDesenler());
    hazırlık = std::make_unique<TabloHazırlığı>(önbellekKlasörü, std::move(bölüm));
}

Çözücü::~Çözücü() = default;

QList<QList<int>> Çözücü::VarsayılanDesenler()
{
    return {{0, 1, 4, 5, 8, 9}, {2, 3, 6, 7, 10, 11}, {12, 13, 14}};
}

void Çözücü::TablolarıHazırla()
{
    hazırlık->Başlat();
}

bool Çözücü::TablolarıBekle(const std::atomic<bool> &vazgeç)
{
    return hazırlık->Bekle(vazgeç) != nullptr;
}

Çözüm Çözücü::Çöz(const QList<int> &etiketler, int boşKonum, const std::atomic<bool> &vazgeç) const
{
    const std::optional<KareTahta> tahta = Dizilim(etiketler, boşKonum);
    if (!tahta || !ÇözülebilirMi(etiketler, boşKonum))
        return {Çözüm::Durum::Çözülemez, {}, false};

    const AramaSınırı sınır(vazgeç);
    std::vector<int> hamleler;
    bool bulundu = false;
    switch (tahta->n) {
    case 3: {
        ÜçlüHücreler hücreler{};
        std::copy(tahta->hücreler.begin(), tahta->hücreler.end(), hücreler.begin());
        hamleler = ÜçlüTablo::Ortak().Çöz(hücreler);
        bulundu = true;
        break;
    }
    case 4:
        if (const DesenTakımı *takım = hazırlık->Bekle(vazgeç)) {
            DörtlüHücreler hücreler{};
            std::copy(tahta->hücreler.begin(), tahta->hücreler.end(), hücreler.begin());
            bulundu = DörtlüEnKısaÇözüm(*takım, hücreler, sınır, hamleler);
        }
        break;
    default:
        hazırlık->Başlat();
        bulundu = BeşlikÇöz(*tahta, hazırlık->Hazırsa(), sınır, hamleler);
        break;
    }
    if (!bulundu)
        return {};
    return {Çözüm::Durum::Çözüldü, QList<int>(hamleler.begin(), hamleler.end()), tahta->n < 5 || hamleler.empty()};
}
