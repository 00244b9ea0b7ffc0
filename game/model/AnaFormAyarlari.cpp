#include "AnaFormAyarlari.h"

#include "Donusumler.h"
#include "Yuvarlama.h"

#include <cmath>
#include <exception>
#include <functional>

namespace {

const QString Bölüm = QStringLiteral("Ayarlar");

template <typename T>
Okunan<T> Çevir(const std::function<T()> &çevirme)
{
    try {
        return çevirme();
    } catch (const ÇalışmaHatası &hata) {
        return hata;
    }
}

// A check box's stored value: 0 clear, 1 ticked, 2 grey.
Qt::CheckState OnayDurumu(const QString &metin)
{
    switch (Tamsayıya(metin)) {
    case 0: return Qt::Unchecked;
    case 1: return Qt::Checked;
    case 2: return Qt::PartiallyChecked;
    default: throw ÇalışmaHatası(HataNo::GeçersizÖzellikDeğeri);
    }
}

QString OnayDeğeri(Qt::CheckState durum)
{
    switch (durum) {
    case Qt::Unchecked: return QStringLiteral("0");
    case Qt::Checked: return QStringLiteral("1");
    case Qt::PartiallyChecked: return QStringLiteral("2");
    }
    return QStringLiteral("0");
}

// A stored window edge in twips, within what a window system can place.
int KenarPikseli(const QString &metin)
{
    const float twip = TekDuyarlığa(metin);
    if (std::abs(twip) > 32767.0f * TwipBaşınaPiksel)
        throw ÇalışmaHatası(HataNo::Taşma);
    return Piksel(twip);
}

}  // namespace

AnaFormAyarları AnaFormAyarları::Oku(const AyarDeposu &depo, const QString &varsayılanFotoğraf)
{
    const auto oku = [&](const char *anahtar, const QString &varsayılan = {}) {
        return depo.Oku(Bölüm, QLatin1String(anahtar), varsayılan);
    };
    const auto onay = [&](const char *anahtar, const char *varsayılan) {
        return Çevir<Qt::CheckState>([&] { return OnayDurumu(oku(anahtar, QLatin1String(varsayılan))); });
    };
    AnaFormAyarları ayarlar;
    ayarlar.örnekGöster = onay("Ornek Goster", "1");
    ayarlar.sesleriKapat = onay("Sesleri Kapat", "0");
    ayarlar.oyunuKaydet = onay("Oyunu Kaydet", "0");
    ayarlar.sonFotoğraf = oku("Son Fotograf", varsayılanFotoğraf);
    ayarlar.sonBölme = Çevir<qint16>([&] {
        const qint16 bölme = Tamsayıya(oku("Son Bolme", QStringLiteral("0")));
        if (bölme < 0 || bölme > 2)
            throw ÇalışmaHatası(HataNo::GeçersizÖzellikDeğeri,
                                QStringLiteral("The stored division %1 is none of 3 x 3, 4 x 4 and 5 x 5.").arg(bölme));
        return bölme;
    });
    ayarlar.yer = Çevir<PencereYeri>([&] {
        const auto kenar = [&](const char *anahtar) -> std::optional<int> {
            const QString metin = oku(anahtar);
            return metin.isEmpty() ? std::nullopt : std::optional(KenarPikseli(metin));
        };
        return PencereYeri{kenar("Sol Bosluk"), kenar("Ust Bosluk")};
    });
    return ayarlar;
}

void AnaFormAyarları::Yaz(AyarDeposu &depo) const
{
    const auto yaz = [&](const char *anahtar, const std::function<QString()> &değer) {
        try {
            depo.Yaz(Bölüm, QLatin1String(anahtar), değer());
        } catch (const ÇalışmaHatası &) {
        } catch (const std::exception &) {
        }
    };
    std::optional<PencereYeri> pencere;
    try {
        pencere = yer.Değer();
    } catch (const ÇalışmaHatası &) {
    }
    if (pencere && pencere->sol && pencere->üst) {
        yaz("Sol Bosluk", [&] { return QString::number(*pencere->sol * TwipBaşınaPiksel); });
        yaz("Ust Bosluk", [&] { return QString::number(*pencere->üst * TwipBaşınaPiksel); });
    }
    yaz("Son Bolme", [&] { return QString::number(sonBölme.Değer()); });
    yaz("Son Fotograf", [&] { return sonFotoğraf; });
    yaz("Ornek Goster", [&] { return OnayDeğeri(örnekGöster.Değer()); });
    yaz("Oyunu Kaydet", [&] { return OnayDeğeri(oyunuKaydet.Değer()); });
    yaz("Sesleri Kapat", [&] { return OnayDeğeri(sesleriKapat.Değer()); });
}

namespace {

const QString PencereBölümü = QStringLiteral("Pencere");
// A stored side beyond this is no window's.
constexpr int EnUzunKenar = 32767;

}  // namespace

PencereDurumu PencereDurumu::Oku(const AyarDeposu &depo)
{
    const auto oku = [&](const char *anahtar) { return depo.Oku(PencereBölümü, QLatin1String(anahtar)); };
    PencereDurumu durum;
    bool genişlikVar = false, yükseklikVar = false;
    const int genişlik = oku("Genislik").toInt(&genişlikVar);
    const int yükseklik = oku("Yukseklik").toInt(&yükseklikVar);
    if (genişlikVar && yükseklikVar && genişlik > 0 && yükseklik > 0 && genişlik <= EnUzunKenar && yükseklik <= EnUzunKenar)
        durum.alan = QSize(genişlik, yükseklik);
    durum.ekranıKaplar = oku("Ekrani Kapla") == QLatin1String("1");
    durum.tamEkran = oku("Tam Ekran") == QLatin1String("1");
    return durum;
}

void PencereDurumu::Yaz(AyarDeposu &depo) const
{
    depo.TekYazımda([&] {
        if (alan) {
            depo.Yaz(PencereBölümü, QStringLiteral("Genislik"), QString::number(alan->width()));
            depo.Yaz(PencereBölümü, QStringLiteral("Yukseklik"), QString::number(alan->height()));
        }
        depo.Yaz(PencereBölümü, QStringLiteral("Ekrani Kapla"), ekranıKaplar ? QStringLiteral("1") : QStringLiteral("0"));
        depo.Yaz(PencereBölümü, QStringLiteral("Tam Ekran"), tamEkran ? QStringLiteral("1") : QStringLiteral("0"));
    });
}
