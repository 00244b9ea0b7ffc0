#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <time.h>

// Times of repeated runs of one operation, in milliseconds, reported with their spread.
struct Ölçüm {
    QString ad;
    QList<double> süreler;

    double EnAz() const { return *std::min_element(süreler.begin(), süreler.end()); }
    double EnÇok() const { return *std::max_element(süreler.begin(), süreler.end()); }
    double Ortanca() const
    {
        QList<double> sıralı = süreler;
        std::sort(sıralı.begin(), sıralı.end());
        return sıralı[sıralı.size() / 2];
    }
    void Yazdır() const
    {
        std::printf("%-44s min %8.2f  median %8.2f  max %8.2f ms  (%lld runs)\n", qPrintable(ad), EnAz(), Ortanca(),
                    EnÇok(), static_cast<long long>(süreler.size()));
    }
};

// While it lives and the event loop runs, the longest gap between two turns of the loop: the
// longest the interface was held, in milliseconds.
class Duraklama {
public:
    Duraklama()
    {
        nabız.setTimerType(Qt::PreciseTimer);
        nabız.setInterval(1);
        QObject::connect(&nabız, &QTimer::timeout, [this] {
            enUzun = std::max(enUzun, tik.nsecsElapsed() / 1e6);
            tik.restart();
        });
        tik.start();
        nabız.start();
    }
    double EnUzun() const { return std::max(enUzun, tik.nsecsElapsed() / 1e6); }

private:
    QTimer nabız;
    QElapsedTimer tik;
    double enUzun = 0;
};

// The CPU time the calling thread has used, in milliseconds.
inline double İşParçacığıSüresi()
{
    timespec şimdi{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &şimdi);
    return şimdi.tv_sec * 1e3 + şimdi.tv_nsec / 1e6;
}

// Wall time of one run of `iş`, in milliseconds.
inline double Süre(const std::function<void()> &iş)
{
    QElapsedTimer saat;
    saat.start();
    iş();
    return saat.nsecsElapsed() / 1e6;
}

// Wall time of one run of an outside command, from start to exit, in milliseconds.
inline double KomutSüresi(const QString &program, const QStringList &bağımsızlar)
{
    return Süre([&] {
        QProcess süreç;
        süreç.start(program, bağımsızlar);
        süreç.waitForFinished(-1);
    });
}
