// What a screen reader hears of the game, read through AT-SPI as a reader reads it: the slide
// and the hint as name changes of the focused board, the tiles in board order after slides have
// restacked them, and a tile pressed through its action. Runs under a real X server with a
// private session bus (see tst_ekranokuyucu.sh).
#include "AnaForm.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"

#include <QAccessible>
#include <QProcess>
#include <QTest>

namespace {

QString Ad(QWidget *denetim)
{
    return QAccessible::queryAccessibleInterface(denetim)->text(QAccessible::Name);
}

// The reader's side: a process that prints what AT-SPI tells it, one line each.
class Okuyucu {
public:
    Okuyucu()
    {
        süreç.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        süreç.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral(TILORA_OKUYUCU), QCoreApplication::applicationName()});
    }
    ~Okuyucu()
    {
        süreç.closeWriteChannel();
        if (!süreç.waitForFinished(10000))
            süreç.kill();
    }

    void Yaz(const QString &komut) { süreç.write(komut.toUtf8() + '\n'); }

    // The first line from `başla` on whose fields satisfy `uyar`; the event loop runs meanwhile,
    // so that the game answers the reader's questions. Empty when none came within `enÇokMs`.
    QStringList Bekle(const std::function<bool(const QStringList &)> &uyar, qsizetype &başla, int enÇokMs = 60000)
    {
        QStringList bulunan;
        // An empty answer tells the caller that nothing came in time.
        (void)QTest::qWaitFor([&] {
            while (süreç.canReadLine())
                satırlar.append(QString::fromUtf8(süreç.readLine()).chopped(1).split(QLatin1Char('\t')));
            for (; başla < satırlar.size(); ++başla) {
                if (uyar(satırlar[başla])) {
                    bulunan = satırlar[başla++];
                    return true;
                }
            }
            return süreç.state() == QProcess::NotRunning;
        }, enÇokMs);
        return bulunan;
    }

    // The last lines read, for a failure's message.
    QString Son() const
    {
        QStringList son;
        for (const QStringList &satır : satırlar.last(std::min<qsizetype>(12, satırlar.size())))
            son.append(satır.join(QLatin1Char(' ')));
        return son.join(QLatin1Char('\n'));
    }

    qsizetype okunan = 0;

private:
    QProcess süreç;
    QList<QStringList> satırlar;
};

// A name change that a reader speaks: on the object that has the focus, carrying `ad`.
std::function<bool(const QStringList &)> OdaktakiAd(const QString &ad)
{
    return [ad](const QStringList &alanlar) {
        return alanlar.value(0) == QLatin1String("event") && alanlar.value(1) == QLatin1String("object:property-change:accessible-name")
               && alanlar.value(3) == ad && alanlar.value(4) == QLatin1String("1");
    };
}

}  // namespace

class TestScreenReader : public QObject {
    Q_OBJECT

private slots:
    void readerHearsTheGame()
    {
        SahteOrtam ortam;
        KayıtlıOyunYaz({3, 1, 2, 0, 4, 5, 7, 6, 8}, 8);
        auto form = AçılmışForm(true, true);
        QWidget *pano = Bul(*form, QStringLiteral("Tahta"));
        QCOMPARE(QApplication::focusWidget(), pano);
        Okuyucu okuyucu;
        QVERIFY(!okuyucu.Bekle([](const QStringList &a) { return a.value(0) == QLatin1String("listening"); }, okuyucu.okunan).isEmpty());

        // The game learns of the reader's listeners on its own time: slide until it speaks.
        QString duyulan;
        for (int deneme = 0; deneme < 50 && duyulan.isEmpty(); ++deneme) {
            form->OkTuşu(deneme % 2 ? Yön::Sol : Yön::Sağ);
            qsizetype başla = okuyucu.okunan;
            const auto duyuru = [&](const QStringList &a) { return OdaktakiAd(Ad(pano))(a); };
            if (!okuyucu.Bekle(duyuru, başla, 2000).isEmpty()) {
                duyulan = Ad(pano);
                okuyucu.okunan = başla;
            }
        }
        QVERIFY2(duyulan.startsWith(QStringLiteral("Piece ")), qPrintable(okuyucu.Son()));
        QVERIFY(duyulan.contains(QStringLiteral(" moved to row ")));

        // Every slide is heard.
        for (int kayma = 0; kayma < 3; ++kayma) {
            // Up slides the tile below the gap; on the bottom row, Down the one above it.
            form->OkTuşu(Gösterilen(*form).indexOf(-1) / 3 < 2 ? Yön::Yukarı : Yön::Aşağı);
            QVERIFY2(!okuyucu.Bekle(OdaktakiAd(Ad(pano)), okuyucu.okunan).isEmpty(), qPrintable(Ad(pano) + "\n" + okuyucu.Son()));
        }

        form->İpucu_Click();
        const QStringList ipucu = okuyucu.Bekle(
            [](const QStringList &a) { return OdaktakiAd(a.value(3))(a) && a.value(3).startsWith(QStringLiteral("Hint: slide piece ")); },
            okuyucu.okunan);
        QVERIFY(!ipucu.isEmpty());

        // The tiles in board order, whatever the slides did to their stacking.
        QStringList adlar;
        for (int konum = 0; konum < 9; ++konum)
            adlar.append(Ad(Parça(*form, konum)));
        okuyucu.Yaz(QStringLiteral("children ") + Ad(pano));
        QCOMPARE(okuyucu.Bekle([](const QStringList &a) { return a.value(0) == QLatin1String("children"); }, okuyucu.okunan)
                     .value(1),
                 adlar.join(QLatin1Char('|')));

        // A tile beside the gap pressed by the reader slides.
        const int boş = int(Gösterilen(*form).indexOf(-1));
        const int komşu = boş % 3 ? boş - 1 : boş + 1;
        const QString sayı = Değer(*form, 3);
        okuyucu.Yaz(QStringLiteral("press ") + Ad(Parça(*form, komşu)));
        QVERIFY(!okuyucu.Bekle([](const QStringList &a) { return a.value(0) == QLatin1String("pressed"); }, okuyucu.okunan).isEmpty());
        QTRY_COMPARE(Değer(*form, 3), QString::number(sayı.toInt() + 1));
        QCOMPARE(Gösterilen(*form).indexOf(-1), komşu);
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_ekranokuyucu.moc"
