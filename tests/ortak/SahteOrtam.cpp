#include "SahteOrtam.h"

#include "AyarDeposu.h"
#include "EnIyiSonuclar.h"
#include "FotografOnbellegi.h"
#include "Kimlik.h"
#include "OrtakDegiskenler.h"
#include "SistemKapanisi.h"

#include <QFile>

SahteOrtam::SahteOrtam() : gerçek(ortam())
{
    AyarUygulaması = AyarUygulamasıAdı(QString::fromUtf8(Kimlik::ÜrünAdı));
    EnİyiSonuçlarKlasörünüBelirle(ayarKlasörü.path() + QStringLiteral("/veri"));
    ProgramKlasörü = ayarKlasörü.path() + QStringLiteral("/program/");
    FotoğrafYolu.clear();
    SonBölme = 0;
    AyarKlasörünüBelirle(ayarKlasörü.path());
    FotoğrafÖnbelleğiKlasörünüBelirle(ayarKlasörü.path() + QStringLiteral("/onbellek"));
    // The main window opens at the design's own size unless a test says otherwise.
    OyunSeçenekleri().Yaz(QStringLiteral("Pencere"), QStringLiteral("Genislik"), QStringLiteral("634"));
    OyunSeçenekleri().Yaz(QStringLiteral("Pencere"), QStringLiteral("Yukseklik"), QStringLiteral("413"));
    SistemKapanışı::Unut();

    Ortam &o = ortam();
    o.mesajKutusu = [this](const MesajKutusuİsteği &istek) {
        mesajlar.append(istek);
        if (mesajAçıkken)
            mesajAçıkken(istek);
        if (!yanıtlar.isEmpty())
            return yanıtlar.takeFirst();
        return istek.düğmeler == MesajDüğmeleri::Tamam ? MesajYanıtı::Tamam : MesajYanıtı::Evet;
    };
    o.sesAygıtıVar = [this] { return sesAygıtı; };
    o.sesÇal = [this](const QString &ad) { sesler.append(ad); };
    o.adresAç = [this](const QUrl &adres) { adresler.append(adres); };
    o.programıSonlandır = [this] {
        ++sonlandırmalar;
        throw ProgramSonlandı{};
    };
    o.sürümSorgula = [this] { return sürüm; };
}

SahteOrtam::~SahteOrtam()
{
    ortam() = gerçek;
    AyarlarıKapat();
    SistemKapanışı::Unut();
}

QString SahteOrtam::AyarMetni() const
{
    QFile dosya(ayarKlasörü.path() + QStringLiteral("/Orvane/Velbor-Eng.ini"));
    return dosya.open(QIODevice::ReadOnly) ? QString::fromUtf8(dosya.readAll()) : QString();
}
