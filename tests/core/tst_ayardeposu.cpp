#include "AyarDeposu.h"
#include "CalismaHatasi.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Baytlar(const QString &yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

// "Section: key=value key=value", as a whole-section read returns it.
QString Görünüm(const AyarDeposu &depo, const QString &bölüm)
{
    QString metin = bölüm + u':';
    for (const auto &[anahtar, değer] : depo.BölümüOku(bölüm))
        metin += u' ' + anahtar + u'=' + değer;
    return metin;
}

}  // namespace

class TstAyarDeposu : public QObject {
    Q_OBJECT
    QTemporaryDir klasör;
    const QString yol = klasör.filePath("Velbor-Eng.ini");

private slots:
    void init() { QFile::remove(yol); }

    // Deleting a section takes its nested ones, not namesakes; a missing section cannot be deleted.
    void bolumSilme()
    {
        AyarDeposu depo(yol);
        for (const QString bölüm : {"Oyun\\Bilgiler", "Oyun", "Oyunlar", "Oyun\\Bilgiler\\Alt", "A\\B"})
            depo.Yaz(bölüm, "k", "1");
        depo.BölümüSil("Oyun");
        depo.BölümüSil("A");
        for (const QString yok : {"Oyun", "Oy", "oyunlar", "Oyunlar\\B", "A"})
            QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, depo.BölümüSil(yok));
        const AyarDeposu yeniden(yol);
        for (const QString gitti : {"Oyun", "Oyun\\Bilgiler", "Oyun\\Bilgiler\\Alt", "A\\B"})
            QVERIFY2(yeniden.BölümüOku(gitti).isEmpty(), qPrintable(gitti));
        QCOMPARE(yeniden.Oku("Oyunlar", "k"), "1");
    }

    void kacisGidipDoner_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("bölümAdıOlur");
        QTest::newRow("blanks at the ends, non-ASCII") << u" baş ❤ 𝄞\u3000"_s << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("comment, equals, escape lookalikes") << u";a=b #c=\\n\\s\\u0041C:\\"_s << true;
        QTest::newRow("section lookalike") << u"[x]"_s << false;
        QTest::newRow("controls, lone surrogates")
            << u"\r\n\t\0\x7f\x85"_s + QChar(0xdc00) + u'b' + QChar(0xd800) << false;
    }
    // Any text comes back exactly as a key and a value, and as a section's name where allowed.
    void kacisGidipDoner()
    {
        QFETCH(QString, metin);
        QFETCH(bool, bölümAdıOlur);
        AyarDeposu depo(yol);
        if (!bölümAdıOlur)
            QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, depo.Yaz(metin, "k", "v"));
        const QString bölüm = bölümAdıOlur ? metin : u"A"_s;
        depo.Yaz(bölüm, metin, metin);
        const AyarDeposu yeniden(yol);
        QCOMPARE(yeniden.BölümüOku(bölüm), (QList<AyarGirdisi>{{metin, metin}}));
        QCOMPARE(yeniden.Oku(metin, metin, "yok"), bölümAdıOlur ? metin : "yok");
    }

    // A file is read, or set aside byte for byte when damaged or far too large: once, however often.
    void acilis_data()
    {
        QTest::addColumn<QByteArray>("içerik");
        QTest::addColumn<QString>("görünüm");
        QTest::newRow("hand-edited: BOM, CRLF, comments, blanks, repeated section")
            << QByteArray("\xef\xbb\xbf;x\r\n\r\n  [A]  \r\n#x\r\n  k  =  v w  \r\n[A]\nl=\\s\n") << u"A: k=v w l= "_s;
        QTest::newRow("invalid UTF-8") << QByteArray("[A]\nk=\xff\xfe\n") << u"A:"_s;
        QTest::newRow("line that is no setting") << QByteArray("[A]\nk=v\nbu satır ayar değil\n") << u"A:"_s;
        QTest::newRow("key before any section") << QByteArray("k=v\n[A]\n") << u"A:"_s;
        QTest::newRow("backslash at the end") << QByteArray("[A]\nk=v\\\n") << u"A:"_s;
        QTest::newRow("zero-filled tail") << QByteArray("[A]\nk=v").append(64, '\0') << u"A:"_s;
        QTest::newRow("16 MB") << QByteArray("[A]\nk=v\n;").append(16 << 20, 'x') << u"A:"_s;
    }
    void acilis()
    {
        QFETCH(QByteArray, içerik);
        QFETCH(QString, görünüm);
        QStringList kopyalar;
        for (int kez = 0; kez < 2; ++kez) {
            QFile dosya(yol);
            QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write(içerik) == içerik.size() && dosya.flush());
            const AyarDeposu depo(yol);
            QCOMPARE(Görünüm(depo, "A"), görünüm);
            QCOMPARE(Baytlar(depo.BozukDosyaKopyası()), görünüm == "A:" ? içerik : QByteArray());
            kopyalar << depo.BozukDosyaKopyası();
        }
        QCOMPARE(kopyalar[1], kopyalar[0]);
    }

    // A FIFO for the file is neither waited on nor replaced, even by a save that skips failing changes.
    void okunamayanDosyaKorunur()
    {
        QVERIFY(mkfifo(QFile::encodeName(yol).constData(), 0600) == 0);
        AyarDeposu depo(yol);
        QVERIFY(depo.BölümüOku("A").isEmpty());
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, depo.TekYazımda([&] {
            try {
                depo.Yaz("A", "k", "v");
            } catch (const ÇalışmaHatası &) {
            }
        }));
        QVERIFY(QFileInfo(yol).exists() && !QFileInfo(yol).isFile());
    }

    // Inside TekYazımda the file changes once, at the end, with everything; or not at all.
    void tekYazimdaHepsiYaDaHicbiri()
    {
        AyarDeposu(yol).Yaz("Oyun", "Foto-0", "eski");
        const QByteArray önce = Baytlar(yol);
        AyarDeposu depo(yol);
        depo.TekYazımda([&] {
            depo.BölümüSil("Oyun");
            QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, depo.BölümüSil("Oyun"));
            depo.Yaz("Oyun", "Foto-0", "yeni");
            QCOMPARE(Baytlar(yol), önce);
        });
        QCOMPARE(Görünüm(AyarDeposu(yol), "Oyun"), "Oyun: Foto-0=yeni");

        QFile engel(klasör.filePath("engel"));
        QVERIFY(engel.open(QIODevice::WriteOnly));
        AyarDeposu yazılamaz(klasör.filePath("engel/Velbor-Eng.ini"));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, yazılamaz.TekYazımda([&] { yazılamaz.Yaz("A", "k", "v"); }));
        QCOMPARE(yazılamaz.Oku("A", "k", "yok"), "yok");
    }

    // Stopped by the file size limit at a varied byte of its write, a writer leaves old or new, whole.
    void oldurulenYazmaYaEskiYaYeni()
    {
        for (rlim_t sınır = 0; sınır < 40; sınır += 3) {
            AyarDeposu(yol).Yaz("Yük", "Değer", "eski");
            const pid_t çocuk = fork();
            if (çocuk == 0) {
                [&]() noexcept {
                    signal(SIGXFSZ, [](int) { _exit(2); });
                    const rlimit boyut{sınır, sınır};
                    setrlimit(RLIMIT_FSIZE, &boyut);
                    AyarDeposu(yol).Yaz("Yük", "Değer", "yeni");
                }();
                _exit(1);
            }
            int durum = 0;
            QVERIFY(çocuk > 0 && waitpid(çocuk, &durum, 0) == çocuk && WIFEXITED(durum));
            const QString değer = AyarDeposu(yol).Oku("Yük", "Değer");
            QVERIFY2(değer == "yeni" || (WEXITSTATUS(durum) == 2 && değer == "eski"), qPrintable(değer));
        }
    }
};

QTEST_GUILESS_MAIN(TstAyarDeposu)
#include "tst_ayardeposu.moc"
