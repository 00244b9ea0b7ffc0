#include "Dizgeler.h"
#include "FareOlaylari.h"
#include "HakkindaFormu.h"
#include "Kimlik.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"

#include <QTest>

namespace {

const QString Site = QString::fromLatin1(YapımcınınSitesi);
const QList<quint32> AktifRenkler{0x00FF0000, 0x00800000, 0x00800000};

}  // namespace

class TstHakkindaFormu : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DizgeTablosunuDeğiştir({}); }

    void eksikDizge_data()
    {
        QTest::addColumn<int>("kimlik");
        QTest::addColumn<int>("sıra");
        QTest::addColumn<QString>("yerTutucu");
        QTest::newRow("none missing") << 0 << 0 << "About Program";
        QTest::newRow("title") << 2400 << 0 << "#";
        QTest::newRow("e-mail link") << 2600 << 6 << "2600";
    }

    // The captions; one whose string is missing from the table stays at its placeholder, alone.
    void eksikDizge()
    {
        QFETCH(int, kimlik);
        QFETCH(int, sıra);
        QFETCH(QString, yerTutucu);
        QHash<int, QString> tablo = DizgeTablosu();
        tablo.remove(kimlik);
        DizgeTablosunuDeğiştir(tablo);
        const HakkındaFormu form(nullptr);
        QStringList beklenen{"About Program", "Tilora", "Version 1.21", QString::fromUtf8(Kimlik::YasalUyarı),
                             Site, "Send Message", "Send E-Mail", "OK"};
        beklenen[sıra] = yerTutucu;
        QCOMPARE((QStringList{form.windowTitle(), form.Etiket[0]->text(), form.Etiket[1]->text(),
                              form.Etiket[2]->text(), form.OrvaneEtiketi->Caption(), form.MesajGönderEtiketi->Caption(),
                              form.EPostaGönderEtiketi->Caption(), form.TamamDüğmesi->text()}),
                 beklenen);
    }

    // Hovering sets a link's own hover rule, underline or colour, which the labels, the icon, the
    // button and the link's margin leave, and only the panel or the dialog undoes. Each link opens
    // its own address.
    void baglantilar()
    {
        SahteOrtam sahte;
        for (const bool renkDeğiştir : {false, true}) {
            HakkındaFormu form(nullptr);
            QCOMPARE(form.Altlık->ArkaRengi(), form.palette().color(QPalette::Window));
            const QList<WebEtiketi *> bağlantılar{form.OrvaneEtiketi, form.MesajGönderEtiketi,
                                                  form.EPostaGönderEtiketi};
            const auto durumuDenetle = [&](int üstündeki) {
                for (int i = 0; i < 3; ++i) {
                    const bool üstünde = i == üstündeki;
                    QCOMPARE(bağlantılar[i]->FontUnderline(), üstünde && !renkDeğiştir);
                    QCOMPARE(bağlantılar[i]->ForeColor(), üstünde && renkDeğiştir ? 0x00404080u : AktifRenkler[i]);
                }
            };
            for (int sıra = 0; sıra < 3; ++sıra) {
                bağlantılar[sıra]->RenkDeğiştirAta(renkDeğiştir);
                Fare(bağlantılar[sıra]->Etiket, QEvent::MouseMove, QPoint(1, 1));
                durumuDenetle(sıra);
                // Moves with a button held, since Qt stops others at a control that does not track the mouse.
                for (QWidget *denetim : std::initializer_list<QWidget *>{form.Etiket[1], form.SimgeKutusu,
                                                                         form.TamamDüğmesi, bağlantılar[sıra]})
                    Fare(denetim, QEvent::MouseMove, QPoint(0, 0), Qt::LeftButton);
                durumuDenetle(sıra);
                Fare(sıra == 1 ? static_cast<QWidget *>(&form) : form.Altlık, QEvent::MouseMove, QPoint(4, 4));
                durumuDenetle(-1);
                Tıkla(bağlantılar[sıra]->Etiket, QPoint(1, 1));
            }
        }
        const QList<QUrl> adresler{QUrl(Site), QUrl(Site + "/asp/mesaj/mesaj.asp?ProgramAdi=Velbor"),
                                   QUrl("mailto:info@orvane.example")};
        QCOMPARE(sahte.adresler, adresler + adresler);
    }
};

QTEST_MAIN(TstHakkindaFormu)
#include "tst_hakkindaformu.moc"
