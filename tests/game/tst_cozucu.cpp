// The solver: the fewest slides on 3 x 3 and 4 x 4 boards, against a breadth-first search of the
// test's own; 5 x 5 answers that play home, the same whatever else is ready; unsolvable boards;
// giving up; tables beside the program used as they are, damaged ones made afresh in the cache;
// tables whose values are wrong but whose checksums match never giving a wrong answer.
#include "Cozucu.h"
#include "DesenDosyasi.h"
#include "SikiDesen.h"
#include "Tahta.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>
#include <random>
#include <unordered_map>

namespace {

const std::atomic<bool> sürsün{false};

// Smaller groups than the game's: the tables build in a moment even under the sanitizers, and
// the answers must be just as short.
const QList<QList<int>> DörtlüDesenler{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14}};
const QList<QList<int>> BeşliDesenler{{0, 1, 2}, {3, 4, 9}, {5, 6, 7}, {8, 13, 14},
                                      {10, 11, 12}, {15, 16, 17}, {18, 19, 23}, {20, 21, 22}};

QList<int> Etiketler(const Tahta &tahta)
{
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    return etiketler;
}

// Home, then `adım` random slides, never straight back.
Tahta Karıştırılmış(int n, int adım, std::mt19937 &üreteç)
{
    Tahta tahta(n);
    QList<int> ev(n * n);
    std::iota(ev.begin(), ev.end(), 0);
    tahta.Yerleştir(ev, n * n - 1);
    for (int önceki = -1; adım > 0;) {
        const int konum = int(üreteç() % (n * n));
        const int boş = tahta.BoşParçaNo();
        if (konum != önceki && tahta.Kaydır(konum)) {
            önceki = boş;
            --adım;
        }
    }
    return tahta;
}

// The fewest slides home on a board of up to 4 x 4, by a breadth-first search over the
// positions as nibbles.
int EnAzKayma(const Tahta &başlangıç)
{
    const int n = başlangıç.BölmeSayısı(), k = n * n;
    const auto kod = [&](const Tahta &t) {
        quint64 sonuç = 0;
        for (int konum = 0; konum < k; ++konum)
            sonuç = sonuç << 4 | quint64(konum == t.BoşParçaNo() ? k - 1 : t.Etiket(konum));
        return sonuç;
    };
    std::unordered_map<quint64, int> görülen{{kod(başlangıç), 0}};
    QList<Tahta> kuyruk{başlangıç};
    for (qsizetype baş = 0; baş < kuyruk.size(); ++baş) {
        const Tahta tahta = kuyruk[baş];
        const int uzaklık = görülen[kod(tahta)];
        if (tahta.TamamlandıMı() && tahta.BoşParçaNo() == k - 1)
            return uzaklık;
        for (const int adım : {-n, -1, 1, n}) {
            Tahta sonraki = tahta;
            if (sonraki.Kaydır(tahta.BoşParçaNo() + adım) && görülen.emplace(kod(sonraki), uzaklık + 1).second)
                kuyruk.append(sonraki);
        }
    }
    return -1;
}

// True when the slides are taken one by one and leave every piece home, the gap bottom-right.
bool EveGötürür(Tahta tahta, const QList<int> &hamleler)
{
    for (const int konum : hamleler)
        if (!tahta.Kaydır(konum))
            return false;
    return tahta.TamamlandıMı() && tahta.BoşParçaNo() == tahta.KonumSayısı() - 1;
}

QByteArray Oku(const QString &yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

bool Yaz(const QString &yol, const QByteArray &baytlar)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::WriteOnly) && dosya.write(baytlar) == baytlar.size();
}

QStringList Dosyaları(const QString &klasör)
{
    return QDir(klasör).entryList(QDir::Files, QDir::Name);
}

}  // namespace

class TestSolver : public QObject {
    Q_OBJECT

    // The tables as the build makes them beside the program, made once here.
    QTemporaryDir kurulum;
    std::optional<Çözücü> çözücü;

    QString TabloDosyası(const QString &klasör, int n) const { return QDir(klasör).filePath(DesenDosyasıAdı(n)); }

private slots:
    void initTestCase()
    {
        çözücü.emplace(kurulum.path(), QString(), DörtlüDesenler, BeşliDesenler);
        QVERIFY(çözücü->TablolarıBekle(sürsün));
        QCOMPARE(Dosyaları(kurulum.path()), QStringList({DesenDosyasıAdı(4), DesenDosyasıAdı(5)}));
    }

