// The fixed colours on the desktop's palette: as designed on a light one, a readable variant of
// their own hue on a dark one, the contrast computed as the accessibility guidelines do.
#include "PaletRengi.h"

#include <QTest>

namespace {

// Frame captions, values, the gap, the About dialog's name and links, and a pure blue.
const QList<QColor> SabitRenkler{{128, 0, 0}, {192, 64, 0}, {255, 255, 192}, {0, 0, 128}, {0, 0, 255}, {128, 128, 128}};

QPalette Palet(const QColor &pencere)
{
    QPalette palet;
    palet.setColor(QPalette::Window, pencere);
    return palet;
}

int TonFarkı(const QColor &a, const QColor &b)
{
    const int fark = std::abs(a.hslHue() - b.hslHue()) % 360;
    return std::min(fark, 360 - fark);
}

}  // namespace

class TestPaletteColours : public QObject {
    Q_OBJECT

private slots:
    void contrastRatio_data()
    {
        QTest::addColumn<QColor>("birinci");
        QTest::addColumn<QColor>("ikinci");
        QTest::addColumn<double>("oran");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("alike") << QColor(42, 46, 50) << QColor(42, 46, 50) << 1.0;
        QTest::newRow("dark red captions on a dark window") << QColor(128, 0, 0) << QColor(42, 46, 50) << 1.25;
        QTest::newRow("values on a dark window") << QColor(192, 64, 0) << QColor(42, 46, 50) << 2.59;
        QTest::newRow("either way round") << QColor(42, 46, 50) << QColor(192, 64, 0) << 2.59;
    }
    void contrastRatio()
    {
        QFETCH(QColor, birinci);
        QFETCH(QColor, ikinci);
        QFETCH(double, oran);
        QCOMPARE(std::round(Karşıtlık(birinci, ikinci) * 100) / 100, oran);
    }

    void darkOrLight_data()
    {
        QTest::addColumn<QColor>("pencere");
        QTest::addColumn<bool>("koyu");
        QTest::newRow("a dark scheme") << QColor(42, 46, 50) << true;
        QTest::newRow("black") << QColor(Qt::black) << true;
        QTest::newRow("just below one half") << QColor(127, 127, 127) << true;
        QTest::newRow("just above one half") << QColor(128, 128, 128) << false;
        QTest::newRow("the classic grey") << QColor(240, 240, 240) << false;
        QTest::newRow("saturated blue, dark to the eye, lightness one half") << QColor(0, 0, 255) << false;
    }

    // On a light palette every colour is the design's; on a dark one each is another of its
    // hue that reads at 4.5 : 1 against the window.
    void darkOrLight()
    {
        QFETCH(QColor, pencere);
        QFETCH(bool, koyu);
        const QPalette palet = Palet(pencere);
        QCOMPARE(KoyuMu(palet), koyu);
        for (const QColor &renk : SabitRenkler) {
            const QColor uygun = PaleteUygunRenk(renk, palet);
            if (!koyu) {
                QCOMPARE(uygun, renk);
                continue;
            }
            QVERIFY2(Karşıtlık(uygun, pencere) >= EnAzKarşıtlık,
                     qPrintable(QStringLiteral("%1 became %2").arg(renk.name(), uygun.name())));
            if (renk.hslSaturation() > 0)
                QVERIFY2(TonFarkı(uygun, renk) <= 2, qPrintable(QStringLiteral("%1 became %2").arg(renk.name(), uygun.name())));
            // Mirrored on a really dark window: the dark colours of the design turn light, the
            // pale gap darker. (On a mid grey only a dark colour reaches 4.5 : 1.)
            if (pencere.lightness() < 80 && (renk.lightness() < 100 || renk.lightness() > 200))
                QCOMPARE(uygun.lightness() > renk.lightness(), renk.lightness() < 100);
        }
    }
};

QTEST_MAIN(TestPaletteColours)
#include "tst_paletrengi.moc"
