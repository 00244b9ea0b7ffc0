// The game's own files on a full disk, damaged, far too large or behind a link: the settings,
// the best results and the solver's tables.
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "DesenDosyasi.h"
#include "SikiDesen.h"
#include "EnIyiSonuclar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using Yazım = std::function<void(const QString &klasör)>;
Q_DECLARE_METATYPE(Yazım)

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

QString Sonuçlar(const QString &klasör)
{
    return klasör + u"/EnIyiSonuclar.json"_s;
}

SonuçAnahtarı Fotoğraf(int sıra)
{
    // Long paths, so that the results reach the file's limit with fewer of them.
    return {3, u"/home/player/Pictures/%1/photo-%2.jpg"_s.arg(QString(400, u'a')).arg(sıra), {4000, 3000}};
}

// Writes of more than `sınır` bytes into any file stop short there, as a full disk stops them.
class DolmuşDisk {
public:
    explicit DolmuşDisk(rlim_t sınır)
    {
        getrlimit(RLIMIT_FSIZE, &önceki);
        eskiİşleyici = signal(SIGXFSZ, SIG_IGN);
        const rlimit yeni{sınır, önceki.rlim_max};
        setrlimit(RLIMIT_FSIZE, &yeni);
    }
    ~DolmuşDisk()
    {
        setrlimit(RLIMIT_FSIZE, &önceki);
        signal(SIGXFSZ, eskiİşleyici);
    }

private:
    rlimit önceki{};
    sighandler_t eskiİşleyici;
};

}  // namespace

class TstDosyaGuvenligi : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> klasör;

    QString Yer(const QString &ad) const { return klasör->filePath(ad); }

