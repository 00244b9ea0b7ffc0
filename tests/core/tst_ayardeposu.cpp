// The settings store and the game's own files: damaged, far too large, on a full disk, killed or behind a link.
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "EnIyiSonuclar.h"

#include <QDir>
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

void DosyaYaz(const QString &yol, const QByteArray &bayt)
{
    QDir().mkpath(QFileInfo(yol).path());
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write(bayt) == bayt.size());
}

// Long paths, so that the results reach the file's limit with fewer of them.
SonuçAnahtarı Fotoğraf(int sıra)
{
    return {3, u"/home/player/Pictures/%1/photo-%2.jpg"_s.arg(QString(400, u'a')).arg(sıra), {4000, 3000}};
}

// Why `yaz` fails while writes past `sınır` bytes stop short, as on a full disk; empty if it does not.
QString DoluDiskte(rlim_t sınır, const std::function<void()> &yaz)
{
    rlimit önceki{};
    getrlimit(RLIMIT_FSIZE, &önceki);
    const sighandler_t işleyici = signal(SIGXFSZ, SIG_IGN);
    const rlimit yeni{sınır, önceki.rlim_max};
    setrlimit(RLIMIT_FSIZE, &yeni);
    QString neden;
    try {
        yaz();
    } catch (const ÇalışmaHatası &hata) {
        neden = hata.Açıklama();
    }
    setrlimit(RLIMIT_FSIZE, &önceki);
    signal(SIGXFSZ, işleyici);
    return neden;
}

}  // namespace

class TstAyarDeposu : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> klasör;
    QString yol;

    QString Yer(const QString &ad) const { return klasör->filePath(ad); }

