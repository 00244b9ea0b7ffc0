// Start-up: from starting the process to the first painted main window, side by side with a
// bare Qt widget program: the CPU time spent by then (the goal: at most 1.3 times the bare
// program's with the sample photo, at most 2 times with a 96 MP last photo), the wall time and
// the memory; and the start with hostile settings files of 10 MB: a long value, a long saved-game
// value (the error report is the first window), and 200,000 keys.
// Usage: bench_baslangic PHOTO_FOLDER   (runs itself as the child)
//        bench_baslangic --child tilora|bare|text

#include "Olcum.h"

#include "Baslangic.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QWidget>

#include <sys/resource.h>

#include <cstdlib>

namespace {

// Ends the process at the first paint of a top-level window, reporting the memory in use and the
// CPU time spent.
class İlkBoyama : public QObject {
protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override
    {
        if (olay->type() == QEvent::Paint && nesne->isWidgetType() && static_cast<QWidget *>(nesne)->isWindow()) {
            rusage kullanım{};
            getrusage(RUSAGE_SELF, &kullanım);
            const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
            std::printf("painted %ld %.2f\n", kullanım.ru_maxrss, ms(kullanım.ru_utime) + ms(kullanım.ru_stime));
            std::fflush(stdout);
            // What the start left to a worker thread (the photo's working image kept for the next
            // start) is finished, as it would be in a game that goes on running.
            QThreadPool::globalInstance()->waitForDone();
            std::_Exit(0);
        }
        return false;
    }
};

void FiltreyiKur()
{
    QCoreApplication::instance()->installEventFilter(new İlkBoyama);
}

int Çocuk(int argc, char *argv[], const QByteArray &tür)
{
    qAddPreRoutine(FiltreyiKur);
    if (tür == "tilora")
        return Main(argc, argv);
    QApplication uygulama(argc, argv);
    QWidget pencere;
    pencere.resize(634, 413);
    // Any window that shows a word loads the desktop's font database first; an empty one never does.
    if (tür == "text")
        (new QLabel(QStringLiteral("Completing Photo"), &pencere))->move(10, 10);
    pencere.show();
    return uygulama.exec();
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return Çocuk(1, argv, argv[2]);

    QCoreApplication uygulama(argc, argv);
    QTemporaryDir ayarlar, çalışma, önbellek;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar.path());
    ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), çalışma.path());
    ortam.insert(QStringLiteral("XDG_CACHE_HOME"), önbellek.path());
    const QString ayarDosyası = ayarlar.filePath(QStringLiteral("Orvane/Velbor-Eng.ini"));

    // Runs the child 20 times with the settings file holding `içerik` before each start, and for
    // a first start no cache; the median CPU time to the first paint.
    const auto ölç = [&](const QString &ad, const char *çocuk, const QByteArray &içerik, bool ilkBaşlangıç = false) {
        Ölçüm duvar{ad + QStringLiteral(", wall"), {}};
        Ölçüm işlemci{ad + QStringLiteral(", CPU"), {}};
        long bellek = 0;
        for (int tekrar = 0; tekrar < 20; ++tekrar) {
            if (ilkBaşlangıç)
                QDir(önbellek.path()).removeRecursively();
            QDir().mkpath(QFileInfo(ayarDosyası).path());
            QFile dosya(ayarDosyası);
            dosya.open(QIODevice::WriteOnly);
            dosya.write(içerik);
            dosya.close();
            QProcess süreç;
            süreç.setProcessEnvironment(ortam);
            duvar.süreler.append(Süre([&] {
                süreç.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), QLatin1String(çocuk)});
                süreç.waitForFinished(-1);
            }));
            const QList<QByteArray> alanlar = süreç.readAllStandardOutput().trimmed().split(' ');
            bellek = std::max(bellek, alanlar.value(1).toLong());
            işlemci.süreler.append(alanlar.value(2).toDouble());
        }
        işlemci.Yazdır();
        duvar.Yazdır();
        std::printf("%-44s peak memory at first paint %.1f MB\n", "", bellek / 1024.0);
        return işlemci.Ortanca();
    };

    const double çıplak = ölç(QStringLiteral("bare Qt widget: start to first paint"), "bare", {});
    const double örnekle = ölç(QStringLiteral("tilora, sample photo"), "tilora", {});
    const double yazılı = ölç(QStringLiteral("bare Qt widget with a text"), "text", {});
    std::printf("CPU to first paint, sample photo / bare: %.2f (goal at most 1.3), / bare with a text: %.2f\n",
                örnekle / çıplak, örnekle / yazılı);
    if (argc > 1) {
        const QByteArray foto96 = QDir(QString::fromLocal8Bit(argv[1])).absoluteFilePath(QStringLiteral("photo-96mp.jpg")).toUtf8();
        ölç(QStringLiteral("tilora, 96 MP last photo, first start"), "tilora", "[Ayarlar]\nSon Fotograf=" + foto96 + "\n", true);
        const double büyükle = ölç(QStringLiteral("tilora, 96 MP last photo"), "tilora", "[Ayarlar]\nSon Fotograf=" + foto96 + "\n");
        std::printf("CPU to first paint, 96 MP last photo / bare: %.2f (goal at most 2), / bare with a text: %.2f\n",
                    büyükle / çıplak, büyükle / yazılı);
    }
    const QByteArray onMB(10 << 20, 'x');
    ölç(QStringLiteral("tilora, a 10 MB value"), "tilora", "[Ayarlar]\nSon Klasor=" + onMB + "\n");
    ölç(QStringLiteral("tilora, a 10 MB saved-game value"), "tilora", "[Oyun]\nFoto-0=" + QByteArray(10 << 20, '7') + "\n");
    QByteArray anahtarlar = "[Ayarlar]\n";
    for (int sıra = 0; sıra < 200'000; ++sıra)
        anahtarlar += "Anahtar " + QByteArray::number(sıra) + "=" + QByteArray::number(sıra * 7) + "\n";
    ölç(QStringLiteral("tilora, 200,000 keys (%1 MB)").arg(anahtarlar.size() / 1048576.0, 0, 'f', 1), "tilora", anahtarlar);
    return 0;
}
