// The game's own files on a full disk, damaged, far too large or behind a link.
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

class TstDosyaGuvenligi : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> klasör;

    QString Yer(const QString &ad) const { return klasör->filePath(ad); }

private slots:
    void init() { klasör.emplace(); }

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
            if (dosya.endsWith(u".ini"_s)) {
                AyarDeposu(Yer(dosya)).Yaz(u"Notlar"_s, u"Uzun"_s, QString(20'000, u'x'));
                return;
            }
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

    // A result the game never writes, of no such division, sets the whole file aside byte for byte.
    void bozukSonuclarKenaraKonur()
    {
        const QByteArray bozuk =
            R"({"results":[{"division":7,"photo":"/a.jpg","width":4,"height":3,"seconds":6,"clicks":4}]})";
        DosyaYaz(Yer(u"EnIyiSonuclar.json"_s), bozuk);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"best results file was damaged"_s));
        QCOMPARE(Baytlar(EnİyiSonuçlar(Yer(u"EnIyiSonuclar.json"_s)).BozukDosyaKopyası()), bozuk);
    }

    // A link to settings is written through; one to anything else is replaced, its target untouched.
    void baglantidanYazilmaz()
    {
        const QString yol = Yer(u"Velbor-Eng.ini"_s), ayar = Yer(u"ayar/tilora.ini"_s), başka = Yer(u"etc/passwd"_s);
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
        const QString yol = Yer(u"EnIyiSonuclar.json"_s);
        QByteArray dolu = "{\"results\":[";
        int sayı = 0;
        for (;; ++sayı) {
            const QByteArray girdi = u"{\"division\":3,\"photo\":\"%1\",\"width\":4000,\"height\":3000,\"seconds\":60,"
                                     u"\"clicks\":40}"_s.arg(Fotoğraf(sayı).fotoğrafYolu).toUtf8();
            if (dolu.size() + girdi.size() + 3 > Sınır)
                break;
            dolu += (sayı ? "," : "") + girdi;
        }
        DosyaYaz(yol, dolu + "]}");
        EnİyiSonuçlar sonuçlar(yol);
        QVERIFY(sonuçlar.BozukDosyaKopyası().isEmpty());
        sonuçlar.Ekle(Fotoğraf(0), 50, 50);
        sonuçlar.Ekle(Fotoğraf(sayı), 70, 30);
        sonuçlar.Kaydet();
        QVERIFY(QFileInfo(yol).size() <= Sınır);
        const EnİyiSonuçlar okunan(yol);
        QCOMPARE(okunan.Bul(Fotoğraf(0)).value().saniye, 50);
        QCOMPARE(okunan.Bul(Fotoğraf(sayı)).value().hamle, 30);
        QVERIFY(!okunan.Bul(Fotoğraf(1)));
        QVERIFY(okunan.Bul(Fotoğraf(sayı - 1)));
    }
};

QTEST_GUILESS_MAIN(TstDosyaGuvenligi)
#include "tst_dosyaguvenligi.moc"
