// Start-up: from starting the process to the first painted main window, side by side with a
// bare Qt widget program, and the memory each holds by then; and the start with hostile settings
// files of 10 MB: a long value, a long saved-game value (the error report is the first window),
// and 200,000 keys.
// Usage: bench_baslangic [PHOTO_FOLDER]   (the folder is not used; runs itself as the child)
//        bench_baslangic --child tilora|bare

#include "Olcum.h"

#include "Baslangic.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    const QString ayarDosyası = ayarlar.filePath(QStringLiteral("Orvane/Velbor-Eng.ini"));

    // Runs the child 20 times with the settings file holding `içerik` before each start.
    const auto ölç = [&](const QString &ad, const char *çocuk, const QByteArray &içerik) {
        Ölçüm ölçüm{ad, {}};
        long bellek = 0;
        for (int tekrar = 0; tekrar < 20; ++tekrar) {
            QDir().mkpath(QFileInfo(ayarDosyası).path());
            QFile dosya(ayarDosyası);
            dosya.open(QIODevice::WriteOnly);
            dosya.write(içerik);
            dosya.close();
            QProcess süreç;
            süreç.setProcessEnvironment(ortam);
            ölçüm.süreler.append(Süre([&] {
                süreç.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), QLatin1String(çocuk)});
                süreç.waitForFinished(-1);
            }));
            bellek = std::max(bellek, süreç.readAllStandardOutput().trimmed().split(' ').value(1).toLong());
        }
        ölçüm.Yazdır();
        std::printf("%-44s peak memory at first paint %.1f MB\n", "", bellek / 1024.0);
    };

    ölç(QStringLiteral("tilora: start to first painted window"), "tilora", {});
    ölç(QStringLiteral("bare Qt widget: start to first paint"), "bare", {});
    const QByteArray onMB(10 << 20, 'x');
    ölç(QStringLiteral("tilora, a 10 MB value"), "tilora", "[Ayarlar]\nSon Klasor=" + onMB + "\n");
    ölç(QStringLiteral("tilora, a 10 MB saved-game value"), "tilora", "[Oyun]\nFoto-0=" + QByteArray(10 << 20, '7') + "\n");
    QByteArray anahtarlar = "[Ayarlar]\n";
    for (int sıra = 0; sıra < 200'000; ++sıra)
        anahtarlar += "Anahtar " + QByteArray::number(sıra) + "=" + QByteArray::number(sıra * 7) + "\n";
    ölç(QStringLiteral("tilora, 200,000 keys (%1 MB)").arg(anahtarlar.size() / 1048576.0, 0, 'f', 1), "tilora", anahtarlar);
    return 0;
}
