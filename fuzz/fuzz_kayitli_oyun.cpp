// The saved game as the start-up reads it from a settings file: the entries of "Oyun" in their
// order and the four counters of "Oyun\Bilgiler", for each division. Whatever the file holds,
// the check either refuses it with an error or gives a game that can be laid on the board and
// solved, and that the save writes back as the same entries.
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "KayitliOyun.h"
#include "Tahta.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>

namespace {

void Doğrula(bool koşul)
{
    if (!koşul)
        std::abort();
}

QList<AyarGirdisi> Bölüm(const QList<AyarDeposu::Bölüm> &bölümler, const QString &ad)
{
    const auto bulunan = std::find_if(bölümler.cbegin(), bölümler.cend(), [&](const AyarDeposu::Bölüm &b) { return b.ad == ad; });
    return bulunan == bölümler.cend() ? QList<AyarGirdisi>() : bulunan->girdiler;
}

QString Değer(const QList<AyarGirdisi> &girdiler, const char *anahtar)
{
    for (const AyarGirdisi &girdi : girdiler)
        if (girdi.first == QLatin1String(anahtar))
            return girdi.second;
    return QStringLiteral("0");
}

void Sına(const QList<AyarGirdisi> &girdiler, const KayıtBilgileri &bilgiler, int bölmeSayısı)
{
    KayıtlıDurum oyun;
    try {
        oyun = KayıtlıOyunuOku(girdiler, bilgiler, bölmeSayısı);
    } catch (const ÇalışmaHatası &) {
        return;
    }
    const int konumSayısı = bölmeSayısı * bölmeSayısı;
    Doğrula(oyun.etiketler.size() == konumSayısı && oyun.boşKonum >= 0 && oyun.boşKonum < konumSayısı);
    QList<int> parçalar = oyun.etiketler;
    parçalar.removeAt(oyun.boşKonum);
    std::sort(parçalar.begin(), parçalar.end());
    QList<int> beklenen(konumSayısı - 1);
    std::iota(beklenen.begin(), beklenen.end(), 0);
    Doğrula(parçalar == beklenen && ÇözülebilirMi(oyun.etiketler, oyun.boşKonum));
    Doğrula(oyun.oyunSaati.saniye < 60 && oyun.oyunSaati.dakika < 60 && oyun.oyunSaati.saat < 24 && oyun.hamleSayısı >= 0);

    Tahta tahta(bölmeSayısı);
    tahta.Yerleştir(oyun.etiketler, oyun.boşKonum);
    const KayıtlıDurum geriOkunan = KayıtlıOyunuOku(KayıtGirdileri(tahta), bilgiler, bölmeSayısı);
    Doğrula(geriOkunan.etiketler == oyun.etiketler && geriOkunan.boşKonum == oyun.boşKonum);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut)
{
    const QByteArray bayt = QByteArray::fromRawData(reinterpret_cast<const char *>(veri), qsizetype(boyut));
    const std::optional<QList<AyarDeposu::Bölüm>> bölümler = AyarDeposu::Ayrıştır(bayt);
    if (!bölümler)
        return 0;
    const QList<AyarGirdisi> oyun = Bölüm(*bölümler, QStringLiteral("Oyun"));
    const QList<AyarGirdisi> bilgi = Bölüm(*bölümler, QStringLiteral("Oyun\\Bilgiler"));
    const KayıtBilgileri bilgiler{Değer(bilgi, "Saniye Bilgisi"), Değer(bilgi, "Dakika Bilgisi"),
                                  Değer(bilgi, "Saat Bilgisi"), Değer(bilgi, "Hamle Bilgisi")};
    for (const int bölmeSayısı : {3, 4, 5})
        Sına(oyun, bilgiler, bölmeSayısı);
    return 0;
}
