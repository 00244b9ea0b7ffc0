// One copy per user: the lock, the request to come to the front with a photo, requests that are
// not the game's, and whole program starts.
#include "TekKopya.h"

#include <QDir>
#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent/QtConcurrentRun>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Başlık = QStringLiteral("Orvane - Tilora 1.21");

// The program started as a player would, but headless, with its own settings and runtime folders.
struct Program {
    QTemporaryDir ayarlar;
    QTemporaryDir çalışma;

    QProcessEnvironment Ortam(bool ekranVar = true) const
    {
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar.path());
        ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), çalışma.path());
        for (const char *ad : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            ortam.remove(QLatin1String(ad));
        if (ekranVar)
            ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return ortam;
    }
    void Başlat(QProcess &süreç, bool ekranVar = true, const QStringList &argümanlar = {}) const
    {
        süreç.setProcessEnvironment(Ortam(ekranVar));
        süreç.start(QStringLiteral(TILORA_PROGRAMI), argümanlar);
    }
    QString AyarDosyası() const { return ayarlar.filePath(QStringLiteral("Orvane/Velbor-Eng.ini")); }
};

}  // namespace

class TestSingleCopy : public QObject {
    Q_OBJECT

private slots:
    void secondCopyAsksTheFirst_data()
    {
        QTest::addColumn<QString>("fotoğraf");
        QTest::newRow("no photo") << QString();
        QTest::newRow("a photo") << QStringLiteral("/home/oyuncu/Resimler/deniz.jpg");
        QTest::newRow("blanks, letters beyond ASCII, a line break, % and #")
            << QStringLiteral("/tmp/Fotoğraflar 2026/ağaç\n%41 #1?.png");
    }

    // The second start's token and photo reach the first exactly.
    void secondCopyAsksTheFirst()
    {
        QFETCH(QString, fotoğraf);
        QTemporaryDir klasör;
        TekKopya ilk(Başlık, klasör.path());
        QVERIFY(ilk.İlkKopyaMı());
        QSignalSpy istekler(&ilk, &TekKopya::frontRequested);

        qputenv("XDG_ACTIVATION_TOKEN", "token-42");
        QFuture<std::pair<bool, bool>> ikinci = QtConcurrent::run([&] {
            TekKopya kopya(Başlık, klasör.path());
            return std::pair(kopya.İlkKopyaMı(), kopya.ÇalışanKopyayıÖneGetir(fotoğraf));
        });
        QTRY_VERIFY(ikinci.isFinished());
        qunsetenv("XDG_ACTIVATION_TOKEN");
        QCOMPARE(ikinci.result(), std::pair(false, true));
        QCOMPARE(istekler.size(), 1);
        QCOMPARE(istekler[0][0].toByteArray(), QByteArray("token-42"));
        QCOMPARE(istekler[0][1].toString(), fotoğraf);

        // Another title is another program.
        TekKopya başka(QStringLiteral("Orvane - Tilora 2.00"), klasör.path());
        QVERIFY(başka.İlkKopyaMı());
    }

    void hostileRequestsAreDropped_data()
    {
        QTest::addColumn<QByteArray>("istek");
        const QByteArray baş = "tilora-front\n";
        QTest::newRow("another protocol") << QByteArray("GET / HTTP/1.0\r\n\r\n");
        QTest::newRow("oversized") << baş + QByteArray(20000, 'a');
        QTest::newRow("token too long") << baş + QByteArray(600, 'a') + "\n\n";
        QTest::newRow("control characters in the token") << baş + "\x1b]0;x\x07\n\n";
        QTest::newRow("a bare path") << baş + "\n/tmp/a.jpg\n";
        QTest::newRow("a relative file address") << baş + "\nfile:a.jpg\n";
        QTest::newRow("another scheme") << baş + "\nhttp://example.org/a.jpg\n";
        QTest::newRow("another host") << baş + "\nfile://elsewhere/tmp/a.jpg\n";
        QTest::newRow("a query") << baş + "\nfile:///tmp/a.jpg?x=1\n";
        QTest::newRow("a NUL inside") << baş + "\nfile:///tmp/a%00.jpg\n";
        QTest::newRow("raw bytes beyond ASCII") << baş + "\nfile:///tmp/\xc3\xa7.jpg\n";
        QTest::newRow("a path too long to open") << baş + "\nfile:///" + QByteArray(5000, 'a') + "\n";
        QTest::newRow("something after the request") << baş + "\nfile:///tmp/a.jpg\nmore\n";
    }

