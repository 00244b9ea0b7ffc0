// The solver: the fewest slides, unsolvable boards, and answers that play home whatever the tables
// beside the program: sound, missing, damaged, or wrong under matching checksums.
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

namespace {

const std::atomic<bool> sürsün{false};

// Smaller groups than the game's: the tables build in a moment even under the sanitizers.
const QList<QList<int>> DörtlüDesenler{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14}};
const QList<QList<int>> BeşliDesenler{{0, 1, 2}, {3, 4, 9}, {5, 6, 7}, {8, 13, 14},
                                      {10, 11, 12}, {15, 16, 17}, {18, 19, 23}, {20, 21, 22}};

// Home, then `adım` random slides: no more than that many from home.
Tahta Karıştırılmış(int n, int adım, std::mt19937 &üreteç)
{
    Tahta tahta(n);
    QList<int> ev(n * n);
    std::iota(ev.begin(), ev.end(), 0);
    tahta.Dağıt(ev);
    while (adım > 0)
        if (tahta.Kaydır(int(üreteç() % (n * n))))
            --adım;
    return tahta;
}

Çözüm Çöz(const Çözücü &çözücü, const Tahta &tahta, const std::atomic<bool> &vazgeç = sürsün)
{
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    return çözücü.Çöz(etiketler, tahta.BoşParçaNo(), vazgeç);
}

// True for a solution whose slides, taken one by one, leave every piece home, the gap bottom-right.
bool EveGötürür(Tahta tahta, const Çözüm &çözüm)
{
    for (const int konum : çözüm.hamleler)
        if (!tahta.Kaydır(konum))
            return false;
    return çözüm.durum == Çözüm::Durum::Çözüldü && tahta.TamamlandıMı()
        && tahta.BoşParçaNo() == tahta.KonumSayısı() - 1;
}

QByteArray Oku(const QString &yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

QString TabloDosyası(const QTemporaryDir &klasör, int n)
{
    return klasör.filePath(DesenDosyasıAdı(n));
}

}  // namespace

class TestSolver : public QObject {
    Q_OBJECT

    // The tables as the build makes them beside the program, made once here.
    QTemporaryDir kurulum;
    std::optional<Çözücü> çözücü;

private slots:
    void initTestCase()
    {
        çözücü.emplace(kurulum.path(), QString(), DörtlüDesenler, BeşliDesenler);
        QVERIFY(çözücü->TablolarıBekle(sürsün));
    }

    // Boards whose fewest slides a search of their own counted.
    void fewestSlides_data()
    {
        QTest::addColumn<QList<int>>("etiketler");
        QTest::addColumn<int>("boş");
        QTest::addColumn<int>("enAz");
        QTest::newRow("3x3, home") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << 8 << 0;
        QTest::newRow("3x3, 22 slides") << QList<int>{2, 3, 5, 0, 6, 1, 7, 4, 8} << 8 << 22;
        QTest::newRow("3x3, one of the farthest") << QList<int>{7, 5, 6, 1, 4, 3, 2, 8, 0} << 7 << 31;
        QTest::newRow("4x4, 30 slides") << QList<int>{1, 8, 15, 5, 0, 10, 2, 3, 9, 4, 13, 6, 12, 11, 14, 7} << 2 << 30;
        QTest::newRow("4x4, 32 slides") << QList<int>{0, 2, 11, 3, 4, 6, 1, 14, 8, 12, 7, 13, 5, 15, 10, 9} << 13 << 32;
    }
    void fewestSlides()
    {
        QFETCH(QList<int>, etiketler);
        QFETCH(int, boş);
        QFETCH(int, enAz);
        Tahta tahta(etiketler.size() == 9 ? 3 : 4);
        tahta.Yerleştir(etiketler, boş);
        const Çözüm çözüm = Çöz(*çözücü, tahta);
        QVERIFY(çözüm.enKısa && EveGötürür(tahta, çözüm));
        QCOMPARE(int(çözüm.hamleler.size()), enAz);
    }

