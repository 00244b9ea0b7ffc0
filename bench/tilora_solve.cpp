// tilora-solve: solves the positions read from standard input, one a line, as the N² Tags of the
// positions row by row with N² - 1 at the empty place. Writes for each "LENGTH MILLISECONDS
// MOVES..." (the positions to click, in order) or "unsolvable MILLISECONDS". A line that is no
// 3 x 3, 4 x 4 or 5 x 5 arrangement is told on standard error and skipped; the exit status is
// then 1. Standard error's first line says how long the 4 x 4 tables took to get ready.
// Usage: tilora-solve [--cache FOLDER] < positions

#include "Cozucu.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// The Tags of the line, or an empty list with `hata` saying what is wrong.
QList<int> Etiketler(const QString &satır, QString &hata)
{
    const QStringList parçalar = satır.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int n = parçalar.size() == 9 ? 3 : parçalar.size() == 16 ? 4 : parçalar.size() == 25 ? 5 : 0;
    if (n == 0) {
        hata = QStringLiteral("%1 numbers, not 9, 16 or 25").arg(parçalar.size());
        return {};
    }
    QList<int> etiketler;
    QList<bool> görülen(n * n, false);
    for (const QString &parça : parçalar) {
        bool sayı = false;
        const int etiket = parça.toInt(&sayı);
        if (!sayı || etiket < 0 || etiket >= n * n || görülen[etiket]) {
            hata = QStringLiteral("\"%1\" is no number from 0 to %2 not seen before on the line").arg(parça).arg(n * n - 1);
            return {};
        }
        görülen[etiket] = true;
        etiketler.append(etiket);
    }
    return etiketler;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication uygulama(argc, argv);
    // The game's own name, so that both share the tables in the cache.
    QCoreApplication::setApplicationName(QStringLiteral("tilora"));
    QCommandLineParser seçenekler;
    seçenekler.setApplicationDescription(QStringLiteral("Solves sliding-tile positions read from standard input."));
    seçenekler.addHelpOption();
    const QCommandLineOption önbellek(QStringLiteral("cache"), QStringLiteral("Folder of the 4 x 4 tables."),
                                      QStringLiteral("folder"),
                                      QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    seçenekler.addOption(önbellek);
    seçenekler.process(uygulama);

    Çözücü çözücü(seçenekler.value(önbellek));
    const std::atomic<bool> vazgeçilmez{false};
    QElapsedTimer saat;
    saat.start();
    çözücü.TablolarıBekle(vazgeçilmez);
    std::fprintf(stderr, "tables ready in %.0f ms\n", saat.nsecsElapsed() / 1e6);

    int çıkış = 0;
    std::string satır;
    for (int satırNo = 1; std::getline(std::cin, satır); ++satırNo) {
        const QString metin = QString::fromStdString(satır).trimmed();
        if (metin.isEmpty())
            continue;
        QString hata;
        const QList<int> etiketler = Etiketler(metin, hata);
        if (etiketler.isEmpty()) {
            std::fprintf(stderr, "line %d: %s\n", satırNo, qPrintable(hata));
            çıkış = 1;
            continue;
        }
        saat.restart();
        const Çözüm çözüm = çözücü.Çöz(etiketler, int(etiketler.indexOf(etiketler.size() - 1)), vazgeçilmez);
        const double süre = saat.nsecsElapsed() / 1e6;
        if (çözüm.durum == Çözüm::Durum::Çözülemez) {
            std::printf("unsolvable %.3f\n", süre);
            continue;
        }
        std::printf("%lld %.3f", static_cast<long long>(çözüm.hamleler.size()), süre);
        for (const int konum : çözüm.hamleler)
            std::printf(" %d", konum);
        std::printf("\n");
    }
    return çıkış;
}