    // A request that is not the game's own is cut off unanswered and changes nothing; the next
    // proper one is answered as ever.
    void hostileRequestsAreDropped()
    {
        QFETCH(QByteArray, istek);
        QTemporaryDir klasör;
        TekKopya ilk(Başlık, klasör.path());
        QVERIFY(ilk.İlkKopyaMı());
        QSignalSpy istekler(&ilk, &TekKopya::frontRequested);
        const QString soketYolu = QDir(klasör.path()).entryList({QStringLiteral("tilora-*.socket")}, QDir::System).value(0);

        QLocalSocket soket;
        soket.connectToServer(klasör.filePath(soketYolu));
        QVERIFY(soket.waitForConnected(5000));
        soket.write(istek);
        QTRY_COMPARE(soket.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(soket.readAll(), QByteArray());
        QCOMPARE(istekler.size(), 0);

        QFuture<bool> sonraki = QtConcurrent::run([&] {
            TekKopya kopya(Başlık, klasör.path());
            return kopya.ÇalışanKopyayıÖneGetir(QStringLiteral("/tmp/a.jpg"));
        });
        QTRY_VERIFY(sonraki.isFinished());
        QVERIFY(sonraki.result());
        QCOMPARE(istekler.size(), 1);
    }

    // The lock and socket live only in a folder of the user's own that nobody else can open or
    // swap; without one, in a private one of the user's cache; without that, nowhere.
    void privateFolderOnly_data()
    {
        QTest::addColumn<QString>("çalışma");
        QTest::addColumn<int>("önbellekİzni");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("private runtime folder") << "0700" << 0700 << "runtime";
        QTest::newRow("no runtime folder") << "" << 0700 << "cache/tilora-run";
        QTest::newRow("runtime folder open to the group") << "0750" << 0700 << "cache/tilora-run";
        QTest::newRow("another user's runtime folder") << "foreign" << 0700 << "cache/tilora-run";
        QTest::newRow("a link to a private folder") << "link" << 0700 << "cache/tilora-run";
        QTest::newRow("nothing private, cache open to all") << "" << 0777 << "";
    }
    void privateFolderOnly()
    {
        QFETCH(QString, çalışma);
        QFETCH(int, önbellekİzni);
        QFETCH(QString, beklenen);
        QTemporaryDir kök;
        const QString runtime = kök.filePath(QStringLiteral("runtime")), bağ = kök.filePath(QStringLiteral("link"));
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(kök.filePath(QStringLiteral("cache"))));
        ::chmod(QFile::encodeName(runtime).constData(), çalışma == "0750" ? 0750 : 0700);
        ::chmod(QFile::encodeName(kök.filePath(QStringLiteral("cache"))).constData(), mode_t(önbellekİzni));
        if (çalışma == "foreign" && (::geteuid() != 0 || ::chown(QFile::encodeName(runtime).constData(), 65534, 65534) != 0))
            QSKIP("only root can give a folder to another user");
        QVERIFY(QFile::link(runtime, bağ));
        const QByteArray eskiÇalışma = qgetenv("XDG_RUNTIME_DIR"), eskiÖnbellek = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_RUNTIME_DIR", çalışma.isEmpty() ? QByteArray() : QFile::encodeName(çalışma == "link" ? bağ : runtime));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(kök.filePath(QStringLiteral("cache"))));
        const QString seçilen = TekKopya::ÇalışmaKlasörü();
        qputenv("XDG_RUNTIME_DIR", eskiÇalışma);
        qputenv("XDG_CACHE_HOME", eskiÖnbellek);
        QCOMPARE(seçilen, beklenen.isEmpty() ? QString() : kök.filePath(beklenen));
        // Without a fit folder the game runs without the check rather than not at all.
        TekKopya tekKopya(Başlık, seçilen);
        QVERIFY(tekKopya.İlkKopyaMı());
    }

    // A copy killed at any moment of its start leaves a lock that the next start takes over:
    // one naming its process, or one it was killed before naming it in.
    void crashedCopyDoesNotBlock_data()
    {
        QTest::addColumn<bool>("sahipsiz");
        QTest::newRow("lock of a killed copy") << false;
        QTest::newRow("lock naming no process") << true;
    }
    void crashedCopyDoesNotBlock()
    {
        QFETCH(bool, sahipsiz);
        Program program;
        QProcess çöken;
        program.Başlat(çöken);
        QVERIFY(çöken.waitForStarted());
        const auto kilitler = [&] { return QDir(program.çalışma.path()).entryList({QStringLiteral("tilora-*.lock")}); };
        QTRY_VERIFY_WITH_TIMEOUT(!kilitler().isEmpty(), 20000);
        ::kill(pid_t(çöken.processId()), SIGKILL);
        QVERIFY(çöken.waitForFinished());
        // Its lock file is still there, but its process is gone.
        QVERIFY(!kilitler().isEmpty());
        if (sahipsiz)
            QVERIFY(QFile(program.çalışma.filePath(kilitler().constFirst())).open(QIODevice::WriteOnly | QIODevice::Truncate));
        TekKopya sonraki(Başlık, program.çalışma.path());
        QVERIFY(sonraki.İlkKopyaMı());
    }

