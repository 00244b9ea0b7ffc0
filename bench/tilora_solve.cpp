// tilora-solve: solves the positions read from standard input, one a line, as the N² Tags of the
// positions row by row with N² - 1 at the empty place. Writes for each "LENGTH MILLISECONDS
// MOVES..." (the positions to click, in order) or "unsolvable MILLISECONDS". A line that is no
// 3 x 3, 4 x 4 or 5 x 5 arrangement is told on standard error and skipped; the exit status is
// then 1. Standard error tells first how long the tables took to get ready, cold (their files
// dropped out of the page cache first) and warm, and last the spread of the times by board size,
// the 5 x 5 lengths against a lower bound, and the peak memory.
// Usage: tilora-solve [--tables FOLDER] [--cache FOLDER] < positions

#include "CozucuOlcumu.h"

#include "Cozucu.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <map>
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

// How long the solver takes to get its tables ready.
double HazırlıkSüresi(Çözücü &çözücü)
{
    const std::atomic<bool> vazgeçilmez{false};
    QElapsedTimer saat;
    saat.start();
    çözücü.TablolarıBekle(vazgeçilmez);
    return saat.nsecsElapsed() / 1e6;
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
    const QCommandLineOption tablolar(QStringLiteral("tables"), QStringLiteral("Folder of the tables made with the program."),
                                      QStringLiteral("folder"), QCoreApplication::applicationDirPath());
    const QCommandLineOption önbellek(QStringLiteral("cache"), QStringLiteral("Folder of the tables made when those are missing."),
                                      QStringLiteral("folder"),
                                      QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    seçenekler.addOptions({tablolar, önbellek});
    seçenekler.process(uygulama);

    const double kalan = SayfaÖnbelleğindenAt(TabloDosyaları(seçenekler.value(tablolar)));
    double soğuk = 0;
    {
        Çözücü ilk(seçenekler.value(önbellek), seçenekler.value(tablolar), {}, {});
        soğuk = HazırlıkSüresi(ilk);
    }
    Çözücü çözücü(seçenekler.value(önbellek), seçenekler.value(tablolar), {}, {});
    std::fprintf(stderr, "tables ready in %.0f ms cold (%.0f %% of their pages were left in the page cache), %.0f ms warm\n",
                 soğuk, kalan, HazırlıkSüresi(çözücü));
    const std::atomic<bool> vazgeçilmez{false};
    const BeşliSınır beşliSınır(seçenekler.value(tablolar));

    int çıkış = 0;
    std::map<int, QList<double>> süreler;
    QList<double> beşliOranlar;
    QElapsedTimer saat;
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
        süreler[int(etiketler.size())].append(süre);
        if (etiketler.size() == 25 && !çözüm.hamleler.isEmpty())
            beşliOranlar.append(double(çözüm.hamleler.size()) / beşliSınır(etiketler));
        std::printf("%lld %.3f", static_cast<long long>(çözüm.hamleler.size()), süre);
        for (const int konum : çözüm.hamleler)
            std::printf(" %d", konum);
        std::printf("\n");
    }
    for (const auto &[konumlar, değerler] : süreler)
        Dağılım(stderr, qPrintable(QStringLiteral("%1 x %1 solved, ms").arg(konumlar == 9 ? 3 : konumlar == 16 ? 4 : 5)),
                değerler, "");
    Dağılım(stderr, "5 x 5 slides / lower bound", beşliOranlar, "");
    std::fprintf(stderr, "peak memory (VmHWM) %.1f MB; machine load (1 min) %.2f\n", EnYüksekBellekMB(), Yük());
    return çıkış;
}
