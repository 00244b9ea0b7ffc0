// Start-up: from starting the process to the first painted main window, side by side with a
// bare Qt widget program, and the memory each holds by then.
// Usage: bench_baslangic [PHOTO_FOLDER]   (the folder is not used; runs itself as the child)
//        bench_baslangic --child tilora|bare

#include "Olcum.h"

#include "Baslangic.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <sys/resource.h>

#include <cstdlib>

namespace {

// Ends the process at the first paint of a top-level window, reporting the memory in use.
class İlkBoyama : public QObject {
protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override
    {
        if (olay->type() == QEvent::Paint && nesne->isWidgetType() && static_cast<QWidget *>(nesne)->isWindow()) {
            rusage kullanım{};
            getrusage(RUSAGE_SELF, &kullanım);
            std::printf("painted %ld\n", kullanım.ru_maxrss);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

void FiltreyiKur()
{
    QCoreApplication::instance()->installEventFilter(new İlkBoyama);
}

int Çocuk(int argc, char *argv[], bool oyunMu)
{
    qAddPreRoutine(FiltreyiKur);
    if (oyunMu)
        return Main(argc, argv);
    QApplication uygulama(argc, argv);
    QWidget pencere;
    pencere.resize(634, 413);
    pencere.show();
    return uygulama.exec();
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return Çocuk(1, argv, qstrcmp(argv[2], "tilora") == 0);

    QCoreApplication uygulama(argc, argv);
    QTemporaryDir ayarlar, çalışma;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar.path());
    ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), çalışma.path());

    Ölçüm oyun{QStringLiteral("tilora: start to first painted window"), {}};
    Ölçüm çıplak{QStringLiteral("bare Qt widget: start to first paint"), {}};
    long oyunBellek = 0, çıplakBellek = 0;
    for (int tekrar = 0; tekrar < 20; ++tekrar) {
        for (const bool oyunMu : {true, false}) {
            QProcess süreç;
            süreç.setProcessEnvironment(ortam);
            const double süre = Süre([&] {
                süreç.start(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--child"), QLatin1String(oyunMu ? "tilora" : "bare")});
                süreç.waitForFinished(-1);
            });
            const long bellek = süreç.readAllStandardOutput().trimmed().split(' ').value(1).toLong();
            (oyunMu ? oyun : çıplak).süreler.append(süre);
            (oyunMu ? oyunBellek : çıplakBellek) = std::max(oyunMu ? oyunBellek : çıplakBellek, bellek);
        }
    }
    oyun.Yazdır();
    çıplak.Yazdır();
    std::printf("peak memory at first paint: tilora %.1f MB, bare %.1f MB\n", oyunBellek / 1024.0, çıplakBellek / 1024.0);
    return 0;
}
