// Start-up: from starting the process to the first painted main window, side by side with a
// bare Qt widget program (`bare-widget`, beside this one): the CPU time spent by the window's
// first paint event and by the time its first frame is painted and shown (the goal: at most 1.3
// times the bare program's with the sample photo, at most 2 times with a 96 MP last photo), the
// wall time and the memory; and the start with hostile settings files of 10 MB: a long value, a
// long saved-game value (the error report is the first window), and 200,000 keys. The programs
// compared take turns, so that a change in the machine's load falls on all of them.
// Usage: bench_baslangic PHOTO_FOLDER   (runs itself as the game: bench_baslangic --child)

#include "IlkBoyama.h"
#include "Olcum.h"

#include "Baslangic.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// One program started again and again: how, and what its starts measured.
struct Başlangıç {
    QString ad;
    QString program;
    QStringList argümanlar;
    Ölçüm başlarken{ad + QStringLiteral(", CPU, paint event"), {}};
    Ölçüm işlemci{ad + QStringLiteral(", CPU, frame shown"), {}};
    Ölçüm duvar{ad + QStringLiteral(", wall, frame shown"), {}};
    long bellek = 0;

    void Yazdır() const
    {
        başlarken.Yazdır();
        işlemci.Yazdır();
        duvar.Yazdır();
        std::printf("%-44s peak memory at the first frame %.1f MB\n", "", bellek / 1024.0);
    }
};

double Yük()
{
    double yük[3] = {};
    return getloadavg(yük, 3) > 0 ? yük[0] : 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], "--child") == 0) {
        qAddPreRoutine(İlkBoyamadaBitir);
        return Main(1, argv);
    }

    QCoreApplication uygulama(argc, argv);
    QTemporaryDir ayarlar, çalışma, önbellek;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar.path());
    ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), çalışma.path());
    ortam.insert(QStringLiteral("XDG_CACHE_HOME"), önbellek.path());
    const QString ayarDosyası = ayarlar.filePath(QStringLiteral("Orvane/Velbor-Eng.ini"));
    const QString çıplakProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/bare-widget");
    const auto oyun = [](const QString &ad) {
        return Başlangıç{ad, QCoreApplication::applicationFilePath(), {QStringLiteral("--child")}};
    };

    // Starts each program 20 times in turn, the settings file holding `içerik` before each start
    // of the game, and for a first start no cache.
    const auto ölç = [&](QList<Başlangıç *> programlar, const QByteArray &içerik, bool ilkBaşlangıç = false) {
        const double ilkYük = Yük();
        for (int tekrar = 0; tekrar < 20; ++tekrar) {
            for (Başlangıç *başlangıç : programlar) {
                if (ilkBaşlangıç)
                    QDir(önbellek.path()).removeRecursively();
                QDir().mkpath(QFileInfo(ayarDosyası).path());
                QFile dosya(ayarDosyası);
                dosya.open(QIODevice::WriteOnly);
                dosya.write(içerik);
                dosya.close();
                QProcess süreç;
                süreç.setProcessEnvironment(ortam);
                başlangıç->duvar.süreler.append(Süre([&] {
                    süreç.start(başlangıç->program, başlangıç->argümanlar);
                    süreç.waitForFinished(-1);
                }));
                const QList<QByteArray> alanlar = süreç.readAllStandardOutput().trimmed().split(' ');
                başlangıç->bellek = std::max(başlangıç->bellek, alanlar.value(1).toLong());
                başlangıç->başlarken.süreler.append(alanlar.value(2).toDouble());
                başlangıç->işlemci.süreler.append(alanlar.value(3).toDouble());
            }
        }
        for (const Başlangıç *başlangıç : programlar)
            başlangıç->Yazdır();
        std::printf("%-44s load average %.1f before, %.1f after\n", "", ilkYük, Yük());
    };
    // The game started as `ad` with the settings `içerik`, in turn with the bare program, empty and
    // with a word: its CPU time to the first paint against theirs.
    const auto karşılaştır = [&](const QString &ad, const QByteArray &içerik, double hedef) {
        Başlangıç çıplak{QStringLiteral("bare Qt widget"), çıplakProgram, {}};
        Başlangıç yazılı{QStringLiteral("bare Qt widget with a text"), çıplakProgram, {QStringLiteral("text")}};
        Başlangıç başlangıç = oyun(ad);
        ölç({&çıplak, &yazılı, &başlangıç}, içerik);
        // Medians, and the least times, which a busy machine disturbs least.
        const auto oran = [&](const char *ne, Ölçüm Başlangıç::*ölçüm) {
            const Ölçüm &oyunun = başlangıç.*ölçüm, &çıplağın = çıplak.*ölçüm, &yazılının = yazılı.*ölçüm;
            std::printf("CPU %s, %s / bare: %.2f, least %.2f; / bare with a text: %.2f, least %.2f\n", ne,
                        qPrintable(ad), oyunun.Ortanca() / çıplağın.Ortanca(), oyunun.EnAz() / çıplağın.EnAz(),
                        oyunun.Ortanca() / yazılının.Ortanca(), oyunun.EnAz() / yazılının.EnAz());
        };
        oran("to the first paint event", &Başlangıç::başlarken);
        oran("to the first frame shown", &Başlangıç::işlemci);
        std::printf("(goal: at most %.1f times the bare program)\n", hedef);
    };

    karşılaştır(QStringLiteral("tilora, sample photo"), {}, 1.3);
    if (argc > 1) {
        const QByteArray foto96 = QDir(QString::fromLocal8Bit(argv[1])).absoluteFilePath(QStringLiteral("photo-96mp.jpg")).toUtf8();
        const QByteArray sonFotoğraf = "[Ayarlar]\nSon Fotograf=" + foto96 + "\n";
        Başlangıç ilk = oyun(QStringLiteral("tilora, 96 MP last photo, first start"));
        ölç({&ilk}, sonFotoğraf, true);
        karşılaştır(QStringLiteral("tilora, 96 MP last photo"), sonFotoğraf, 2);
    }
    Başlangıç uzunDeğer = oyun(QStringLiteral("tilora, a 10 MB value"));
    ölç({&uzunDeğer}, "[Ayarlar]\nSon Klasor=" + QByteArray(10 << 20, 'x') + "\n");
    Başlangıç uzunOyun = oyun(QStringLiteral("tilora, a 10 MB saved-game value"));
    ölç({&uzunOyun}, "[Oyun]\nFoto-0=" + QByteArray(10 << 20, '7') + "\n");
    QByteArray anahtarlar = "[Ayarlar]\n";
    for (int sıra = 0; sıra < 200'000; ++sıra)
        anahtarlar += "Anahtar " + QByteArray::number(sıra) + "=" + QByteArray::number(sıra * 7) + "\n";
    Başlangıç çokAnahtar = oyun(QStringLiteral("tilora, 200,000 keys (%1 MB)").arg(anahtarlar.size() / 1048576.0, 0, 'f', 1));
    ölç({&çokAnahtar}, anahtarlar);
    return 0;
}
