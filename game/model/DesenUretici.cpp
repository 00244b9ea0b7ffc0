// Makes the pattern tables the solver maps beside the game: desen-4x4.bin or desen-5x5.bin, of the
// game's own partitions, in the given folder. Run by the build, once.
// Usage: tilora_desen 4|5 FOLDER

#include "CalismaHatasi.h"
#include "DesenDosyasi.h"
#include "DesenKurulumu.h"
#include "GuvenliYazim.h"

#include <QDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const int n = argc == 3 ? std::atoi(argv[1]) : 0;
    if (n != 4 && n != 5) {
        std::fprintf(stderr, "usage: %s 4|5 FOLDER\n", argv[0]);
        return 2;
    }
    const std::atomic<bool> sürsün{false};
    const QString yol = QDir(QString::fromLocal8Bit(argv[2])).filePath(DesenDosyasıAdı(n));
    try {
        DosyayıBütünYaz(yol, DesenDosyasıKur(n, VarsayılanBölüm(n), sürsün));
    } catch (const ÇalışmaHatası &hata) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(yol), qPrintable(hata.Açıklama()));
        return 1;
    }
    return 0;
}