    // Told at once, whatever the size: two pieces exchanged, a piece twice, no square board.
    void unsolvableBoards()
    {
        const QList<int> ikisiDeğişmiş{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15};
        for (const auto &[etiketler, boş] : {std::pair{ikisiDeğişmiş, 5}, {QList<int>{0, 0, 2, 3, 4, 5, 6, 7, 8}, 8},
                                            {QList<int>{0, 1, 2, 3, 4, 5}, 5}})
            QCOMPARE(çözücü->Çöz(etiketler, boş, sürsün).durum, Çözüm::Durum::Çözülemez);
    }

    // Tables beside the program: sound ones are used as they are. Missing, damaged, or with wrong
    // values under matching checksums, every answer still plays home; a 4 x 4 table that claims
    // more slides than an answer leaves is distrusted, and the others are built whole into the
    // cache. The file beside the program is never written.
    void installedTables_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("yanındaki");
        QTest::addColumn<bool>("yenilenir");
        const QByteArray sağlam = Oku(TabloDosyası(kurulum, 4));
        QByteArray değişik = sağlam;
        değişik[değişik.size() / 2] ^= 0x10;
        QTest::newRow("sound") << 4 << sağlam << false;
        QTest::newRow("5x5, sound") << 5 << Oku(TabloDosyası(kurulum, 5)) << false;
        QTest::newRow("missing") << 4 << QByteArray() << true;
        QTest::newRow("cut short") << 4 << sağlam.chopped(1000) << true;
        QTest::newRow("one byte changed") << 4 << değişik << true;
        for (const int n : {4, 5}) {
            for (const int değer : {0x00, 0xFF, 0x5A}) {
                DesenBölümü bölüm;
                std::vector<std::vector<std::uint8_t>> tablolar;
                for (const QList<int> &desen : n == 4 ? DörtlüDesenler : BeşliDesenler) {
                    bölüm.emplace_back(desen.begin(), desen.end());
                    tablolar.emplace_back(SıkıBoyut(YerleşimSayısı(n, int(desen.size()))), std::uint8_t(değer));
                }
                QTest::addRow("%dx%d, every byte 0x%02X", n, n, değer)
                    << n << DesenDosyasıBaytları(n, bölüm, tablolar) << (n == 4 && değer != 0);
            }
        }
    }
    void installedTables()
    {
        QFETCH(int, n);
        QFETCH(QByteArray, yanındaki);
        QFETCH(bool, yenilenir);
        const bool uzakTahta = QTest::currentDataTag() == QByteArray("4x4, every byte 0xFF");  // all bounds highest
        const QTemporaryDir yanında, önbellek;
        QVERIFY(yanındaki.isEmpty() || DesenDosyasınıYaz(yanında.path(), n, yanındaki));
        const int öteki = n == 4 ? 5 : 4;
        QVERIFY(QFile::copy(TabloDosyası(kurulum, öteki), TabloDosyası(yanında, öteki)));

        Çözücü yanılan(önbellek.path(), yanında.path(), DörtlüDesenler, BeşliDesenler);
        std::mt19937 üreteç(n * 1000 + int(yanındaki.size()));
        // Each board with the slides it was dealt by: an answer called the fewest has no more.
        for (const int adım : {uzakTahta ? 80 : 1, 10, 25}) {
            Tahta tahta = Karıştırılmış(n, adım, üreteç);
            if (adım == 80)  // every tile far from home, the first two exchanged for the parity
                tahta.Yerleştir({13, 14, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 15}, 15);
            const Çözüm çözüm = Çöz(yanılan, tahta);
            QVERIFY(EveGötürür(tahta, çözüm));
            QVERIFY(!çözüm.enKısa || çözüm.hamleler.size() <= adım);
        }
        QVERIFY(yanılan.TablolarıBekle(sürsün));
        const QStringList yenilenen = yenilenir ? QStringList{DesenDosyasıAdı(4)} : QStringList{};
        QCOMPARE(QDir(önbellek.path()).entryList(QDir::Files), yenilenen);
        QCOMPARE(Oku(TabloDosyası(önbellek, 4)), yenilenir ? Oku(TabloDosyası(kurulum, 4)) : QByteArray());
        QCOMPARE(Oku(TabloDosyası(yanında, n)), yanındaki);
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_cozucu.moc"
