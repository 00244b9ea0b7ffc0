// The windows' size and place: the design scaled, the first start's factor, the window on one screen.
#include "PencereYerlesimi.h"
#include "TasarimOlcegi.h"
#include "Yuvarlama.h"

#include <QTest>

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    // The factor that fits, centred; each value scaled alone to the nearest pixel, window controls moved.
    void designAtEveryScale()
    {
        for (const auto &[alan, çarpan, kaydırma] : {std::tuple{QSize(634, 413), 1.0, QPoint(0, 0)},
                                                     {QSize(1920, 1080), 1080 / 413.0, QPoint(131, 0)},
                                                     {QSize(317, 300), 0.5, QPoint(0, 47)}}) {
            const TasarımÖlçeği ölçek = AlanınÖlçeği(alan);
            QCOMPARE(ölçek.çarpan, çarpan);
            QCOMPARE(ölçek.kaydırma, kaydırma);
            const double oran = çarpan / TwipBaşınaPiksel;
            const auto yakın = [oran](int piksel, int twip) { return qAbs(piksel - twip * oran) <= 0.5; };
            for (const QRect &t : {QRect(270, 270, 5745, 4485), QRect(5190, 600, 2370, 1778), QRect(1380, 90, 75, 195),
                                   QRect(0, 0, TasarımGenişliğiTwip, TasarımYüksekliğiTwip)}) {
                const QRect p = ölçek.Dikdörtgen(t.x(), t.y(), t.width(), t.height());
                QVERIFY2(yakın(p.x(), t.x()) && yakın(p.y(), t.y()) && yakın(p.width(), t.width())
                             && yakın(p.height(), t.height()),
                         qPrintable(QStringLiteral("%1 x %2").arg(çarpan).arg(t.width())));
                QCOMPARE(ölçek.PenceredekiDikdörtgen(t.x(), t.y(), t.width(), t.height()), p.translated(kaydırma));
            }
        }
    }

    // As large as the desktop's text (the design's when unknown), the framed window within the screen.
    void firstStartFactor()
    {
        const QMargins çerçeve(5, 25, 5, 5);
        for (const auto &[punto, kullanılabilir, çarpan] : {std::tuple{7.0, QSize(3840, 2100), 7 / 8.25},
                                                            {-1.0, QSize(3840, 2100), 1.0},
                                                            {16.5, QSize(1366, 728), (728 - 30 - 0.5) / 413.0},
                                                            {16.5, QSize(1000, 2000), (1000 - 10 - 0.5) / 634.0}}) {
            const double bulunan = İlkÇarpan(punto, kullanılabilir, çerçeve);
            QVERIFY2(qAbs(bulunan - çarpan) < 1e-9, qPrintable(QString::number(bulunan)));
            const QSize pencere = TasarımÖlçeği{bulunan, {}}.TasarımBoyutu().grownBy(çerçeve);
            QCOMPARE(pencere.boundedTo(kullanılabilir), pencere);
        }
    }

    void wholeWindowOnOneScreen_data()
    {
        QTest::addColumn<QRect>("pencere");
        QTest::addColumn<QRect>("yer");
        const QSize boyut(644, 448);
        QTest::newRow("wholly on a screen: stays") << QRect({100, 100}, boyut) << QRect({100, 100}, boyut);
        QTest::newRow("48 pixels on screen: moved in whole") << QRect({-596, -400}, boyut) << QRect({0, 0}, boyut);
        QTest::newRow("across two: onto the one with most") << QRect({1700, 100}, boyut) << QRect({1920, 100}, boyut);
        QTest::newRow("on no screen: onto the nearest") << QRect({3100, 1200}, boyut) << QRect({3100, 602}, boyut);
        QTest::newRow("larger than the small screen: shrunk to it")
            << QRect({2000, 1100}, QSize(1288, 896)) << QRect(1920, 1080, 1024, 819);
    }
    void wholeWindowOnOneScreen()
    {
        QFETCH(QRect, pencere);
        QFETCH(QRect, yer);
        // Full HD; to its right 4K at twice the scale; below that 1280 x 1024 at 1.25; less their panels.
        const QList<QRect> ekranlar{{0, 0, 1920, 1040}, {1920, 0, 1920, 1050}, {1920, 1080, 1024, 819}};
        QCOMPARE(GörünürPencereYeri(pencere, ekranlar), yer);
        QCOMPARE(GörünürPencereYeri(pencere, {}), pencere);
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_yerlesim.moc"
