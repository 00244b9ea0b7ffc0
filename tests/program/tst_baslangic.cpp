// Start-up: the command line, one copy per user and its request to come to the front, whole program starts.
#include "KomutSatiri.h"
#include "TekKopya.h"
#include "TestFotografi.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent/QtConcurrentRun>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(KomutSatırı::İstek)

namespace {

const QString Başlık = QStringLiteral("Orvane - Tilora 1.21");

// Ended by itself, or as the task manager ends it when told to end: normally and with success.
bool TemizBitti(QProcess &süreç, bool sonlandır = false)
{
    if (sonlandır)
        ::kill(pid_t(süreç.processId()), SIGTERM);
    return süreç.waitForFinished(20000) && süreç.exitStatus() == QProcess::NormalExit && süreç.exitCode() == 0;
}

// The program started as a player would, but headless, with its own settings and runtime folders.
struct Program {
    QTemporaryDir ayarlar, çalışma;

    void Başlat(QProcess &süreç, const QStringList &argümanlar = {}, bool ekranVar = true) const
    {
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar.path());
        ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), çalışma.path());
        for (const char *ad : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            ortam.remove(QLatin1String(ad));
        if (ekranVar)
            ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        süreç.setProcessEnvironment(ortam);
        süreç.start(QStringLiteral(TILORA_PROGRAMI), argümanlar);
    }
    QString AyarDosyası() const { return ayarlar.filePath(QStringLiteral("Orvane/Velbor-Eng.ini")); }
    QByteArray AyarMetni() const
    {
        QFile dosya(AyarDosyası());
        return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
    }
};

}  // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void arguments_data()
    {
        using enum KomutSatırı::İstek;
        QTest::addColumn<QStringList>("argümanlar");
        QTest::addColumn<KomutSatırı::İstek>("istek");
        QTest::addColumn<QString>("fotoğraf");
        QTest::addColumn<QString>("metinde");
        QTest::newRow("a photo up and down") << QStringList{"../Fotoğraflar/./deniz kenarı.png"} << Oyna
                                             << "/home/Fotoğraflar/deniz kenarı.png" << "";
        QTest::newRow("a photo like an option") << QStringList{"--", "-v.jpg"} << Oyna << "/home/oyuncu/-v.jpg" << "";
        QTest::newRow("a launcher's empty %f") << QStringList{""} << Oyna << "" << "";
        QTest::newRow("help among errors") << QStringList{"--colour", "-h", "a", "b"} << Yardım << "" << "[PHOTO]";
        QTest::newRow("version before a photo") << QStringList{"--version", "a.jpg"} << Sürüm << "" << "tilora 1.21\n";
        QTest::newRow("an unknown option") << QStringList{"--colour", "a.jpg"} << Hata << "" << "colour";
        QTest::newRow("two photos") << QStringList{"a.jpg", "b.jpg"} << Hata << "" << "Only one photo can be given.";
    }

    void arguments()
    {
        QFETCH(QStringList, argümanlar);
        QFETCH(KomutSatırı::İstek, istek);
        QFETCH(QString, fotoğraf);
        QFETCH(QString, metinde);
        const KomutSatırı komut = KomutSatırınıOku(QStringList{"tilora"} + argümanlar, QStringLiteral("/home/oyuncu"));
        QCOMPARE(komut.istek, istek);
        QCOMPARE(komut.fotoğraf, fotoğraf);
        QVERIFY2(komut.metin.contains(metinde), qPrintable(komut.metin));
        QCOMPARE(komut.metin.isEmpty(), metinde.isEmpty());
    }

    void hostileRequestsAreDropped_data()
    {
        QTest::addColumn<QByteArray>("istek");
        const QByteArray baş = "tilora-front\n";
        QTest::newRow("another protocol") << QByteArray("GET / HTTP/1.0\r\n\r\n");
        QTest::newRow("oversized") << baş + QByteArray(20000, 'a');
        QTest::newRow("token too long") << baş + QByteArray(600, 'a') + "\n\n";
        QTest::newRow("control characters in the token") << baş + "\x1b]0;x\x07\n\n";
        QTest::newRow("a relative file address") << baş + "\nfile:a.jpg\n";
        QTest::newRow("another host") << baş + "\nfile://elsewhere/tmp/a.jpg\n";
        QTest::newRow("a NUL inside") << baş + "\nfile:///tmp/a%00.jpg\n";
        QTest::newRow("raw bytes beyond ASCII") << baş + "\nfile:///tmp/\xc3\xa7.jpg\n";
        QTest::newRow("something after the request") << baş + "\nfile:///tmp/a.jpg\nmore\n";
    }

    // A request not the game's own is cut off, changing nothing; the next start's token and photo still arrive.
    void hostileRequestsAreDropped()
    {
        QFETCH(QByteArray, istek);
        QTemporaryDir klasör;
        TekKopya ilk(Başlık, klasör.path());
        QVERIFY(ilk.İlkKopyaMı());
        QSignalSpy istekler(&ilk, &TekKopya::frontRequested);
        QLocalSocket soket;
        soket.connectToServer(QDir(klasör.path()).entryInfoList({"tilora-*.socket"}, QDir::System).value(0).filePath());
        QVERIFY(soket.waitForConnected(5000));
        soket.write(istek);
        QTRY_COMPARE(soket.state(), QLocalSocket::UnconnectedState);

        const QString fotoğraf = QStringLiteral("/tmp/Fotoğraflar 2026/ağaç\n%41 #1?.png");
        qputenv("XDG_ACTIVATION_TOKEN", "token-42");
        // From another thread, since the first answers in this one's event loop.
        QFuture<bool> ikinci = QtConcurrent::run([&] {
            TekKopya kopya(Başlık, klasör.path());
            return !kopya.İlkKopyaMı() && kopya.ÇalışanKopyayıÖneGetir(fotoğraf);
        });
        QTRY_VERIFY(ikinci.isFinished());
        qunsetenv("XDG_ACTIVATION_TOKEN");
        QVERIFY(ikinci.result());
        QCOMPARE(istekler, (QList<QVariantList>{{QByteArray("token-42"), fotoğraf}}));
        QVERIFY(TekKopya(QStringLiteral("Orvane - Tilora 2.00"), klasör.path()).İlkKopyaMı());
    }

    // The lock and socket live only in a folder of the user's own that nobody else can open or swap.
    void privateFolderOnly_data()
    {
        QTest::addColumn<QString>("çalışma");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("private runtime folder") << "0700" << "runtime";
        QTest::newRow("runtime folder open to the group") << "0750" << "cache/tilora-run";
        QTest::newRow("another user's runtime folder") << "foreign" << "cache/tilora-run";
        QTest::newRow("a link to a private folder") << "link" << "cache/tilora-run";
        QTest::newRow("none, and the cache open to all") << "" << "";
    }
    void privateFolderOnly()
    {
        QFETCH(QString, çalışma);
        QFETCH(QString, beklenen);
        QTemporaryDir kök;
        const QString runtime = kök.filePath(QStringLiteral("runtime")), bağ = kök.filePath(QStringLiteral("link"));
        const QString önbellek = kök.filePath(QStringLiteral("cache"));
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(önbellek) && QFile::link(runtime, bağ));
        ::chmod(QFile::encodeName(runtime).constData(), çalışma == "0750" ? 0750 : 0700);
        ::chmod(QFile::encodeName(önbellek).constData(), çalışma.isEmpty() ? 0777 : 0700);
        if (çalışma == "foreign" && ::chown(QFile::encodeName(runtime).constData(), 65534, 65534) != 0)
            QSKIP("only root can give a folder to another user");
        const QByteArray eskiÇalışma = qgetenv("XDG_RUNTIME_DIR"), eskiÖnbellek = qgetenv("XDG_CACHE_HOME");
        const QByteArray çalışmaYolu = QFile::encodeName(çalışma == "link" ? bağ : runtime);
        qputenv("XDG_RUNTIME_DIR", çalışma.isEmpty() ? QByteArray() : çalışmaYolu);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(önbellek));
        const QString seçilen = TekKopya::ÇalışmaKlasörü();
        qputenv("XDG_RUNTIME_DIR", eskiÇalışma);
        qputenv("XDG_CACHE_HOME", eskiÖnbellek);
        QCOMPARE(seçilen, beklenen.isEmpty() ? QString() : kök.filePath(beklenen));
        // Without a fit folder the game runs without the check rather than not at all.
        QVERIFY(TekKopya(Başlık, seçilen).İlkKopyaMı());
    }

    // A copy killed at any moment of its start, before or after naming itself in the lock, blocks no later start.
    void crashedCopyDoesNotBlock()
    {
        for (const bool sahipsiz : {false, true}) {
            Program program;
            QProcess çöken;
            program.Başlat(çöken);
            const auto kilit = [&] { return QDir(program.çalışma.path()).entryList({"tilora-*.lock"}).value(0); };
            QTRY_VERIFY_WITH_TIMEOUT(!kilit().isEmpty(), 20000);
            ::kill(pid_t(çöken.processId()), SIGKILL);
            QVERIFY(çöken.waitForFinished());
            QVERIFY(!kilit().isEmpty());
            if (sahipsiz)
                QVERIFY(QFile(program.çalışma.filePath(kilit())).open(QIODevice::WriteOnly | QIODevice::Truncate));
            QVERIFY2(TekKopya(Başlık, program.çalışma.path()).İlkKopyaMı(), sahipsiz ? "no owner" : "killed owner");
        }
    }

    // Ended during the damaged-settings notice, before the main window: cleanly, saving; the damaged copy kept.
    void terminationDuringTheDamageNotice()
    {
        Program program;
        const QDir ayarlar = QFileInfo(program.AyarDosyası()).dir();
        QVERIFY(ayarlar.mkpath(QStringLiteral(".")));
        QFile bozuk(program.AyarDosyası());
        QVERIFY(bozuk.open(QIODevice::WriteOnly) && bozuk.write("bozuk satır\n") > 0);
        bozuk.close();
        QProcess süreç;
        program.Başlat(süreç);
        // The damaged file is set aside just before the notice opens.
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(program.AyarDosyası()), 20000);
        QVERIFY(TemizBitti(süreç, true));
        QVERIFY(program.AyarMetni().startsWith("[Ayarlar]\n"));
        QCOMPARE(ayarlar.entryList({QStringLiteral("Velbor-Eng.ini.damaged-*")}, QDir::Files).size(), 1);
    }

    // A second start hands its photo to the first and ends, writing nothing; a photo given at the start is the game's.
    void photosFromTheCommandLine()
    {
        Program program;
        QTemporaryDir fotoğraflar;
        const QString ilkFotoğraf = FotoğrafYaz(fotoğraflar.filePath(QStringLiteral("birinci resim.png")), {64, 48});
        const QString ikinciFotoğraf = FotoğrafYaz(fotoğraflar.filePath(QStringLiteral("ikinci.png")), {64, 48});
        // Started once its event loop answers a request to come to the front.
        const auto başlat = [&](QProcess &süreç, const QStringList &argümanlar) {
            program.Başlat(süreç, argümanlar);
            const auto yanıtlıyor = [&] { return TekKopya(Başlık, program.çalışma.path()).ÇalışanKopyayıÖneGetir(); };
            return QTest::qWaitFor(yanıtlıyor, 20000);
        };
        const auto sonFotoğraf = [&](const QString &yol) {
            return program.AyarMetni().contains("\nSon Fotograf=" + yol.toUtf8() + '\n');
        };
        QProcess ilk, ikinci;
        QVERIFY(başlat(ilk, {}));
        ikinci.setWorkingDirectory(fotoğraflar.path());
        program.Başlat(ikinci, {QStringLiteral("ikinci.png")});
        QVERIFY(TemizBitti(ikinci));
        QVERIFY(!QFile::exists(program.AyarDosyası()));
        QVERIFY(TemizBitti(ilk, true));
        QVERIFY2(sonFotoğraf(ikinciFotoğraf), program.AyarMetni().constData());
        QVERIFY(başlat(ilk, {ilkFotoğraf}));
        QVERIFY(TemizBitti(ilk, true));
        QVERIFY2(sonFotoğraf(ilkFotoğraf), program.AyarMetni().constData());
    }

    void noDisplayEndsWithOneLine()
    {
        Program program;
        QProcess süreç;
        program.Başlat(süreç, {}, false);
        QVERIFY(süreç.waitForFinished(20000));
        const QByteArray hata = süreç.readAllStandardError();
        QVERIFY2(süreç.exitCode() == 1 && hata.startsWith("tilora: ") && hata.count('\n') == 1, hata.constData());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_baslangic.moc"