private slots:
    void init() { klasör.emplace(); }

    // Each write is cut short at 0, 4096 or 8192 bytes: the old file (or none) stays as it was,
    // nothing is left beside it, and the error says why where the writer passes it on.
    void kisaYazmaEskiyiKorur_data()
    {
        QTest::addColumn<int>("sınır");
        QTest::addColumn<QString>("dosya");
        QTest::addColumn<QByteArray>("eski");
        QTest::addColumn<Yazım>("yaz");
        QTest::addColumn<QString>("neden");
        const Yazım ayarlar = [](const QString &k) {
            AyarDeposu depo(k + u"/Velbor-Eng.ini"_s);
            depo.TekYazımda([&] {
                depo.Yaz(u"Ayarlar"_s, u"Son Bolme"_s, u"1"_s);
                depo.Yaz(u"Notlar"_s, u"Uzun"_s, QString(20'000, u'x'));
            });
        };
        const Yazım sonuçlar = [](const QString &k) {
            EnİyiSonuçlar yeni(Sonuçlar(k));
            for (int sıra = 0; sıra < 40; ++sıra)
                yeni.Ekle(Fotoğraf(sıra), 60, 40);
            yeni.Kaydet();
        };
        const Yazım tablo = [](const QString &k) {
            const DesenBölümü bölüm{{0, 1, 2, 3}};
            const std::vector<std::vector<std::uint8_t>> tablolar{std::vector<std::uint8_t>(SıkıBoyut(YerleşimSayısı(4, 4)), 7)};
            if (!DesenDosyasınıYaz(k, 4, DesenDosyasıBaytları(4, bölüm, tablolar)))
                throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
        };
        const QString büyük = u"File too large"_s;
        for (const int sınır : {0, 4096, 8192}) {
            QTest::addRow("settings, %d bytes", sınır) << sınır << u"Velbor-Eng.ini"_s
                                                       << QByteArray("[Ayarlar]\nSon Bolme=0\n") << ayarlar << büyük;
            QTest::addRow("settings at a first start, %d bytes", sınır) << sınır << QString() << QByteArray() << ayarlar << büyük;
            QTest::addRow("best results, %d bytes", sınır) << sınır << u"EnIyiSonuclar.json"_s
                                                           << QByteArray("{\"results\":[]}") << sonuçlar << büyük;
            QTest::addRow("solver's table, %d bytes", sınır) << sınır << u"desen-4x4.bin"_s << QByteArray("eski")
                                                             << tablo << StandartAçıklama(HataNo::DosyaErişimHatası);
        }
    }
    void kisaYazmaEskiyiKorur()
    {
        QFETCH(int, sınır);
        QFETCH(QString, dosya);
        QFETCH(QByteArray, eski);
        QFETCH(Yazım, yaz);
        QFETCH(QString, neden);
        if (!dosya.isEmpty())
            DosyaYaz(Yer(dosya), eski);
        QString söylenen;
        {
            const DolmuşDisk disk{rlim_t(sınır)};
            try {
                yaz(klasör->path());
            } catch (const ÇalışmaHatası &hata) {
                söylenen = hata.Açıklama();
            }
        }
        QCOMPARE(söylenen, neden);
        QCOMPARE(QDir(klasör->path()).entryList(QDir::Files | QDir::Hidden), dosya.isEmpty() ? QStringList() : QStringList{dosya});
        if (!dosya.isEmpty())
            QCOMPARE(Baytlar(Yer(dosya)), eski);
    }

    // A file found damaged again and again is kept once; other damaged bytes get their own copy.
    void bozukDosyaBirKezSaklanir_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QByteArray>("ikinci");
        QTest::addColumn<int>("kopyalar");
        QTest::newRow("settings, same bytes") << u"Velbor-Eng.ini"_s << QByteArray("bozuk satır\n") << 1;
        QTest::newRow("settings, other bytes") << u"Velbor-Eng.ini"_s << QByteArray("başka bozuk satır\n") << 2;
        QTest::newRow("best results, same bytes") << u"EnIyiSonuclar.json"_s << QByteArray("bozuk satır\n") << 1;
        QTest::newRow("best results, other bytes") << u"EnIyiSonuclar.json"_s << QByteArray("{\"results\":[1]}") << 2;
        QTest::newRow("best results, cut short") << u"EnIyiSonuclar.json"_s << QByteArray("{\"results\": [{\"division\": 3") << 2;
        QTest::newRow("best results, no such division") << u"EnIyiSonuclar.json"_s << QByteArray("{\"results\": [{\"division\": 7}]}") << 2;
    }
    void bozukDosyaBirKezSaklanir()
    {
        QFETCH(QString, ad);
        QFETCH(QByteArray, ikinci);
        QFETCH(int, kopyalar);
        const bool ayarlar = ad.endsWith(u".ini"_s);
        QStringList saklananlar;
        for (const QByteArray &bozuk : {QByteArray("bozuk satır\n"), ikinci}) {
            DosyaYaz(Yer(ad), bozuk);
            if (!ayarlar)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"best results file was damaged"_s));
            const QString kopya = ayarlar ? AyarDeposu(Yer(ad)).BozukDosyaKopyası() : EnİyiSonuçlar(Yer(ad)).BozukDosyaKopyası();
            QCOMPARE(Baytlar(kopya), bozuk);
            QVERIFY(!QFileInfo::exists(Yer(ad)));
            saklananlar << kopya;
        }
        QCOMPARE(QDir(klasör->path()).entryList({ad + u".damaged-*"_s}, QDir::Files).size(), kopyalar);
        QCOMPARE(saklananlar[0] == saklananlar[1], kopyalar == 1);
    }

    // A settings file far larger than any real one is not read, but set aside whole.
    void cokBuyukAyarDosyasi()
    {
        QByteArray büyük = "[Ayarlar]\nSon Bolme=1\n;";
        büyük.append(16 * 1024 * 1024, 'x').append('\n');
        DosyaYaz(Yer(u"Velbor-Eng.ini"_s), büyük);
        AyarDeposu depo(Yer(u"Velbor-Eng.ini"_s));
        QCOMPARE(depo.Oku(u"Ayarlar"_s, u"Son Bolme"_s, u"yok"_s), u"yok"_s);
        QCOMPARE(Baytlar(depo.BozukDosyaKopyası()).size(), büyük.size());
        depo.Yaz(u"Ayarlar"_s, u"Son Bolme"_s, u"2"_s);
        QCOMPARE(Baytlar(Yer(u"Velbor-Eng.ini"_s)), "[Ayarlar]\nSon Bolme=2\n");
    }

    // A link to what reads as settings is written through; a link to anything else is set aside
    // itself and the store writes a regular file in its place, the link's target untouched.
    void baglantidanYazilmaz_data()
    {
        QTest::addColumn<QByteArray>("hedef");
        QTest::addColumn<bool>("içindenYazılır");
        QTest::newRow("to settings") << QByteArray("[Ayarlar]\nSon Bolme=1\n") << true;
        QTest::newRow("to a system file") << QByteArray("root:x:0:0:root:/root:/bin/bash\n") << false;
    }
    void baglantidanYazilmaz()
    {
        QFETCH(QByteArray, hedef);
        QFETCH(bool, içindenYazılır);
        const QString yol = Yer(u"Velbor-Eng.ini"_s), başka = Yer(u"baska/passwd"_s);
        DosyaYaz(başka, hedef);
        QVERIFY(QFile::link(başka, yol));
        AyarDeposu(yol).Yaz(u"Ayarlar"_s, u"Son Bolme"_s, u"2"_s);
        QCOMPARE(QFileInfo(yol).isSymLink(), içindenYazılır);
        QCOMPARE(Baytlar(yol), "[Ayarlar]\nSon Bolme=2\n");
        if (!içindenYazılır)
            QCOMPARE(Baytlar(başka), hedef);
    }

    // Written compact, and never beyond what the reader takes: the photo left longest unplayed
    // goes first, and the next start reads every result that was kept.
    void enIyiSonuclarSinirIcinde()
    {
        // A file as full as the reader takes, the first photo played longest ago.
        constexpr qsizetype Sınır = 16 * 1024 * 1024;
        const QString yol = Sonuçlar(klasör->path());
        QByteArray dolu = "{\"results\":[";
        int sayı = 0;
        for (;; ++sayı) {
            const QByteArray girdi = QJsonDocument(QJsonObject{{u"division"_s, 3}, {u"photo"_s, Fotoğraf(sayı).fotoğrafYolu},
                                                               {u"width"_s, 4000}, {u"height"_s, 3000},
                                                               {u"seconds"_s, 60}, {u"clicks"_s, 40}})
                                         .toJson(QJsonDocument::Compact);
            if (dolu.size() + girdi.size() + 3 > Sınır)
                break;
            dolu += (sayı ? "," : "") + girdi;
        }
        DosyaYaz(yol, dolu + "]}");
        {
            EnİyiSonuçlar sonuçlar(yol);
            QVERIFY(sonuçlar.BozukDosyaKopyası().isEmpty());
            // Played again, the first photo is the latest.
            sonuçlar.Ekle(Fotoğraf(0), 50, 50);
            sonuçlar.Ekle(Fotoğraf(sayı), 70, 30);
            sonuçlar.Kaydet();
        }
        QVERIFY(QFileInfo(yol).size() <= Sınır);
        const EnİyiSonuçlar okunan(yol);
        QVERIFY(okunan.BozukDosyaKopyası().isEmpty());
        QCOMPARE(okunan.Bul(Fotoğraf(0)).value().saniye, 50);
        QCOMPARE(okunan.Bul(Fotoğraf(sayı)).value().hamle, 30);
        QVERIFY(!okunan.Bul(Fotoğraf(1)));
        QVERIFY(okunan.Bul(Fotoğraf(sayı - 1)));
    }
};

QTEST_GUILESS_MAIN(TstDosyaGuvenligi)
#include "tst_dosyaguvenligi.moc"
