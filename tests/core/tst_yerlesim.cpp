// The windows' size and place: the design scaled as one drawing, the first start's factor, and
// the whole window on one screen.
#include "PencereYerlesimi.h"
#include "TasarimOlcegi.h"
#include "Yuvarlama.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<QRect>)

namespace {

// Places and sizes of the main window's design, in twips, with values that round differently.
const QList<QRect> TasarımYerleri{{270, 270, 5745, 4485}, {300, 300, 705, 555},   {150, 120, 1635, 285},
                                  {5190, 600, 2370, 1778}, {1380, 90, 75, 195},   {7770, 5400, 1425, 345},
                                  {0, 0, TasarımGenişliğiTwip, TasarımYüksekliğiTwip}};

}  // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void designAtEveryScale_data()
    {
        QTest::addColumn<QSize>("alan");
        QTest::addColumn<double>("çarpan");
        QTest::addColumn<QPoint>("kaydırma");
        QTest::newRow("the design's own size") << QSize(634, 413) << 1.0 << QPoint(0, 0);
        QTest::newRow("twice") << QSize(1268, 826) << 2.0 << QPoint(0, 0);
        QTest::newRow("wider: centred across") << QSize(1000, 413) << 1.0 << QPoint(183, 0);
        QTest::newRow("taller: centred down") << QSize(634, 1000) << 1.0 << QPoint(0, 293);
        QTest::newRow("full HD") << QSize(1920, 1080) << 1080 / 413.0 << QPoint(131, 0);
        QTest::newRow("half") << QSize(317, 300) << 0.5 << QPoint(0, 47);
    }

    // At factor 1 each place is the design's pixel value; at any factor the whole drawing fits
    // and is centred, and the controls on the window move with it.
    void designAtEveryScale()
    {
        QFETCH(QSize, alan);
        QFETCH(double, çarpan);
        QFETCH(QPoint, kaydırma);
        const TasarımÖlçeği ölçek = AlanınÖlçeği(alan);
        QCOMPARE(ölçek.çarpan, çarpan);
        QCOMPARE(ölçek.kaydırma, kaydırma);
        const QSize çizim = ölçek.TasarımBoyutu();
        QVERIFY(çizim.width() <= alan.width() && çizim.height() <= alan.height());
        QVERIFY(çizim.width() == alan.width() || çizim.height() == alan.height());
        QCOMPARE(ölçek.YazıPuntosu(), 8.25 * çarpan);
        for (const QRect &twip : TasarımYerleri) {
            const QRect piksel = ölçek.Dikdörtgen(twip.x(), twip.y(), twip.width(), twip.height());
            const QRect tasarım = PikselDikdörtgeni(twip.x(), twip.y(), twip.width(), twip.height());
            if (çarpan == 1.0)
                QCOMPARE(piksel, tasarım);
            // Twice the design's size doubles every control, within the rounding of a pixel.
            if (çarpan == 2.0)
                for (const auto &[değer, tasarımDeğeri] : {std::pair{piksel.x(), tasarım.x()}, {piksel.y(), tasarım.y()},
                                                          {piksel.width(), tasarım.width()}, {piksel.height(), tasarım.height()}})
                    QVERIFY(qAbs(değer - 2 * tasarımDeğeri) <= 1);
            QCOMPARE(ölçek.PenceredekiDikdörtgen(twip.x(), twip.y(), twip.width(), twip.height()), piksel.translated(kaydırma));
        }
    }

    void firstStartFactor_data()
    {
        QTest::addColumn<double>("punto");
        QTest::addColumn<QSize>("kullanılabilir");
        QTest::addColumn<double>("çarpan");
        const QSize büyük(3840, 2100);
        QTest::newRow("the design's font") << 8.25 << büyük << 1.0;
        QTest::newRow("a 10 pt desktop") << 10.0 << büyük << 10 / 8.25;
        QTest::newRow("a 16.5 pt desktop") << 16.5 << büyük << 2.0;
        QTest::newRow("a small font") << 7.0 << büyük << 7 / 8.25;
        QTest::newRow("font unknown") << -1.0 << büyük << 1.0;
        QTest::newRow("a laptop's short screen") << 16.5 << QSize(1366, 728) << (728 - 30 - 0.5) / 413.0;
        QTest::newRow("a narrow screen") << 16.5 << QSize(1000, 2000) << (1000 - 10 - 0.5) / 634.0;
    }

    // As large as the desktop's text, but never larger than the screen's available area.
    void firstStartFactor()
    {
        QFETCH(double, punto);
        QFETCH(QSize, kullanılabilir);
        QFETCH(double, çarpan);
        const QMargins çerçeve(5, 25, 5, 5);
        const double bulunan = İlkÇarpan(punto, kullanılabilir, çerçeve);
        QVERIFY2(qAbs(bulunan - çarpan) < 1e-9, qPrintable(QString::number(bulunan)));
        const QSize pencere = TasarımÖlçeği{bulunan, {}}.TasarımBoyutu().grownBy(çerçeve);
        QVERIFY(pencere.width() <= kullanılabilir.width() && pencere.height() <= kullanılabilir.height());
    }

    void wholeWindowOnOneScreen_data()
    {
        QTest::addColumn<QRect>("pencere");
        QTest::addColumn<QList<QRect>>("ekranlar");
        QTest::addColumn<QRect>("yer");
        // A full-HD screen, and to its right a 4K screen at twice the scale: 1920 x 1080 logical
        // pixels less its panel, and below that a 1280 x 1024 screen at 1.25: 1024 x 819.
        const QList<QRect> üçEkran{{0, 0, 1920, 1040}, {1920, 0, 1920, 1050}, {1920, 1080, 1024, 819}};
        const QSize boyut(644, 448);
        QTest::newRow("wholly on a screen: stays") << QRect({100, 100}, boyut) << üçEkran << QRect({100, 100}, boyut);
        QTest::newRow("on the second screen: stays") << QRect({3000, 500}, boyut) << üçEkran << QRect({3000, 500}, boyut);
        QTest::newRow("48 pixels on screen: moved in whole")
            << QRect({-596, -400}, boyut) << üçEkran << QRect({0, 0}, boyut);
        QTest::newRow("across two screens: onto the one with most")
            << QRect({1700, 100}, boyut) << üçEkran << QRect({1920, 100}, boyut);
        QTest::newRow("above the top: moved down") << QRect({200, -300}, boyut) << üçEkran << QRect({200, 0}, boyut);
        QTest::newRow("on no screen: onto the nearest")
            << QRect({3100, 1200}, boyut) << üçEkran << QRect({3100, 602}, boyut);
        QTest::newRow("a screen gone: far off, onto the nearest")
            << QRect({-5000, 300}, boyut) << üçEkran << QRect({0, 300}, boyut);
        QTest::newRow("larger than the small screen: shrunk to it")
            << QRect({2000, 1100}, QSize(1288, 896)) << üçEkran << QRect(1920, 1080, 1024, 819);
        QTest::newRow("taller than the screen: moved up, then shrunk")
            << QRect({300, 200}, QSize(1288, 1200)) << üçEkran << QRect(300, 0, 1288, 1040);
        QTest::newRow("no screen known: stays") << QRect({-5000, 300}, boyut) << QList<QRect>{} << QRect({-5000, 300}, boyut);
    }

    void wholeWindowOnOneScreen()
    {
        QFETCH(QRect, pencere);
        QFETCH(QList<QRect>, ekranlar);
        QFETCH(QRect, yer);
        const QRect bulunan = GörünürPencereYeri(pencere, ekranlar);
        QCOMPARE(bulunan, yer);
        QVERIFY(ekranlar.isEmpty() || std::any_of(ekranlar.cbegin(), ekranlar.cend(), [&](const QRect &ekran) {
                    return ekran.contains(bulunan);
                }));
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_yerlesim.moc"
