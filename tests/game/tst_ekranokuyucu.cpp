// What a screen reader hears of the game, read through AT-SPI as a reader reads it and told as it
// would speak it: every slide and every hint, the same one twice too; the tiles in board order
// after slides have restacked them; and a tile pressed through its action. Runs under a real X
// server with a private session bus (see tst_ekranokuyucu.sh).
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

// What the board said last, as it stands for a reader: the text that has the focus within it.
QString Duyurulan(QWidget *pano)
{
    const QAccessibleInterface *duyuran = QAccessible::queryAccessibleInterface(pano)->focusChild();
    return duyuran ? duyuran->text(QAccessible::Name) : QString();
}

std::function<bool(const QStringList &)> Konuşulan(const QString &metin)
{
    return [metin](const QStringList &alanlar) { return alanlar.value(0) == QLatin1String("spoken") && alanlar.value(1) == metin; };
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
        bool duyuldu = false;
        for (int deneme = 0; deneme < 50 && !duyuldu; ++deneme) {
            form->OkTuşu(deneme % 2 ? Yön::Sol : Yön::Sağ);
            qsizetype başla = okuyucu.okunan;
            duyuldu = !okuyucu.Bekle(Konuşulan(Duyurulan(pano)), başla, 2000).isEmpty();
            if (duyuldu)
                okuyucu.okunan = başla;
        }
        QVERIFY2(duyuldu, qPrintable(okuyucu.Son()));
        QVERIFY(Duyurulan(pano).contains(QStringLiteral(" moved to row ")));

        // Every slide is heard, one piece back and forth too. Up slides the tile below the gap,
        // Down the one above it: on the bottom row, Down first.
        const Yön ileri = Gösterilen(*form).indexOf(-1) / 3 < 2 ? Yön::Yukarı : Yön::Aşağı;
        const Yön geri = ileri == Yön::Yukarı ? Yön::Aşağı : Yön::Yukarı;
        for (int kayma = 0; kayma < 3; ++kayma) {
            form->OkTuşu(kayma % 2 ? geri : ileri);
            QVERIFY2(!okuyucu.Bekle(Konuşulan(Duyurulan(pano)), okuyucu.okunan).isEmpty(), qPrintable(Duyurulan(pano) + "\n" + okuyucu.Son()));
        }

        // And every hint, the same one asked twice as well.
        QString ipucu;
        for (int kez = 0; kez < 2; ++kez) {
            form->İpucu_Click();
            const QStringList duyulan = okuyucu.Bekle(
                [](const QStringList &a) { return a.value(0) == QLatin1String("spoken") && a.value(1).startsWith(QStringLiteral("Hint: slide piece ")); },
                okuyucu.okunan);
            QVERIFY2(!duyulan.isEmpty(), qPrintable(okuyucu.Son()));
            QVERIFY(ipucu.isEmpty() || duyulan.value(1) == ipucu);
            ipucu = duyulan.value(1);
        }
        QCOMPARE(Ad(pano), QStringLiteral("Board"));

        // The tiles in board order, whatever the slides did to their stacking.
        QStringList adlar;
        for (int konum = 0; konum < 9; ++konum)
            adlar.append(Ad(Parça(*form, konum)));
        okuyucu.Yaz(QStringLiteral("children ") + Ad(pano));
        // After them, the two texts the board speaks through.
        const QStringList çocuklar = okuyucu.Bekle([](const QStringList &a) { return a.value(0) == QLatin1String("children"); }, okuyucu.okunan)
                                         .value(1)
                                         .split(QLatin1Char('|'));
        QCOMPARE(çocuklar.mid(0, 9), adlar);
        QCOMPARE(çocuklar.size(), 11);

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
