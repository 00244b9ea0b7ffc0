#include "Dizgeler.h"
#include "FareOlaylari.h"
#include "HakkindaFormu.h"
#include "Kimlik.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"

#include <QTest>

namespace {

// The texts the load sets from the string table, in its order.
QStringList YüklenenMetinler(const HakkındaFormu &form)
{
    return {form.windowTitle(), form.Etiket[1]->text(), form.MesajGönderEtiketi->Caption(),
            form.EPostaGönderEtiketi->Caption(), form.TamamDüğmesi->text()};
}

const QStringList Metinler{"About Program", "Version 1.21", "Send Message", "Send E-Mail", "OK"};
const QList<quint32> AktifRenkler{0x00FF0000, 0x00800000, 0x00800000};

}  // namespace

class TstHakkindaFormu : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        DizgeTablosunuDeğiştir({});
    }

    void yukleme()
    {
        SahteOrtam sahte;
        HakkındaFormu form(nullptr);
        QCOMPARE(YüklenenMetinler(form), Metinler);
        QCOMPARE(form.Etiket[0]->text() + form.Etiket[2]->text() + form.Etiket[3]->text(),
                 QStringLiteral("Tilora") + QString::fromUtf8(Kimlik::YasalUyarı) + QStringLiteral("Orvane"));
        QCOMPARE(form.size(), QSize(362, 258));
        QCOMPARE(form.Altlık->ArkaRengi(), form.palette().color(QPalette::Window));

        // The links as their stored bags describe them.
        const QString site = QString::fromLatin1(YapımcınınSitesi);
        QCOMPARE(form.OrvaneEtiketi->Caption(), site);
        const QStringList adresler{site, site + "/asp/mesaj/mesaj.asp?ProgramAdi=Velbor", "mailto:info@orvane.example"};
        const QList<WebEtiketi *> bağlantılar{form.OrvaneEtiketi, form.MesajGönderEtiketi, form.EPostaGönderEtiketi};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bağlantılar[i]->ForeColor(), AktifRenkler[i]);
            QCOMPARE(bağlantılar[i]->AktifRenk(), AktifRenkler[i]);
            QCOMPARE(bağlantılar[i]->Font().karakterKümesi, 162);
            Tıkla(bağlantılar[i]->Etiket, QPoint(1, 1));
            QCOMPARE(sahte.adresler.last(), QUrl(adresler[i]));
        }
    }

    void eksikDizge_data()
    {
        QTest::addColumn<int>("kimlik");
        QTest::addColumn<int>("sıra");
        QTest::addColumn<QString>("yerTutucu");
        QTest::newRow("title") << 2400 << 0 << "#";
        QTest::newRow("version") << 2450 << 1 << "#";
        QTest::newRow("message link") << 2500 << 2 << "2500";
        QTest::newRow("e-mail link") << 2600 << 3 << "2600";
        QTest::newRow("OK") << 2000 << 4 << "2000";
    }

    void eksikDizge()
    {
        QFETCH(int, kimlik);
        QFETCH(int, sıra);
        QFETCH(QString, yerTutucu);
        QHash<int, QString> tablo = DizgeTablosu();
        tablo.remove(kimlik);
        DizgeTablosunuDeğiştir(tablo);
        QStringList beklenen = Metinler;
        beklenen[sıra] = yerTutucu;
        QCOMPARE(YüklenenMetinler(HakkındaFormu(nullptr)), beklenen);
    }

    void gezinme_data()
    {
        QTest::addColumn<bool>("renkDeğiştir");
        QTest::addColumn<int>("sıra");
        for (const bool değiştir : {false, true}) {
            for (int i = 0; i < 3; ++i)
                QTest::addRow("%s, link %d", değiştir ? "colour change" : "underline", i) << değiştir << i;
        }
    }

    void gezinme()
    {
        QFETCH(bool, renkDeğiştir);
        QFETCH(int, sıra);
        HakkındaFormu form(nullptr);
        form.show();
        const QList<WebEtiketi *> bağlantılar{form.OrvaneEtiketi, form.MesajGönderEtiketi, form.EPostaGönderEtiketi};
        for (WebEtiketi *bağlantı : bağlantılar)
            bağlantı->RenkDeğiştirAta(renkDeğiştir);
        const auto durumuDenetle = [&](int üstündeki) {
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(bağlantılar[i]->FontUnderline(), i == üstündeki && !renkDeğiştir);
                QCOMPARE(bağlantılar[i]->ForeColor(), i == üstündeki && renkDeğiştir ? 0x00404080u : AktifRenkler[i]);
            }
        };
        for (QWidget *yüzey : {static_cast<QWidget *>(form.Altlık), static_cast<QWidget *>(&form)}) {
            Fare(bağlantılar[sıra]->Etiket, QEvent::MouseMove, QPoint(1, 1));
            durumuDenetle(sıra);
            // The labels, the icon, the button and the links' margins leave the link as it is, even
            // while a button is held.
            for (const Qt::MouseButtons düğmeler : {Qt::NoButton, Qt::LeftButton}) {
                for (QWidget *denetim : std::initializer_list<QWidget *>{form.Etiket[1], form.SimgeKutusu,
                                                                         form.TamamDüğmesi, bağlantılar[sıra]})
                    Fare(denetim, QEvent::MouseMove, QPoint(0, 0), düğmeler);
            }
            durumuDenetle(sıra);
            Fare(yüzey, QEvent::MouseMove, QPoint(4, 4));
            durumuDenetle(-1);
        }
    }

    void kapatma_data()
    {
        QTest::addColumn<bool>("escTuşu");
        QTest::newRow("OK") << false;
        QTest::newRow("Esc") << true;
    }

    void kapatma()
    {
        QFETCH(bool, escTuşu);
        HakkındaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        if (escTuşu)
            QTest::keyClick(&form, Qt::Key_Escape);
        else
            form.TamamDüğmesi->click();
        QVERIFY(!form.isVisible());
        // Esc presses OK rather than cancelling the dialog.
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TstHakkindaFormu)
#include "tst_hakkindaformu.moc"
