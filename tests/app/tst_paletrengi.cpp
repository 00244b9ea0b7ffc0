// The fixed colours on the desktop's palette: as designed on a light one, a readable variant of
// their own hue on a dark one, the contrast computed as the accessibility guidelines do.
#include "PaletRengi.h"

#include <QTest>

namespace {

// Frame captions, values, the gap, the About dialog's name and links, and a pure blue.
const QList<QColor> SabitRenkler{{128, 0, 0}, {192, 64, 0}, {255, 255, 192}, {0, 0, 128}, {0, 0, 255}, {128, 128, 128}};

int TonFarkı(const QColor &a, const QColor &b)
{
    const int fark = std::abs(a.hslHue() - b.hslHue()) % 360;
    return std::min(fark, 360 - fark);
}

}  // namespace

class TestPaletteColours : public QObject {
    Q_OBJECT

private slots:
    // As the guidelines compute it, with the colours' light linearised, either way round.
    void contrastRatio()
    {
        QCOMPARE(Karşıtlık(Qt::black, Qt::white), 21.0);
        QCOMPARE(std::round(Karşıtlık(QColor(42, 46, 50), QColor(192, 64, 0)) * 100) / 100, 2.59);
    }

    void darkOrLight_data()
    {
        QTest::addColumn<QColor>("pencere");
        QTest::addColumn<bool>("koyu");
        QTest::newRow("a dark scheme") << QColor(42, 46, 50) << true;
        QTest::newRow("just below one half") << QColor(127, 127, 127) << true;
        QTest::newRow("just above one half") << QColor(128, 128, 128) << false;
        QTest::newRow("saturated blue, dark to the eye, lightness one half") << QColor(0, 0, 255) << false;
    }

    // On a light palette every colour is the design's; on a dark one each is another of its
    // hue that reads at 4.5 : 1 against the window.
    void darkOrLight()
    {
        QFETCH(QColor, pencere);
        QFETCH(bool, koyu);
        QPalette palet;
        palet.setColor(QPalette::Window, pencere);
        QCOMPARE(KoyuMu(palet), koyu);
        for (const QColor &renk : SabitRenkler) {
            const QColor uygun = PaleteUygunRenk(renk, palet);
            const QByteArray ne = QStringLiteral("%1 became %2").arg(renk.name(), uygun.name()).toUtf8();
            QVERIFY2(koyu || uygun == renk, ne);
            QVERIFY2(!koyu || Karşıtlık(uygun, pencere) >= EnAzKarşıtlık, ne);
            QVERIFY2(!koyu || renk.hslSaturation() == 0 || TonFarkı(uygun, renk) <= 2, ne);
            // On a really dark window the design's dark colours turn light and the pale gap darker;
            // on a mid grey only a dark colour reaches 4.5 : 1.
            if (pencere.lightness() < 80 && (renk.lightness() < 100 || renk.lightness() > 200))
                QCOMPARE(uygun.lightness() > renk.lightness(), renk.lightness() < 100);
        }
    }
};

QTEST_MAIN(TestPaletteColours)
#include "tst_paletrengi.moc"
