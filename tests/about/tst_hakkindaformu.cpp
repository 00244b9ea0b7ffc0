#include "Dizgeler.h"
#include "FareOlaylari.h"
#include "HakkindaFormu.h"
#include "Kimlik.h"
#include "PaletRengi.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TasarimYerlesimi.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTest>

namespace {

// The captions the load sets, in its order, with the site link's from its stored properties.
QStringList Başlıklar(const HakkındaFormu &form)
{
    return {form.windowTitle(), form.Etiket[0]->text(), form.Etiket[1]->text(), form.Etiket[2]->text(),
            form.OrvaneEtiketi->Caption(), form.MesajGönderEtiketi->Caption(), form.EPostaGönderEtiketi->Caption(),
            form.TamamDüğmesi->text()};
}

const QString Site = QString::fromLatin1(YapımcınınSitesi);
const QStringList YüklenmişBaşlıklar{"About Program", "Tilora", "Version 1.21", QString::fromUtf8(Kimlik::YasalUyarı),
                                     Site, "Send Message", "Send E-Mail", "OK"};
const QList<quint32> AktifRenkler{0x00FF0000, 0x00800000, 0x00800000};

}  // namespace

class TstHakkindaFormu : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        DizgeTablosunuDeğiştir({});
    }

    void eksikDizge_data()
    {
        QTest::addColumn<int>("kimlik");
        QTest::addColumn<int>("sıra");
        QTest::addColumn<QString>("yerTutucu");
        QTest::newRow("none missing") << 0 << 0 << "About Program";
        QTest::newRow("title") << 2400 << 0 << "#";
        QTest::newRow("e-mail link") << 2600 << 6 << "2600";
        QTest::newRow("OK") << 2000 << 7 << "2000";
    }

    // A string missing from the table leaves its caption at its placeholder, and only that one.
    void eksikDizge()
    {
        QFETCH(int, kimlik);
        QFETCH(int, sıra);
        QFETCH(QString, yerTutucu);
        QHash<int, QString> tablo = DizgeTablosu();
        tablo.remove(kimlik);
        DizgeTablosunuDeğiştir(tablo);
        QStringList beklenen = YüklenmişBaşlıklar;
        beklenen[sıra] = yerTutucu;
        QCOMPARE(Başlıklar(HakkındaFormu(nullptr)), beklenen);
    }

    // The panel takes the dialog's colour; each link opens its own address.
    void yukleme()
    {
        SahteOrtam sahte;
        HakkındaFormu form(nullptr);
        QCOMPARE(form.Altlık->ArkaRengi(), form.palette().color(QPalette::Window));
        for (WebEtiketi *bağlantı : {form.OrvaneEtiketi, form.MesajGönderEtiketi, form.EPostaGönderEtiketi})
            Tıkla(bağlantı->Etiket, QPoint(1, 1));
        QCOMPARE(sahte.adresler, (QList<QUrl>{QUrl(Site), QUrl(Site + "/asp/mesaj/mesaj.asp?ProgramAdi=Velbor"),
                                              QUrl("mailto:info@orvane.example")}));
    }

    void gezinme_data()
    {
        QTest::addColumn<bool>("renkDeğiştir");
        QTest::newRow("underline") << false;
        QTest::newRow("colour change") << true;
    }

    // Each link's own hover rule for the given flag, which only the panel or the dialog undoes.
    void gezinme()
    {
        QFETCH(bool, renkDeğiştir);
        HakkındaFormu form(nullptr);
        const QList<WebEtiketi *> bağlantılar{form.OrvaneEtiketi, form.MesajGönderEtiketi, form.EPostaGönderEtiketi};
        for (WebEtiketi *bağlantı : bağlantılar)
            bağlantı->RenkDeğiştirAta(renkDeğiştir);
        const auto durumuDenetle = [&](int üstündeki) {
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(bağlantılar[i]->FontUnderline(), i == üstündeki && !renkDeğiştir);
                QCOMPARE(bağlantılar[i]->ForeColor(), i == üstündeki && renkDeğiştir ? 0x00404080u : AktifRenkler[i]);
            }
        };
        for (int sıra = 0; sıra < 3; ++sıra) {
            for (QWidget *yüzey : {static_cast<QWidget *>(form.Altlık), static_cast<QWidget *>(&form)}) {
                Fare(bağlantılar[sıra]->Etiket, QEvent::MouseMove, QPoint(1, 1));
                durumuDenetle(sıra);
                // The labels, the icon, the button and the link's margin leave the link as it is. Moves
                // with a button held, since Qt stops others at a control that does not track the mouse.
                for (QWidget *denetim : std::initializer_list<QWidget *>{form.Etiket[1], form.SimgeKutusu,
                                                                         form.TamamDüğmesi, bağlantılar[sıra]})
                    Fare(denetim, QEvent::MouseMove, QPoint(0, 0), Qt::LeftButton);
                durumuDenetle(sıra);
                Fare(yüzey, QEvent::MouseMove, QPoint(4, 4));
                durumuDenetle(-1);
            }
        }
    }

    // Opened from a window drawn at twice the design: twice the design's size, the icon drawn at
    // that size from the icon's own pictures.
    void sahibininOlcegiyle()
    {
        QWidget sahip;
        ÖlçeğiAta(&sahip, {2, {}});
        HakkındaFormu form(&sahip);
        QCOMPARE(form.size(), QSize(724, 516));
        QCOMPARE(form.TamamDüğmesi->geometry(), QRect(516, 432, 166, 46));
        QCOMPARE(form.SimgeKutusu->pixmap().deviceIndependentSize(), QSizeF(64, 64));
        QCOMPARE(form.font().pointSizeF(), 16.5);
    }

    // On a dark palette the name and the links read against the dialog, a link at rest in the
    // palette's link colour; the panel keeps the dialog's colour as the desktop's colours change.
    void koyuPalet()
    {
        HakkındaFormu form(nullptr);
        QPalette koyu;
        koyu.setColor(QPalette::Window, QColor(42, 46, 50));
        koyu.setColor(QPalette::Link, QColor(100, 180, 255));
        QApplication::setPalette(koyu);
        const auto guard = qScopeGuard([] { QApplication::setPalette(QPalette()); });
        QTRY_COMPARE(form.Altlık->ArkaRengi(), QColor(42, 46, 50));
        const auto yazıRengi = [](const QWidget *denetim) { return denetim->palette().color(denetim->foregroundRole()); };
        for (QWidget *denetim : std::initializer_list<QWidget *>{form.Etiket[0], form.Etiket[3], form.MesajGönderEtiketi->Etiket})
            QTRY_VERIFY(Karşıtlık(yazıRengi(denetim), QColor(42, 46, 50)) >= EnAzKarşıtlık);
        QCOMPARE(yazıRengi(form.OrvaneEtiketi->Etiket), QColor(100, 180, 255));
        QCOMPARE(form.OrvaneEtiketi->ForeColor(), 0x00FF0000u);
    }

    // Esc presses OK, which closes the dialog.
    void kapatma()
    {
        HakkındaFormu form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TstHakkindaFormu)
#include "tst_hakkindaformu.moc"
