// Placeholder until the file-backed store lands: keeps settings in memory only.
#include "AyarDeposu.h"

#include "CalismaHatasi.h"
#include "OrtakDegiskenler.h"

#include <QStandardPaths>

#include <memory>

AyarDeposu::AyarDeposu(QString dosyaYolu) : dosyaYolu(std::move(dosyaYolu)) {}

QString AyarDeposu::Oku(const QString &bölüm, const QString &anahtar, const QString &varsayılan) const
{
    for (const Bölüm &b : bölümler)
        if (b.ad == bölüm)
            for (const AyarGirdisi &g : b.girdiler)
                if (g.first == anahtar)
                    return g.second;
    return varsayılan;
}

void AyarDeposu::Yaz(const QString &bölüm, const QString &anahtar, const QString &değer)
{
    for (Bölüm &b : bölümler)
        if (b.ad == bölüm) {
            for (AyarGirdisi &g : b.girdiler)
                if (g.first == anahtar) {
                    g.second = değer;
                    return;
                }
            b.girdiler.append({anahtar, değer});
            return;
        }
    bölümler.append({bölüm, {{anahtar, değer}}});
}

void AyarDeposu::BölümüSil(const QString &bölüm)
{
    const auto silinen = bölümler.removeIf([&](const Bölüm &b) {
        return b.ad == bölüm || b.ad.startsWith(bölüm + QLatin1Char('\\'));
    });
    if (silinen == 0)
        throw ÇalışmaHatası(HataNo::GeçersizÇağrı);
}

QList<AyarGirdisi> AyarDeposu::BölümüOku(const QString &bölüm) const
{
    for (const Bölüm &b : bölümler)
        if (b.ad == bölüm)
            return b.girdiler;
    return {};
}

void AyarDeposu::Kaydet(const QList<Bölüm> &yeni)
{
    bölümler = yeni;
}

namespace {
QString &Klasör()
{
    static QString klasör;
    return klasör;
}
std::unique_ptr<AyarDeposu> &Depo()
{
    static std::unique_ptr<AyarDeposu> depo;
    return depo;
}
}  // namespace

QString AyarKlasörü()
{
    return Klasör().isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                              : Klasör();
}

void AyarKlasörünüBelirle(const QString &klasör)
{
    Klasör() = klasör;
    AyarlarıKapat();
}

AyarDeposu &Ayarlar()
{
    if (!Depo()) {
        QString ad = AyarUygulaması;
        Depo() = std::make_unique<AyarDeposu>(AyarKlasörü() + QLatin1Char('/') + ad.replace(QLatin1Char('\\'), QLatin1Char('/')) + QStringLiteral(".ini"));
    }
    return *Depo();
}

void AyarlarıKapat()
{
    Depo().reset();
}
