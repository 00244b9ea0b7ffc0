// tilora-write: one write of a file of the game's own, as the game makes it, for the full-disk
// check: prints "written", or "not written: REASON" when the file was left as it was. The exit
// status is 0 either way; anything else is a crash.
// Usage: tilora-write results FILE COUNT   adds COUNT results of new photos to the best results
//        tilora-write tables FOLDER        builds and writes the solver's table of tiles 0 to 3

#include "CalismaHatasi.h"
#include "DesenDosyasi.h"
#include "DesenKurulumu.h"
#include "EnIyiSonuclar.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

namespace {

void SonuçlarıYaz(const QString &dosya, int sayı)
{
    EnİyiSonuçlar sonuçlar(dosya);
    const qint64 an = QDateTime::currentMSecsSinceEpoch();
    for (int sıra = 0; sıra < sayı; ++sıra)
        sonuçlar.Ekle({3 + sıra % 3, QStringLiteral("/home/player/Pictures/photo-%1-%2.jpg").arg(an).arg(sıra), {4000, 3000}},
                      60 + sıra, 30 + sıra);
    sonuçlar.Kaydet();
}

void TabloyuYaz(const QString &klasör)
{
    const std::atomic<bool> dur{false};
    DesenDosyasınıYaz(klasör, 4, DesenDosyasıKur(4, {{0, 1, 2, 3}}, dur));
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication uygulama(argc, argv);
    const QStringList bağımsızlar = QCoreApplication::arguments().mid(1);
    const QString ne = bağımsızlar.value(0);
    if (!(ne == QLatin1String("results") && bağımsızlar.size() == 3) && !(ne == QLatin1String("tables") && bağımsızlar.size() == 2)) {
        std::fputs("usage: tilora-write results FILE COUNT | tilora-write tables FOLDER\n", stderr);
        return 2;
    }
    try {
        if (ne == QLatin1String("results"))
            SonuçlarıYaz(bağımsızlar[1], bağımsızlar[2].toInt());
        else
            TabloyuYaz(bağımsızlar[1]);
    } catch (const ÇalışmaHatası &hata) {
        std::printf("not written: %s\n", qPrintable(hata.Açıklama()));
        return 0;
    }
    std::puts("written");
    return 0;
}
