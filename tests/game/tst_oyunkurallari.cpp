// The game's rules, without widgets: moves, completion, deals, the clock, its texts, and cutting.
#include "Dagitim.h"
#include "OyunSaati.h"
#include "Rastgele.h"
#include "Tahta.h"
#include "Yerlesim.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

QList<int> Sıralı(int n)
{
    QList<int> etiketler(n * n);
    std::iota(etiketler.begin(), etiketler.end(), 0);
    return etiketler;
}

}  // namespace

class TestGameRules : public QObject {
    Q_OBJECT

private slots:
    // Completion and the Tag an empty place keeps; beside the gap only within a row or column.
    void slidesAndCompletion()
    {
        Tahta tahta(3);
        tahta.Dağıt({0, 1, 2, 3, 4, 5, 6, 8, 7});
        QVERIFY(tahta.Kaydır(7));
        QCOMPARE(tahta.Etiket(7), 8);  // the new empty place keeps the Tag it had as a tile
        QVERIFY(!tahta.TamamlandıMı());
        // Solved whatever the corner's Tag; a stale Tag at an empty place inside never counts.
        tahta.Yerleştir({0, 1, 2, 3, 4, 5, 6, 7, 3}, 8);
        QVERIFY(tahta.TamamlandıMı());
        tahta.Yerleştir({0, 1, 2, 3, 4, 7, 6, 7, 8}, 7);
        QVERIFY(!tahta.TamamlandıMı());
        tahta.Böl(3);
        QVERIFY(!tahta.TamamlandıMı());
        // A row's end and the next row's start are no neighbours; nor is the top row's end above.
        for (const auto &[n, boş, tıklanan] : {std::tuple{3, 3, 2}, {5, 9, 10}, {3, 8, 2}}) {
            tahta.Böl(n);
            tahta.Yerleştir(Sıralı(n), boş);
            QVERIFY(!tahta.Kaydır(tıklanan));
        }
    }

    // Every deal a shuffle that slides can solve, also from a source stuck at 0 (the work list
    // drawn in order) or just below 1 (the entry before the last each time).
    void deals()
    {
        for (const int n : {3, 4, 5}) {
            const QList<int> ev = Sıralı(n);
            std::mt19937 üreteç(n);
            QList<std::function<float()>> kaynaklar(3000, [&] { return (üreteç() >> 8) / float(1 << 24); });
            for (const float sabit : {0.0f, 0.99999994f, 0.5f})
                kaynaklar.append([sabit] { return sabit; });
            for (const auto &kaynak : kaynaklar) {
                const QList<int> dağıtım = Dağıtım(n, kaynak);
                QVERIFY(std::is_permutation(dağıtım.begin(), dağıtım.end(), ev.begin(), ev.end()));
                QCOMPARE(dağıtım.last(), n * n - 1);
                QVERIFY(ÇözülebilirMi(dağıtım, n * n - 1));
                QVERIFY(dağıtım != ev);
            }
            // The real source, seeded once per process, does not repeat itself either.
            QVERIFY(Dağıtım(n, SistemRastgelesi) != Dağıtım(n, SistemRastgelesi));
        }
        // floor((count - 1) * r + 1) draws 4, 0, 7, 2, 1, 5, 3, 6: odd, so the last two are exchanged.
        QList<float> çekilişler{0.5f, 0.0f, 0.9f, 0.3f, 0.0f, 0.6f, 0.2f, 0.0f, 0.0f};
        QCOMPARE(Dağıtım(3, [&] { return çekilişler.takeFirst(); }), (QList<int>{4, 0, 7, 2, 1, 5, 6, 3, 8}));
    }

    // With the gap away from the corner its distance counts: one slide from home, then two exchanged.
    void solvability()
    {
        QVERIFY(ÇözülebilirMi({0, 1, 2, 3, 4, 5, 6, 0, 7}, 7));
        QVERIFY(!ÇözülebilirMi({1, 0, 2, 3, 4, 5, 6, 0, 7}, 7));
    }

    // The clock rolls over into the 24th hour, which ends a day-long game; shown as the locale
    // writes a time, without a time zone (the US puts a narrow no-break space before AM).
    void clock()
    {
        OyunSaati saat{59, 59, 0};
        QVERIFY(!saat.İlerle());
        QCOMPARE(SaatMetni(saat, QLocale(QLocale::German)), QStringLiteral("01:00:00"));
        saat = {59, 59, 23};
        QVERIFY(saat.İlerle());
        QCOMPARE(saat.saat, quint8(24));
        const QLocale abd(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(SaatMetni(OyunSaati{5, 1, 0}, abd).replace(QChar(0x202F), u' '), QStringLiteral("12:01:05 AM"));
        QVERIFY(!UzunSaatBiçimi(abd).contains(QLatin1Char('t')));
    }

    // The congratulation as the game words it: no "0 hour", and a comma after minutes even alone.
    void congratulationText()
    {
        const QString başlık = QStringLiteral("Congratulations! You have completed the photo!");
        for (const auto &[saat, süre] : {std::pair{OyunSaati{0, 2, 0}, "2 minute, "}, {OyunSaati{}, ""},
                                         {OyunSaati{7, 0, 1}, "1 hour, 7 second"}}) {
            QCOMPARE(TebrikMetni(saat, 42).split('\n'),
                     (QStringList{başlık, "", QStringLiteral("Completing Time : ") + süre, "", "Click Counts : 42"}));
        }
    }

    // Cut as the design rounds; a photo narrower than the board still gives every piece a pixel.
    void cutting()
    {
        QCOMPARE(ParçaKaynağı(8, 3, QSize(640, 480)), QRect(427, 320, 213, 160));
        for (int parça = 0; parça < 25; ++parça)
            QVERIFY(QRect(0, 0, 2, 1).contains(ParçaKaynağı(parça, 5, QSize(2, 1))));
    }
};

QTEST_GUILESS_MAIN(TestGameRules)
#include "tst_oyunkurallari.moc"
