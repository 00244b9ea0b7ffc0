#include "Cozucu.h"

#include "BuyukTahtaCozumu.h"
#include "DortluArama.h"
#include "KademeliYerlestirme.h"
#include "TabloHazirligi.h"
#include "Tahta.h"
#include "UcluTablo.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

DesenBölümü Bölüm(int n, const QList<QList<int>> &desenler)
{
    DesenBölümü bölüm;
    for (const QList<int> &desen : desenler)
        bölüm.emplace_back(desen.begin(), desen.end());
    return GeçerliBölüm(n, bölüm) ? bölüm : VarsayılanBölüm(n);
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

// True when the slides are taken one by one, each next to the gap, and leave the board home.
bool EveGötürür(KareTahta tahta, const std::vector<int> &hamleler)
{
    for (const int hücre : hamleler) {
        if (!tahta.KomşuMu(hücre))
            return false;
        tahta.Kaydır(hücre);
    }
    return tahta.Evde();
}

}  // namespace

Çözücü::Çözücü(const QString &önbellekKlasörü)
    : Çözücü(önbellekKlasörü, QCoreApplication::applicationDirPath(), {}, {})
{
}

Çözücü::Çözücü(const QString &önbellekKlasörü, const QString &kurulumKlasörü, const QList<QList<int>> &dörtlüDesenler,
               const QList<QList<int>> &beşliDesenler)
    : dörtlü(std::make_unique<TabloHazırlığı>(kurulumKlasörü, önbellekKlasörü, 4, Bölüm(4, dörtlüDesenler))),
      beşli(std::make_unique<TabloHazırlığı>(kurulumKlasörü, önbellekKlasörü, 5, Bölüm(5, beşliDesenler)))
{
}

Çözücü::~Çözücü() = default;

void Çözücü::TablolarıHazırla()
{
    dörtlü->Başlat();
    beşli->Başlat();
}

bool Çözücü::TablolarıBekle(const std::atomic<bool> &vazgeç)
{
    TablolarıHazırla();
    return dörtlü->Bekle(vazgeç) && beşli->Bekle(vazgeç);
}

Çözüm Çözücü::Çöz(const QList<int> &etiketler, int boşKonum, const std::atomic<bool> &vazgeç) const
{
    const std::optional<KareTahta> tahta = Dizilim(etiketler, boşKonum);
    if (!tahta || !ÇözülebilirMi(etiketler, boşKonum))
        return {Çözüm::Durum::Çözülemez, {}, false};

    const AramaSınırı sınır(vazgeç);
    std::vector<int> hamleler;
    bool enKısa = true;
    if (tahta->n == 3) {
        ÜçlüHücreler hücreler{};
        std::copy(tahta->hücreler.begin(), tahta->hücreler.end(), hücreler.begin());
        hamleler = ÜçlüTablo::Ortak().Çöz(hücreler);
    } else {
        TabloHazırlığı &hazırlık = tahta->n == 4 ? *dörtlü : *beşli;
        const std::shared_ptr<const DesenTakımı> takım = hazırlık.Bekle(vazgeç);
        if (!takım)
            return {};
        const bool bulundu = tahta->n == 4 ? DörtlüEnKısaÇözüm(*takım, *tahta, sınır, hamleler)
                                           : BeşlikÇöz(*tahta, *takım, sınır, hamleler);
        if (sınır.Vazgeçildi())
            return {};
        enKısa = tahta->n == 4;
        const bool yanılmaz = bulundu && EveGötürür(*tahta, hamleler) &&
                              (tahta->n == 5 || DörtlüTahminTutarlı(*takım, *tahta, hamleler));
        if (!yanılmaz) {
            // Only tables that are not what their file claims can lead here.
            hazırlık.Güvenme(takım);
            hamleler.clear();
            enKısa = false;
            if (!KademeliÇöz(*tahta, sınır, hamleler))
                return {};
        }
    }
    if (!EveGötürür(*tahta, hamleler))
        return {};
    return {Çözüm::Durum::Çözüldü, QList<int>(hamleler.begin(), hamleler.end()), enKısa || hamleler.empty()};
}
