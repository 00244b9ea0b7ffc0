#include "CalismaHatasi.h"
#include "FareOlaylari.h"
#include "OzellikTorbasi.h"
#include "RenkDegeri.h"
#include "SahteOrtam.h"
#include "WebEtiketi.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TstWebEtiketi : public QObject {
    Q_OBJECT

private slots:
    // An assignment notifies its own name, a read nothing. The text shows ForeColor, never PasifRenk,
    // and reading AktifRenk paints it; a colour that names none is refused. The control stays its
    // text's extent plus 2 pixels all round.
    void ozellikler()
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

    // The same moves and clicks over the margin, then over the text: only the latter count. A double
    // click opens the address once; a press that leaves the text before its release, never.
    void fare()
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
        QCOMPARE(sahte.adresler, QList<QUrl>{QUrl(QString::fromLatin1(YapımcınınSitesi))});
        QCOMPARE(kabaUlaşan.size(), 0);
    }

    // Keys are matched in any case and written in lower case, in their declared order; values at their
    // defaults (all of them, after a bag with no keys) are not stored, even over an earlier write.
    void torbaGidisDonus()
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
};

QTEST_MAIN(TstWebEtiketi)
#include "tst_webetiketi.moc"
