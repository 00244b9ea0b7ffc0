// The About dialog and its links.
#include "CalismaHatasi.h"
#include "Dizgeler.h"
#include "HakkindaFormu.h"
#include "Kimlik.h"
#include "OzellikTorbasi.h"
#include "RenkDegeri.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "WebEtiketi.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString Site = QString::fromLatin1(YapımcınınSitesi);
const QList<quint32> AktifRenkler{0x00FF0000, 0x00800000, 0x00800000};

// Sent as the application delivers it: to the widget under the pointer, passed on to its parents.
void Fare(QWidget *hedef, QEvent::Type tür, QPoint yer, Qt::MouseButtons düğmeler = Qt::NoButton,
          Qt::KeyboardModifiers tuşlar = Qt::NoModifier)
{
    const Qt::MouseButton düğme = tür == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent olay(tür, yer, hedef->mapToGlobal(yer), düğme, düğmeler, tuşlar);
    QCoreApplication::sendEvent(hedef, &olay);
}

void Tıkla(QWidget *hedef, QPoint yer)
{
    Fare(hedef, QEvent::MouseButtonPress, yer, Qt::LeftButton);
    Fare(hedef, QEvent::MouseButtonRelease, yer);
}

}  // namespace

class TstHakkindaFormu : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DizgeTablosunuDeğiştir({}); }

    // An assignment notifies its own name, a read nothing; the text shows ForeColor, never PasifRenk, reading
    // AktifRenk paints it, a colour that names none is refused; the control is its text plus 2 pixels around.
    void linkProperties()
    {
        QWidget kap;
        auto *bağlantı = new WebEtiketi(&kap);
        kap.show();
        const auto yazıRengi = [&] { return bağlantı->Etiket->palette().color(bağlantı->Etiket->foregroundRole()); };
        QCOMPARE(yazıRengi(), bağlantı->palette().color(QPalette::ButtonText));
        QSignalSpy bildirimler(bağlantı, &WebEtiketi::propertyChanged);
        bağlantı->CaptionAta(QString(60, u'W'));
        bağlantı->ForeColorAta(0x80);
        bağlantı->PasifRenkAta(0x8000);
        QCOMPARE(yazıRengi(), QColor(128, 0, 0));
        bağlantı->AktifRenk();
        QCOMPARE(yazıRengi(), QColor(0, 0, 255));
        QCOMPARE(GörünenRenk(bağlantı->ForeColor(), bağlantı->palette()), QColor(0, 0, 255));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, bağlantı->ForeColorAta(0x80000099));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, bağlantı->PasifRenkAta(0x01000000));
        QCOMPARE(bağlantı->PasifRenk(), 0x00008000u);
        QCOMPARE(bildirimler, (QList<QVariantList>{{"Caption"}, {"ForeColor"}, {"PasifRenk"}}));
        QCOMPARE(bağlantı->Etiket->geometry(), QRect(QPoint(2, 2), bağlantı->Etiket->sizeHint()));
        QCOMPARE(bağlantı->size(), bağlantı->Etiket->size() + QSize(4, 4));
    }

    // Over the margin nothing counts; over the text a double click opens once, a press dragged off never.
    void linkMouse()
    {
        SahteOrtam sahte;
        // A button as the container: a mouse event passed on to it would press it.
        QPushButton kap;
        QSignalSpy kabaUlaşan(&kap, &QPushButton::pressed);
        auto *bağlantı = new WebEtiketi(&kap);
        QSignalSpy hareketler(bağlantı, &WebEtiketi::MouseMove);
        const QPoint yer(1, 2);
        for (QWidget *hedef : {static_cast<QWidget *>(bağlantı), static_cast<QWidget *>(bağlantı->Etiket)}) {
            Fare(hedef, QEvent::MouseMove, yer, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier);
            Tıkla(hedef, yer);
            Fare(hedef, QEvent::MouseButtonDblClick, yer, Qt::LeftButton);
            Fare(hedef, QEvent::MouseButtonRelease, yer);
            Fare(hedef, QEvent::MouseButtonPress, yer, Qt::LeftButton);
            Fare(hedef, QEvent::MouseButtonRelease, yer + QPoint(500, 0));
        }
        QCOMPARE(hareketler, (QList<QVariantList>{{qint16(1), qint16(5), 15.0f, 30.0f}}));
        QCOMPARE(sahte.adresler, QList<QUrl>{QUrl(Site)});
        QCOMPARE(kabaUlaşan.size(), 0);
    }

    // Keys are matched in any case and written in lower case, in their declared order; values at their
    // defaults (all of them, after a bag with no keys) are not stored, even over an earlier write.
    void linkPropertyBag()
    {
        QWidget kap;
        kap.setFont(QFont(QStringLiteral("Sans Serif"), 15));
        WebEtiketi bağlantı(&kap);
        const QByteArray metin = R"([["CAPTION", "send message"], ["fontunderline", true], ["ForeColor", "0x00800000"],
            ["Font", {"name": "sans serif", "size": 8.25, "weight": 400, "italic": true, "underline": true,
                      "strikethrough": false, "charset": 162}],
            ["aktifrenk", "0x00800000"], ["PasifRenk", "0x80000012"], ["RenkDeğiştir", true], ["url", "mailto:x"]])";
        bağlantı.ÖzellikleriOku(ÖzellikTorbası::Çözümle(metin));
        ÖzellikTorbası yazılan;
        bağlantı.ÖzellikleriYaz(yazılan);
        QCOMPARE(yazılan.Metin(), ÖzellikTorbası::Çözümle(metin.toLower()).Metin());
        bağlantı.ÖzellikleriOku(ÖzellikTorbası::Çözümle("[]"));
        bağlantı.ÖzellikleriYaz(yazılan);
        QCOMPARE(yazılan.Anahtarlar(), QStringList());
        // A bag that is no bag, or holds an unusable value after a sound caption, is refused whole.
        for (const QByteArray bozuk : {"caption=x", R"([["caption", "x"], ["url", 5]])",
                                       R"([["caption", "x"], ["forecolor", "blue"]])",
                                       R"([["caption", "x"], ["pasifrenk", "0x80000099"]])"})
            QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, bağlantı.ÖzellikleriOku(ÖzellikTorbası::Çözümle(bozuk)));
        QCOMPARE(bağlantı.Caption(), QStringLiteral("..."));
    }

    // A caption whose string is missing (the title's, a link's) keeps its placeholder; the others are read.
    void captionsAndMissingStrings()
    {
        for (const auto &[kimlik, sıra, yerTutucu] : {std::tuple{2400, 0, "#"}, {2600, 6, "2600"}}) {
            DizgeTablosunuDeğiştir({});
            QHash<int, QString> tablo = DizgeTablosu();
            tablo.remove(kimlik);
            DizgeTablosunuDeğiştir(tablo);
            const HakkındaFormu form(nullptr);
            QStringList beklenen{"About Program", "Tilora", "Version 1.21", QString::fromUtf8(Kimlik::YasalUyarı),
                                 Site, "Send Message", "Send E-Mail", "OK"};
            beklenen[sıra] = QString::fromLatin1(yerTutucu);
            QCOMPARE((QStringList{form.windowTitle(), form.Etiket[0]->text(), form.Etiket[1]->text(),
                                  form.Etiket[2]->text(), form.OrvaneEtiketi->Caption(),
                                  form.MesajGönderEtiketi->Caption(), form.EPostaGönderEtiketi->Caption(),
                                  form.TamamDüğmesi->text()}),
                     beklenen);
        }
    }

    // Hovering sets a link's own hover rule, underline or colour, which only the panel or the dialog undoes,
    // not the labels, icon, button or link's margin. Each link opens its own address.
    void linksHoverAndOpen()
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
