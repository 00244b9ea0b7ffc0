#include "OyunOturumu.h"

#include "CalismaHatasi.h"
#include "Dagitim.h"
#include "KayitliOyun.h"

#include <exception>
#include <limits>

namespace {

const QString OyunBölümü = QStringLiteral("Oyun");
const QString BilgilerBölümü = QStringLiteral("Oyun\\Bilgiler");

// The saved game's writes and deletions ignore their failures and go on with the next one.
template <typename İş>
void Sessizce(İş iş)
{
    try {
        iş();
    } catch (const ÇalışmaHatası &) {
    } catch (const std::exception &) {
    }
}

}  // namespace

OyunOturumu::OyunOturumu(int bölmeSayısı) : tahta(bölmeSayısı) {}

void OyunOturumu::Böl(int bölmeSayısı)
{
    tahta.Böl(bölmeSayısı);
    // Slides of the board before make no sense on the new one.
    geçmiş.Temizle();
    yardım = {};
}

void OyunOturumu::İpucuGösterildi()
{
    if (sürüyor && yardım.ipucu < std::numeric_limits<qint32>::max())
        ++yardım.ipucu;
}

void OyunOturumu::Dağıt(const std::function<float()> &rastgele)
{
    saat.Sıfırla();
    hamleSayısı = 0;
    tahta.Dağıt(Dağıtım(tahta.BölmeSayısı(), rastgele));
    geçmiş.Temizle();
    yardım = {};
    sürüyor = true;
}

// The tile slides, the count grows and the completion is tested: the click's own rule.
Hamle OyunOturumu::Tıkla(int konum, Kaydıran kaydıran)
{
    if (!sürüyor)
        return {};
    const int boş = tahta.BoşParçaNo();
    if (!tahta.Kaydır(konum))
        return {Hamle::Sonuç::Reddedildi};
    Hamle hamle{Hamle::Sonuç::Kaydı, konum, boş};
    geçmiş.Kaydet(konum, boş);
    if (kaydıran == Kaydıran::Çözücü)
        yardım.çözücü = true;
    hamle.sayıldı = hamleSayısı < std::numeric_limits<qint32>::max();
    if (hamle.sayıldı)
        ++hamleSayısı;
    hamle.tamamlandı = tahta.TamamlandıMı();
    if (hamle.tamamlandı) {
        sürüyor = false;
        geçmiş.Temizle();
    }
    return hamle;
}

Hamle OyunOturumu::Ok(Yön yön)
{
    if (!sürüyor)
        return {};
    if (const std::optional<int> konum = OkunKaydırdığıKonum(tahta, yön))
        return Tıkla(*konum);
    return {Hamle::Sonuç::Reddedildi};
}

std::optional<Hamle> OyunOturumu::GeriAl()
{
    const std::optional<int> konum = geçmiş.GeriAl();
    const int boş = tahta.BoşParçaNo();
    if (!konum || !tahta.Kaydır(*konum))
        return std::nullopt;
    --hamleSayısı;
    return Hamle{Hamle::Sonuç::Kaydı, *konum, boş, true};
}

std::optional<Hamle> OyunOturumu::Yinele()
{
    const std::optional<int> konum = geçmiş.Yinele();
    const int boş = tahta.BoşParçaNo();
    if (!konum || !tahta.Kaydır(*konum))
        return std::nullopt;
    ++hamleSayısı;
    return Hamle{Hamle::Sonuç::Kaydı, *konum, boş, true};
}

bool OyunOturumu::Saatiİlerlet()
{
    return !duraklatıldı && saat.İlerle();
}

void OyunOturumu::SayaçlarıSıfırla()
{
    saat.Sıfırla();
    hamleSayısı = 0;
}

bool OyunOturumu::KayıtlıOyunuBul(const AyarDeposu &depo)
{
    kayıtlıOyun = depo.BölümüOku(OyunBölümü);
    return KayıtlıOyunVar();
}

void OyunOturumu::KayıtlıOyunuGeriYükle(const AyarDeposu &depo, const QString &yardımDosyası)
{
    const auto bilgi = [&](const char *anahtar) {
        return depo.Oku(BilgilerBölümü, QLatin1String(anahtar), QStringLiteral("0"));
    };
    KayıtlıDurum oyun;
    try {
        oyun = KayıtlıOyunuOku(kayıtlıOyun,
                               {bilgi("Saniye Bilgisi"), bilgi("Dakika Bilgisi"), bilgi("Saat Bilgisi"), bilgi("Hamle Bilgisi")},
                               tahta.BölmeSayısı());
    } catch (const ÇalışmaHatası &) {
        kayıtlıOyun.clear();
        throw;
    }
    tahta.Yerleştir(oyun.etiketler, oyun.boşKonum);
    saat = oyun.oyunSaati;
    hamleSayısı = oyun.hamleSayısı;
    geçmiş.Temizle();
    yardım = YardımıOku(yardımDosyası, KayıtlıOyunÖzeti(kayıtlıOyun, depo.BölümüOku(BilgilerBölümü)));
    sürüyor = true;
}

void OyunOturumu::OyunuKaydet(AyarDeposu &depo, const QString &yardımDosyası)
{
    Sessizce([&] { kayıtlıOyun = depo.BölümüOku(OyunBölümü); });
    KayıtlıOyunuSil(depo, yardımDosyası);
    for (const auto &girdi : KayıtGirdileri(tahta))
        Sessizce([&] { depo.Yaz(OyunBölümü, girdi.first, girdi.second); });
    // A clock that has reached 24 hours waits for its notice to turn it back: it is stored as it
    // will stand then, since no start could resume 24 hours.
    const OyunSaati kaydedilen = saat.saat >= 24 ? OyunSaati{} : saat;
    const std::pair<const char *, qint64> bilgiler[] = {{"Saniye Bilgisi", kaydedilen.saniye},
                                                         {"Dakika Bilgisi", kaydedilen.dakika},
                                                         {"Saat Bilgisi", kaydedilen.saat},
                                                         {"Hamle Bilgisi", hamleSayısı}};
    for (const auto &bilgi : bilgiler)
        Sessizce([&] { depo.Yaz(BilgilerBölümü, QLatin1String(bilgi.first), QString::number(bilgi.second)); });
    Sessizce([&] {
        YardımıYaz(yardımDosyası, KayıtlıOyunÖzeti(depo.BölümüOku(OyunBölümü), depo.BölümüOku(BilgilerBölümü)), yardım);
    });
}

// Both sections go in one write: the positions never outlive their clock and count on disk.
void OyunOturumu::KayıtlıOyunuSil(AyarDeposu &depo, const QString &yardımDosyası) const
{
    if (kayıtlıOyun.isEmpty())
        return;
    Sessizce([&] {
        depo.TekYazımda([&] {
            for (const QString &bölüm : {BilgilerBölümü, OyunBölümü})
                Sessizce([&] { depo.BölümüSil(bölüm); });
        });
    });
    Sessizce([&] { YardımıYaz(yardımDosyası, {}, {}); });
}