private slots:
    void init()
    {
        klasör.emplace();
        yol = Yer(u"Velbor-Eng.ini"_s);
    }

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
        QTest::addColumn<QList<AyarGirdisi>>("girdiler");
        const QList<AyarGirdisi> bozuk;
        QTest::newRow("hand-edited: BOM, CRLF, comments, blanks, repeated section")
            << QByteArray("\xef\xbb\xbf;x\r\n\r\n  [A]  \r\n#x\r\n  k  =  v w  \r\n[A]\nl=\\s\n")
            << QList<AyarGirdisi>{{"k", "v w"}, {"l", " "}};
        QTest::newRow("invalid UTF-8") << QByteArray("[A]\nk=\xff\xfe\n") << bozuk;
        QTest::newRow("line that is no setting") << QByteArray("[A]\nk=v\nbu satır ayar değil\n") << bozuk;
        QTest::newRow("key before any section") << QByteArray("k=v\n[A]\n") << bozuk;
        QTest::newRow("backslash at the end") << QByteArray("[A]\nk=v\\\n") << bozuk;
        QTest::newRow("zero-filled tail") << QByteArray("[A]\nk=v").append(64, '\0') << bozuk;
        QTest::newRow("16 MB") << QByteArray("[A]\nk=v\n;").append(16 << 20, 'x') << bozuk;
    }
    void acilis()
    {
        QFETCH(QByteArray, içerik);
        QFETCH(QList<AyarGirdisi>, girdiler);
        QStringList kopyalar;
        for (int kez = 0; kez < 2; ++kez) {
            DosyaYaz(yol, içerik);
            const AyarDeposu depo(yol);
            QCOMPARE(depo.BölümüOku("A"), girdiler);
            QCOMPARE(Baytlar(depo.BozukDosyaKopyası()), girdiler.isEmpty() ? içerik : QByteArray());
            kopyalar << depo.BozukDosyaKopyası();
        }
        QCOMPARE(kopyalar[1], kopyalar[0]);
    }

    // A FIFO for the file is neither waited on nor replaced, even by a save that skips failing changes.
    void okunamayanDosyaKorunur()
    {
        QVERIFY(mkfifo(QFile::encodeName(yol).constData(), 0600) == 0);
        AyarDeposu depo(yol);
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
        QCOMPARE(AyarDeposu(yol).BölümüOku("Oyun"), (QList<AyarGirdisi>{{"Foto-0", "yeni"}}));

        DosyaYaz(Yer(u"engel"_s), {});
        AyarDeposu yazılamaz(Yer(u"engel/Velbor-Eng.ini"_s));
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

    // A write cut short leaves the old file (or none) as it was, nothing beside it, and says why.
    void kisaYazmaEskiyiKorur_data()
    {
        QTest::addColumn<int>("sınır");
        QTest::addColumn<QString>("dosya");
        QTest::addColumn<QByteArray>("eski");
        for (const int sınır : {0, 4096}) {
            QTest::addRow("settings, %d bytes", sınır) << sınır << u"Velbor-Eng.ini"_s << QByteArray("[A]\nk=0\n");
            QTest::addRow("settings at a first start, %d bytes", sınır) << sınır << u"Velbor-Eng.ini"_s << QByteArray();
            QTest::addRow("best results, %d bytes", sınır)
                << sınır << u"EnIyiSonuclar.json"_s << QByteArray(R"({"results":[]})");
        }
    }
    void kisaYazmaEskiyiKorur()
    {
        QFETCH(int, sınır);
        QFETCH(QString, dosya);
        QFETCH(QByteArray, eski);
        if (!eski.isNull())
            DosyaYaz(Yer(dosya), eski);
        const QString neden = DoluDiskte(rlim_t(sınır), [&] {
            if (dosya.endsWith(u".ini"_s))
                return AyarDeposu(Yer(dosya)).Yaz(u"Notlar"_s, u"Uzun"_s, QString(20'000, u'x'));
            EnİyiSonuçlar sonuçlar(Yer(dosya));
            for (int sıra = 0; sıra < 40; ++sıra)
                sonuçlar.Ekle(Fotoğraf(sıra), 60, 40);
            sonuçlar.Kaydet();
        });
        QCOMPARE(neden, u"File too large"_s);
        const QStringList kalan = QDir(klasör->path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(kalan, eski.isNull() ? QStringList() : QStringList{dosya});
        QCOMPARE(Baytlar(Yer(dosya)), eski);
    }

    // A link to settings is written through; one to anything else is replaced, its target untouched.
    void baglantidanYazilmaz()
    {
        const QString ayar = Yer(u"ayar/tilora.ini"_s), başka = Yer(u"etc/passwd"_s);
        const QByteArray sistem = "root:x:0:0:root:/root:/bin/bash\n", yeni = "[Ayarlar]\nSon Bolme=2\n";
        DosyaYaz(ayar, "[Ayarlar]\nSon Bolme=1\n");
        DosyaYaz(başka, sistem);
        for (const QString &hedef : {ayar, başka}) {
            QFile::remove(yol);
            QVERIFY(QFile::link(hedef, yol));
            AyarDeposu(yol).Yaz(u"Ayarlar"_s, u"Son Bolme"_s, u"2"_s);
            QCOMPARE(QFileInfo(yol).isSymLink(), hedef == ayar);
            QCOMPARE(Baytlar(yol), yeni);
        }
        QCOMPARE(Baytlar(başka), sistem);
    }

    // At the reader's limit a save drops the photo left longest unplayed; the next start reads the rest.
    void enIyiSonuclarSinirIcinde()
    {
        constexpr qsizetype Sınır = 16 * 1024 * 1024;
        const QString dosya = Yer(u"EnIyiSonuclar.json"_s);
        QByteArray dolu = "{\"results\":[";
        int sayı = 0;
        for (;; ++sayı) {
            const QByteArray girdi = u"{\"division\":3,\"photo\":\"%1\",\"width\":4000,\"height\":3000,\"seconds\":60,"
                                     u"\"clicks\":40}"_s.arg(Fotoğraf(sayı).fotoğrafYolu).toUtf8();
            if (dolu.size() + girdi.size() + 3 > Sınır)
                break;
            dolu += (sayı ? "," : "") + girdi;
        }
        DosyaYaz(dosya, dolu + "]}");
        EnİyiSonuçlar sonuçlar(dosya);
        sonuçlar.Ekle(Fotoğraf(0), 50, 50);
        sonuçlar.Ekle(Fotoğraf(sayı), 70, 30);
        sonuçlar.Kaydet();
        const EnİyiSonuçlar okunan(dosya);
        QCOMPARE(okunan.Bul(Fotoğraf(0)).value().saniye, 50);
        QCOMPARE(okunan.Bul(Fotoğraf(sayı)).value().hamle, 30);
        QVERIFY(!okunan.Bul(Fotoğraf(1)));
        QVERIFY(okunan.Bul(Fotoğraf(sayı - 1)));
    }
};

QTEST_GUILESS_MAIN(TstAyarDeposu)
#include "tst_ayardeposu.moc"