    // Told to end while the notice about a damaged settings file is open, before the main window
    // exists: the notice closes, the game ends as for the task manager and saves, and a file
    // damaged the same way again is not kept a second time.
    void terminationDuringTheDamageNotice()
    {
        Program program;
        const QDir ayarlar = QFileInfo(program.AyarDosyası()).dir();
        QVERIFY(ayarlar.mkpath(QStringLiteral(".")));
        for (int başlatma = 0; başlatma < 2; ++başlatma) {
            QFile bozuk(program.AyarDosyası());
            QVERIFY(bozuk.open(QIODevice::WriteOnly) && bozuk.write("bozuk satır\n") > 0);
            bozuk.close();
            QProcess süreç;
            program.Başlat(süreç);
            // The damaged file is set aside just before the notice opens, which waits for an answer.
            QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(program.AyarDosyası()), 20000);
            ::kill(pid_t(süreç.processId()), SIGTERM);
            QVERIFY(süreç.waitForFinished(20000));
            QCOMPARE(süreç.exitStatus(), QProcess::NormalExit);
            QCOMPARE(süreç.exitCode(), 0);
            QFile kaydedilen(program.AyarDosyası());
            QVERIFY(kaydedilen.open(QIODevice::ReadOnly));
            QVERIFY(kaydedilen.readAll().startsWith("[Ayarlar]\n"));
            QCOMPARE(ayarlar.entryList({QStringLiteral("Velbor-Eng.ini.damaged-*")}, QDir::Files).size(), 1);
        }
    }

    // A photo given at the start is the game's. A second start hands its photo to the first and
    // ends, writing nothing; told to end, the first closes as for the task manager and saves.
    void photosFromTheCommandLine()
    {
        Program program;
        QTemporaryDir fotoğraflar;
        const QString ilkFotoğraf = fotoğraflar.filePath(QStringLiteral("birinci resim.png"));
        const QString ikinciFotoğraf = fotoğraflar.filePath(QStringLiteral("ikinci.png"));
        for (const QString &yol : {ilkFotoğraf, ikinciFotoğraf}) {
            QImage resim(64, 48, QImage::Format_RGB32);
            resim.fill(Qt::darkCyan);
            QVERIFY(resim.save(yol));
        }
        const auto sonFotoğraf = [&] {
            QFile ayarlar(program.AyarDosyası());
            if (!ayarlar.open(QIODevice::ReadOnly))
                return QString();
            for (const QByteArray &satır : ayarlar.readAll().split('\n'))
                if (satır.startsWith("Son Fotograf="))
                    return QString::fromUtf8(satır.mid(13));
            return QString();
        };
        // Started once its event loop answers a request to come to the front.
        const auto başlat = [&](QProcess &süreç, const QStringList &argümanlar) {
            program.Başlat(süreç, true, argümanlar);
            return süreç.waitForStarted() &&
                   QTest::qWaitFor([&] { return TekKopya(Başlık, program.çalışma.path()).ÇalışanKopyayıÖneGetir(); }, 20000);
        };
        const auto bitir = [](QProcess &süreç) {
            ::kill(pid_t(süreç.processId()), SIGTERM);
            return süreç.waitForFinished(20000) && süreç.exitStatus() == QProcess::NormalExit && süreç.exitCode() == 0;
        };

        QProcess ilk;
        QVERIFY(başlat(ilk, {}));
        QProcess ikinci;
        ikinci.setWorkingDirectory(fotoğraflar.path());
        program.Başlat(ikinci, true, {QStringLiteral("ikinci.png")});
        QVERIFY(ikinci.waitForFinished(20000));
        QCOMPARE(ikinci.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ikinci.exitCode(), 0);
        QVERIFY(!QFile::exists(program.AyarDosyası()));
        QVERIFY(bitir(ilk));
        QCOMPARE(sonFotoğraf(), ikinciFotoğraf);

        QVERIFY(başlat(ilk, {ilkFotoğraf}));
        QVERIFY(bitir(ilk));
        QCOMPARE(sonFotoğraf(), ilkFotoğraf);
    }

    void noDisplayEndsWithOneLine()
    {
        Program program;
        QProcess süreç;
        program.Başlat(süreç, false);
        QVERIFY(süreç.waitForFinished(20000));
        QCOMPARE(süreç.exitCode(), 1);
        const QByteArray hata = süreç.readAllStandardError();
        QCOMPARE(hata.count('\n'), 1);
        QVERIFY(hata.startsWith("tilora: "));
    }

};

QTEST_MAIN(TestSingleCopy)
#include "tst_tekkopya.moc"
