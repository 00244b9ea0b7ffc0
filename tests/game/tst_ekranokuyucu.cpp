// What a screen reader hears through AT-SPI: every slide and hint, the same hint twice too; the tiles
// in board order; a tile pressed through its action. On an X server and bus of its own (see .sh).
#include "AnaForm.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"

#include <QAccessible>
#include <QProcess>
#include <QTest>

#include <optional>

namespace {

QString Ad(QWidget *denetim)
{
    return QAccessible::queryAccessibleInterface(denetim)->text(QAccessible::Name);
}

// What the board said last, as it stands for a reader: the text that has the focus within it.
QString Duyurulan(QWidget *pano)
{
    const QAccessibleInterface *duyuran = QAccessible::queryAccessibleInterface(pano)->focusChild();
    return duyuran ? duyuran->text(QAccessible::Name) : QString();
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
        QWidget *pano = Pano(*form);
        // The reader's side: a process that prints what AT-SPI tells it, one line each.
        QProcess okuyucu;
        okuyucu.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        okuyucu.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(TILORA_OKUYUCU), QCoreApplication::applicationName()});
        QList<QStringList> satırlar;
        qsizetype okunan = 0;
        // The next line of kind `tür` starting `baş`, within `enÇokMs`; the game answers the reader meanwhile.
        const auto bekle = [&](const QString &tür, const QString &baş = {}, int enÇokMs = 60000) {
            std::optional<QString> bulunan;
            (void)QTest::qWaitFor([&] {
                while (okuyucu.canReadLine())
                    satırlar.append(QString::fromUtf8(okuyucu.readLine()).chopped(1).split(QLatin1Char('\t')));
                for (; !bulunan && okunan < satırlar.size(); ++okunan)
                    if (satırlar[okunan][0] == tür && satırlar[okunan].value(1).startsWith(baş))
                        bulunan = satırlar[okunan].value(1);
                return bulunan || okuyucu.state() == QProcess::NotRunning;
            }, enÇokMs);
            return bulunan;
        };
        const auto son = [&] { return QDebug::toString(satırlar.last(std::min<qsizetype>(12, satırlar.size()))); };
        QVERIFY(bekle(QStringLiteral("listening")));
        const QString konuşulan = QStringLiteral("spoken");

        // The game learns of the reader on its own time: it slides until heard, then every slide is heard.
        int duyulanlar = 0;
        for (int kayma = 0; kayma < 50 && duyulanlar < 4; ++kayma) {
            form->OkTuşu(kayma % 2 ? Yön::Sol : Yön::Sağ);
            const bool duyuldu = bekle(konuşulan, Duyurulan(pano), duyulanlar ? 60000 : 2000).has_value();
            QVERIFY2(duyuldu || !duyulanlar, qPrintable(Duyurulan(pano) + '\n' + son()));
            duyulanlar += duyuldu;
        }
        QVERIFY2(duyulanlar == 4, qPrintable(son()));

        // And every hint, the same one asked twice as well.
        const QString ipucuBaşı = QStringLiteral("Hint: slide piece ");
        form->İpucu_Click();
        const std::optional<QString> ipucu = bekle(konuşulan, ipucuBaşı);
        QVERIFY2(ipucu, qPrintable(son()));
        form->İpucu_Click();
        QCOMPARE(bekle(konuşulan, ipucuBaşı).value_or(son()), *ipucu);

        // The tiles in board order, whatever the slides did to their stacking, then the board's two texts.
        QStringList adlar;
        for (int konum = 0; konum < 9; ++konum)
            adlar.append(Ad(Parça(*form, konum)));
        okuyucu.write("children " + Ad(pano).toUtf8() + '\n');
        const QStringList çocuklar = bekle(QStringLiteral("children")).value_or(QString()).split('|');
        QCOMPARE(çocuklar.mid(0, 9), adlar);
        QCOMPARE(çocuklar.size(), 11);

        // A tile beside the gap pressed by the reader slides.
        const int boş = int(Gösterilen(*form).indexOf(-1));
        const int komşu = boş % 3 ? boş - 1 : boş + 1;
        okuyucu.write("press " + Ad(Parça(*form, komşu)).toUtf8() + '\n');
        QVERIFY(bekle(QStringLiteral("pressed")));
        QTRY_COMPARE(Gösterilen(*form).indexOf(-1), komşu);
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_ekranokuyucu.moc"