    void fewestSlides_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("adım");
        for (const int n : {3, 4})
            for (const int adım : {0, 1, 6, 12, n == 3 ? 30 : 16})
                QTest::addRow("%dx%d, %d slides from home", n, n, adım) << n << adım;
    }
    void fewestSlides()
    {
        QFETCH(int, n);
        QFETCH(int, adım);
        std::mt19937 üreteç(n * 100 + adım);
        for (int deneme = 0; deneme < 5; ++deneme) {
            const Tahta tahta = Karıştırılmış(n, adım, üreteç);
            const Çözüm çözüm = çözücü->Çöz(Etiketler(tahta), tahta.BoşParçaNo(), sürsün);
            QCOMPARE(çözüm.durum, Çözüm::Durum::Çözüldü);
            QVERIFY(çözüm.enKısa);
            QVERIFY(EveGötürür(tahta, çözüm.hamleler));
            QCOMPARE(int(çözüm.hamleler.size()), EnAzKayma(tahta));
        }
    }

    // A 5 x 5 answer plays home, and a solver whose 4 x 4 tables were never made gives the same.
    void largeBoardPlaysHomeTheSameWay()
    {
        const QTemporaryDir önbellek;
        const Çözücü yalnızBeşli(önbellek.path(), kurulum.path(), DörtlüDesenler, BeşliDesenler);
        std::mt19937 üreteç(5);
        for (const int adım : {0, 3, 400}) {
            const Tahta tahta = Karıştırılmış(5, adım, üreteç);
            const Çözüm çözüm = çözücü->Çöz(Etiketler(tahta), tahta.BoşParçaNo(), sürsün);
            QCOMPARE(çözüm.durum, Çözüm::Durum::Çözüldü);
            QVERIFY(EveGötürür(tahta, çözüm.hamleler));
            QVERIFY(int(çözüm.hamleler.size()) <= adım);
            QCOMPARE(yalnızBeşli.Çöz(Etiketler(tahta), tahta.BoşParçaNo(), sürsün).hamleler, çözüm.hamleler);
        }
    }

    // Told at once, whatever the size: two pieces exchanged, a piece twice, no square board.
    void unsolvableBoards_data()
    {
        QTest::addColumn<QList<int>>("etiketler");
        QTest::addColumn<int>("boş");
        QTest::newRow("3x3, two exchanged") << QList<int>{1, 0, 2, 3, 4, 5, 6, 7, 8} << 8;
        QTest::newRow("4x4, two exchanged, gap inside") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15} << 5;
        QTest::newRow("a piece twice") << QList<int>{0, 0, 2, 3, 4, 5, 6, 7, 8} << 8;
        QTest::newRow("no square board") << QList<int>{0, 1, 2, 3, 4, 5} << 5;
    }
    void unsolvableBoards()
    {
        QFETCH(QList<int>, etiketler);
        QFETCH(int, boş);
        QCOMPARE(çözücü->Çöz(etiketler, boş, sürsün).durum, Çözüm::Durum::Çözülemez);
    }

    // Given up before it starts, or while the tables are still being built, a search answers so.
    void givingUp()
    {
        const std::atomic<bool> vazgeç{true};
        std::mt19937 üreteç(4);
        for (const int n : {4, 5}) {
            const Tahta tahta = Karıştırılmış(n, 80, üreteç);
            QCOMPARE(çözücü->Çöz(Etiketler(tahta), tahta.BoşParçaNo(), vazgeç).durum, Çözüm::Durum::Vazgeçildi);
            const QTemporaryDir boşKlasör;
            const Çözücü yeni(boşKlasör.path(), QString(), DörtlüDesenler, BeşliDesenler);
            QCOMPARE(yeni.Çöz(Etiketler(tahta), tahta.BoşParçaNo(), vazgeç).durum, Çözüm::Durum::Vazgeçildi);
        }
    }

    // Sound tables beside the program are used as they are; missing or damaged ones are built
    // into the cache, whole, and the copy there is used from then on.
    void installedTables_data()
    {
        QTest::addColumn<int>("bozma");
        QTest::newRow("sound") << 0;
        QTest::newRow("missing") << 1;
        QTest::newRow("cut short") << 2;
        QTest::newRow("one byte changed") << 3;
    }
    void installedTables()
    {
        QFETCH(int, bozma);
        const QTemporaryDir yanında, önbellek;
        const QString kurulan = TabloDosyası(yanında.path(), 4);
        const QByteArray sağlam = Oku(TabloDosyası(kurulum.path(), 4));
        QByteArray yazılan = sağlam;
        if (bozma == 2)
            yazılan.chop(1000);
        if (bozma == 3)
            yazılan[yazılan.size() / 2] = char(yazılan[yazılan.size() / 2] ^ 0x10);
        if (bozma != 1)
            QVERIFY(Yaz(kurulan, yazılan));
        QVERIFY(QFile::copy(TabloDosyası(kurulum.path(), 5), TabloDosyası(yanında.path(), 5)));

        QVERIFY(Çözücü(önbellek.path(), yanında.path(), DörtlüDesenler, BeşliDesenler).TablolarıBekle(sürsün));
        QCOMPARE(Dosyaları(önbellek.path()), bozma == 0 ? QStringList() : QStringList{DesenDosyasıAdı(4)});
        if (bozma != 0)
            QCOMPARE(Oku(TabloDosyası(önbellek.path(), 4)), sağlam);
        // The damaged file beside the program stays as it was; only the cache is written.
        QCOMPARE(Oku(kurulan), bozma == 1 ? QByteArray() : yazılan);
    }

    // Tables rewritten with wrong values and checksums to match: every answer still plays home.
    // 4 x 4 tables that claim more slides than an answer leaves (all entries at their highest
    // bound a far board above the 80 slides any needs) are never used again but built afresh
    // into the cache; all zero they only bound less tightly.
    void wrongValuesWithMatchingChecksums_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("değer");
        for (const int n : {4, 5})
            for (const int değer : {0x00, 0xFF, 0x5A})
                QTest::addRow("%dx%d, every byte 0x%02X", n, n, değer) << n << değer;
    }
    void wrongValuesWithMatchingChecksums()
    {
        QFETCH(int, n);
        QFETCH(int, değer);
        const QTemporaryDir yanında, önbellek;
        const QList<QList<int>> &desenler = n == 4 ? DörtlüDesenler : BeşliDesenler;
        DesenBölümü bölüm;
        std::vector<std::vector<std::uint8_t>> tablolar;
        for (const QList<int> &desen : desenler) {
            bölüm.emplace_back(desen.begin(), desen.end());
            tablolar.emplace_back(SıkıBoyut(YerleşimSayısı(n, int(desen.size()))), std::uint8_t(değer));
        }
        QVERIFY(Yaz(TabloDosyası(yanında.path(), n), DesenDosyasıBaytları(n, bölüm, tablolar)));
        const int öteki = n == 4 ? 5 : 4;
        QVERIFY(QFile::copy(TabloDosyası(kurulum.path(), öteki), TabloDosyası(yanında.path(), öteki)));

        Çözücü yanılan(önbellek.path(), yanında.path(), DörtlüDesenler, BeşliDesenler);
        std::mt19937 üreteç(n * 1000 + değer);
        // Each board with the slides it was dealt by: an answer called the fewest has no more.
        QList<std::pair<Tahta, int>> tahtalar;
        for (const int adım : {1, 10, 25})
            tahtalar.append({Karıştırılmış(n, adım, üreteç), adım});
        if (n == 4 && değer == 0xFF) {
            // Every tile far from home, the two first exchanged for the parity.
            QList<int> ters{13, 14, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 15};
            QVERIFY(ÇözülebilirMi(ters, 15));
            tahtalar.prepend({Tahta(4), 80});
            tahtalar.first().first.Yerleştir(ters, 15);
        }
        for (const auto &[tahta, adım] : tahtalar) {
            const Çözüm çözüm = yanılan.Çöz(Etiketler(tahta), tahta.BoşParçaNo(), sürsün);
            QCOMPARE(çözüm.durum, Çözüm::Durum::Çözüldü);
            QVERIFY(EveGötürür(tahta, çözüm.hamleler));
            QVERIFY(!çözüm.enKısa || çözüm.hamleler.size() <= adım);
        }
        QVERIFY(yanılan.TablolarıBekle(sürsün));
        const bool yanlış = n == 4 && değer != 0;
        QCOMPARE(Oku(TabloDosyası(önbellek.path(), n)), yanlış ? Oku(TabloDosyası(kurulum.path(), n)) : QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_cozucu.moc"
