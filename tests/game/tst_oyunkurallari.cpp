// The game's rules, without widgets: moves, deals, completion, clock, layout and cutting.
#include "Dagitim.h"
#include "OyunSaati.h"
#include "Rastgele.h"
#include "Tahta.h"
#include "Yerlesim.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

class TestGameRules : public QObject {
    Q_OBJECT

private slots:
    void neighbours_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("boş");
        QTest::addColumn<int>("tıklanan");
        QTest::addColumn<bool>("kayar");
        QTest::newRow("right of the gap") << 3 << 4 << 5 << true;
        QTest::newRow("above the gap") << 4 << 5 << 1 << true;
        QTest::newRow("top-left, gap below") << 5 << 5 << 0 << true;
        QTest::newRow("diagonal") << 3 << 4 << 0 << false;
        QTest::newRow("two away") << 4 << 0 << 2 << false;
        QTest::newRow("the gap itself") << 3 << 4 << 4 << false;
        QTest::newRow("end of the top row, gap first of the next") << 3 << 3 << 2 << false;
        QTest::newRow("first of a row, gap end of the one above") << 5 << 9 << 10 << false;
        QTest::newRow("top row never looks above") << 3 << 8 << 2 << false;
    }

    void neighbours()
    {
        QFETCH(int, n);
        QFETCH(int, boş);
        QFETCH(int, tıklanan);
        QFETCH(bool, kayar);
        Tahta tahta(n);
        QList<int> etiketler(n * n);
        std::iota(etiketler.begin(), etiketler.end(), 0);
        tahta.Yerleştir(etiketler, boş);
        QCOMPARE(tahta.Kaydır(tıklanan), kayar);
        QCOMPARE(tahta.BoşParçaNo(), kayar ? tıklanan : boş);
    }

    void slideLeavesTagsAndCompletes()
    {
        Tahta tahta(3);
        tahta.Dağıt({0, 1, 2, 3, 4, 5, 6, 8, 7});
        QCOMPARE(tahta.Etiket(8), 8);
        QVERIFY(tahta.Kaydır(7));
        // The tile moved into 8; the new empty place keeps the Tag it had as a tile.
        QCOMPARE(tahta.Etiket(8), 8);
        QCOMPARE(tahta.Etiket(7), 8);
        QVERIFY(!tahta.TamamlandıMı());
        // Every position but the last holds its own piece: solved, whatever the corner's Tag.
        tahta.Yerleştir({0, 1, 2, 3, 4, 5, 6, 7, 3}, 8);
        QVERIFY(tahta.TamamlandıMı());
        // A stale Tag left at an empty place inside the board never counts as its own piece.
        tahta.Yerleştir({0, 1, 2, 3, 4, 7, 6, 7, 8}, 7);
        QVERIFY(!tahta.TamamlandıMı());
        tahta.Böl(3);
        QVERIFY(!tahta.TamamlandıMı());
    }

    void deals_data()
    {
        QTest::addColumn<int>("n");
        for (const int n : {3, 4, 5})
            QTest::addRow("%dx%d", n, n) << n;
    }

    void deals()
    {
        QFETCH(int, n);
        std::mt19937 üreteç(n);
        const auto rastgele = [&] { return (üreteç() >> 8) / float(1 << 24); };
        for (int deneme = 0; deneme < 3000; ++deneme) {
            const QList<int> dağıtım = Dağıtım(n, rastgele);
            QList<int> sıralı = dağıtım;
            std::sort(sıralı.begin(), sıralı.end());
            QCOMPARE(sıralı.first(), 0);
            QCOMPARE(sıralı.last(), n * n - 1);
            QVERIFY(std::adjacent_find(sıralı.begin(), sıralı.end()) == sıralı.end());
            QCOMPARE(dağıtım.last(), n * n - 1);
            QVERIFY(ÇözülebilirMi(dağıtım, n * n - 1));
            QVERIFY(!std::is_sorted(dağıtım.begin(), dağıtım.end()));
        }
        // The real source, seeded once per process, does not repeat itself either.
        QVERIFY(Dağıtım(n, SistemRastgelesi) != Dağıtım(n, SistemRastgelesi));
    }

    void brokenSourceNeverDealsSolved()
    {
        // Stuck at 0 the work list is drawn in order; just below 1, the entry before the last each time.
        for (const float sabit : {0.0f, 0.99999994f, 0.5f}) {
            for (const int n : {3, 4, 5}) {
                const QList<int> dağıtım = Dağıtım(n, [sabit] { return sabit; });
                QVERIFY(ÇözülebilirMi(dağıtım, n * n - 1));
                QVERIFY(!std::is_sorted(dağıtım.begin(), dağıtım.end()));
            }
        }
        QVERIFY(!ÇözülebilirMi({1, 0, 2, 3, 4, 5, 6, 7, 8}, 8));
        QVERIFY(ÇözülebilirMi({1, 2, 0, 3, 4, 5, 6, 7, 8}, 8));
        // With the empty place away from the corner its distance counts: one slide from home, then two pieces exchanged.
        QVERIFY(ÇözülebilirMi({0, 1, 2, 3, 4, 5, 6, 0, 7}, 7));
        QVERIFY(!ÇözülebilirMi({1, 0, 2, 3, 4, 5, 6, 0, 7}, 7));
    }

    void scriptedDealIsPinned()
    {
        // floor((count - 1) * r + 1) picks among all entries but the last.
        QList<float> çekilişler{0.5f, 0.0f, 0.9f, 0.3f, 0.0f, 0.6f, 0.2f, 0.0f, 0.0f};
        // Drawn 4, 0, 7, 2, 1, 5, 3, 6: an odd arrangement, so the last two dealt are exchanged.
        QCOMPARE(Dağıtım(3, [&] { return çekilişler.takeFirst(); }), (QList<int>{4, 0, 7, 2, 1, 5, 6, 3, 8}));
    }

    void clockRollsOver()
    {
        OyunSaati saat{59, 59, 0};
        QVERIFY(!saat.İlerle());
        QCOMPARE((QList<int>{saat.saat, saat.dakika, saat.saniye}), (QList<int>{1, 0, 0}));
        saat = {59, 59, 23};
        QVERIFY(saat.İlerle());
        QCOMPARE(saat.saat, quint8(24));
    }

    void clockText_data()
    {
        QTest::addColumn<QString>("yerel");
        QTest::addColumn<QString>("metin");
        QTest::newRow("C") << "C" << "00:01:05";
        QTest::newRow("German") << "de_DE" << "00:01:05";
        QTest::newRow("US, a 12-hour clock") << "en_US" << "12:01:05 AM";
    }

    void clockText()
    {
        QFETCH(QString, yerel);
        QFETCH(QString, metin);
        // The US format puts a narrow no-break space before AM.
        QCOMPARE(SaatMetni(OyunSaati{5, 1, 0}, QLocale(yerel)).replace(QChar(0x202F), QLatin1Char(' ')), metin);
        QVERIFY(!UzunSaatBiçimi(QLocale(yerel)).contains(QLatin1Char('t')));
    }

    void congratulationText_data()
    {
        QTest::addColumn<OyunSaati>("saat");
        QTest::addColumn<QString>("süre");
        QTest::newRow("seconds only") << OyunSaati{45, 0, 0} << "Completing Time : 45 second";
        QTest::newRow("whole minutes") << OyunSaati{0, 2, 0} << "Completing Time : 2 minute, ";
        QTest::newRow("before the first tick") << OyunSaati{} << "Completing Time : ";
        QTest::newRow("hours and seconds") << OyunSaati{7, 0, 1} << "Completing Time : 1 hour, 7 second";
    }

    void congratulationText()
    {
        QFETCH(OyunSaati, saat);
        QFETCH(QString, süre);
        QCOMPARE(TebrikMetni(saat, 42).split('\n'),
                 (QStringList{"Congratulations! You have completed the photo!", "", süre, "", "Click Counts : 42"}));
    }

    void layout()
    {
        const QSize boyut = ParçaBoyutu(4);
        QCOMPARE(boyut, QSize(1309, 979));
        QCOMPARE(ParçaKonumu(5, 4, boyut), QPoint(1541, 1301));
        QCOMPARE(ParçaKonumu(15, 4, boyut), QPoint(4203, 3303));
        QCOMPARE(ParçaBoyutu(3), QSize(1753, 1313));
        QCOMPARE(ParçaBoyutu(5), QSize(1043, 779));
    }

    void cutting_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("fotoğraf");
        QTest::addColumn<QList<QRect>>("parçalar");
        QTest::addColumn<QList<int>>("sahipsizSütunlar");
        QTest::newRow("640x480 in 3") << 3 << QSize(640, 480)
                                      << QList<QRect>{{213, 0, 213, 160}, {427, 0, 213, 160}, {427, 320, 213, 160}}
                                      << QList<int>{426};
        QTest::newRow("640x480 in 4") << 4 << QSize(640, 480) << QList<QRect>{{160, 0, 160, 120}, {480, 360, 160, 120}}
                                      << QList<int>{};
        QTest::newRow("rounding past the edge") << 2 << QSize(7, 7) << QList<QRect>{{3, 3, 4, 4}} << QList<int>{};
        QTest::newRow("narrower than the board") << 5 << QSize(2, 1) << QList<QRect>{{0, 0, 1, 1}, {1, 0, 1, 1}}
                                                 << QList<int>{};
    }

    void cutting()
    {
        QFETCH(int, n);
        QFETCH(QSize, fotoğraf);
        QFETCH(QList<QRect>, parçalar);
        QFETCH(QList<int>, sahipsizSütunlar);
        QList<QRect> kesilen;
        for (int parça = 0; parça < n * n; ++parça) {
            kesilen.append(ParçaKaynağı(parça, n, fotoğraf));
            QVERIFY(QRect(QPoint(0, 0), fotoğraf).contains(kesilen.last()));
        }
        for (const QRect &beklenen : parçalar)
            QVERIFY(kesilen.contains(beklenen));
        QList<int> sahipsiz;
        for (int sütun = 0; sütun < fotoğraf.width(); ++sütun)
            if (std::none_of(kesilen.begin(), kesilen.end(), [&](const QRect &r) { return r.left() <= sütun && sütun <= r.right(); }))
                sahipsiz.append(sütun);
        QCOMPARE(sahipsiz, sahipsizSütunlar);
    }
};

QTEST_GUILESS_MAIN(TestGameRules)
#include "tst_oyunkurallari.moc"
