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
    void init()
    {
        QFile::remove(yol);
    }

    // Steps: "+section|key|value" writes, "-section" deletes, "!section" must fail to delete.
    void siraVeSilme_data()
    {
        QTest::addColumn<QStringList>("adımlar");
        QTest::addColumn<QStringList>("beklenen");
        QTest::newRow("deleted keys come back in the new order; a rewritten key keeps its place")
            << QStringList{"+S|a|1", "+S|b|2", "-S", "+S|b|3", "+S|a|4", "+S|b|5"} << QStringList{"S: b=5 a=4"};
        QTest::newRow("parent deletion takes nested sections, not namesakes")
            << QStringList{"+Oyun\\Bilgiler|s|1", "+Oyun|a|1", "+Oyunlar|x|1", "+Oyun\\Bilgiler\\Alt|y|2", "-Oyun"}
            << QStringList{"Oyun:", "Oyun\\Bilgiler:", "Oyun\\Bilgiler\\Alt:", "Oyunlar: x=1"};
        QTest::newRow("missing sections, including a parent gone with its nested one, cannot be deleted")
            << QStringList{"+A\\B|k|1", "+Oyun|k|1", "!Oy", "!oyun", "!Oyun\\B", "-A", "!A"} << QStringList{"A\\B:", "Oyun: k=1"};
    }
    void siraVeSilme()
    {
        QFETCH(QStringList, adımlar);
        QFETCH(QStringList, beklenen);
        AyarDeposu depo(yol);
        for (const QString &adım : adımlar) {
            const QStringList parça = adım.mid(1).split(u'|');
            if (adım[0] == u'+')
                depo.Yaz(parça[0], parça[1], parça[2]);
            else if (adım[0] == u'-')
                depo.BölümüSil(parça[0]);
            else
                QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, depo.BölümüSil(parça[0]));
        }
        for (const QString &satır : beklenen)
            QCOMPARE(Görünüm(AyarDeposu(yol), satır.section(u':', 0, 0)), satır);
    }

    void kacisGidipDoner_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("bölümAdıOlur");
        QTest::newRow("blanks at the ends, non-ASCII") << u" baş ❤ 𝄞\u3000"_s << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("comment, equals, escape lookalikes") << u";a=b #c=\\n\\s\\u0041C:\\"_s << true;
        QTest::newRow("hash first") << u"#x"_s << true;
        QTest::newRow("section lookalike") << u"[x]"_s << false;
        QTest::newRow("controls, lone surrogates") << u"\r\n\t\0\x7f\x85"_s + QChar(0xdc00) + u'b' + QChar(0xd800) << false;
    }
    // The text as a key and its value, in a section of that name where one may have it.
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

    // A file is read, or, when damaged, set aside byte for byte with the store starting empty.
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
    }
    void acilis()
    {
        QFETCH(QByteArray, içerik);
        QFETCH(QString, görünüm);
        QFile dosya(yol);
        QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write(içerik) == içerik.size() && dosya.flush());
        const AyarDeposu depo(yol);
        QCOMPARE(Görünüm(depo, "A"), görünüm);
        QCOMPARE(Baytlar(depo.BozukDosyaKopyası()), görünüm == "A:" ? içerik : QByteArray());
    }

    // A FIFO where the file should be is neither waited on nor replaced.
    void fifoBeklenmez()
    {
        QVERIFY(mkfifo(QFile::encodeName(yol).constData(), 0600) == 0);
        AyarDeposu depo(yol);
        QVERIFY(depo.BölümüOku("A").isEmpty());
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, depo.Yaz("A", "k", "v"));
        // A save that skips each failing change still hears that nothing was saved.
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
            depo.Yaz("Oyun\\Bilgiler", "Saniye Bilgisi", "4");
            QCOMPARE(Baytlar(yol), önce);
        });
        QCOMPARE(Görünüm(AyarDeposu(yol), "Oyun"), "Oyun: Foto-0=yeni");
        QCOMPARE(Görünüm(AyarDeposu(yol), "Oyun\\Bilgiler"), "Oyun\\Bilgiler: Saniye Bilgisi=4");

        QFile engel(klasör.filePath("engel"));
        QVERIFY(engel.open(QIODevice::WriteOnly));
        AyarDeposu yazılamaz(klasör.filePath("engel/Velbor-Eng.ini"));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, yazılamaz.TekYazımda([&] { yazılamaz.Yaz("A", "k", "v"); }));
        QCOMPARE(yazılamaz.Oku("A", "k", "yok"), "yok");
    }

    void okunamayanDosyaKorunur()
    {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        AyarDeposu(yol).Yaz("A", "k", "v");
        QFile::setPermissions(yol, {});
        AyarDeposu depo(yol);
        QFile::setPermissions(yol, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, depo.Yaz("A", "k", "x"));
        QCOMPARE(Görünüm(AyarDeposu(yol), "A"), "A: k=v");
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
