#include "CalismaHatasi.h"
#include "FareOlaylari.h"
#include "OzellikTorbasi.h"
#include "RenkDegeri.h"
#include "SahteOrtam.h"
#include "WebEtiketi.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using Atama = std::function<void(WebEtiketi &)>;
Q_DECLARE_METATYPE(Atama)

class TstWebEtiketi : public QObject {
    Q_OBJECT

private slots:
    void degisiklikler_data()
    {
        QTest::addColumn<Atama>("işlem");
        QTest::addColumn<bool>("bildirir");
        QTest::addColumn<QColor>("renk");
        QTest::newRow("Caption") << Atama([](auto &b) { b.CaptionAta(QString(60, u'W')); }) << true << QColor();
        QTest::newRow("FontUnderline") << Atama([](auto &b) { b.FontUnderlineAta(true); }) << true << QColor();
        QTest::newRow("ForeColor") << Atama([](auto &b) { b.ForeColorAta(0x80); }) << true << QColor(128, 0, 0);
        QTest::newRow("Font") << Atama([](auto &b) { b.FontAta(b.Font()); }) << true << QColor();
        QTest::newRow("PasifRenk") << Atama([](auto &b) { b.PasifRenkAta(0x80); }) << true << QColor();
        QTest::newRow("AktifRenk") << Atama([](auto &b) { b.AktifRenkAta(0x8000); }) << true << QColor(0, 128, 0);
        QTest::newRow("Url") << Atama([](auto &b) { b.UrlAta(QString()); }) << true << QColor();
        QTest::newRow("RenkDeğiştir") << Atama([](auto &b) { b.RenkDeğiştirAta(true); }) << true << QColor();
        QTest::newRow("reading AktifRenk") << Atama([](auto &b) { b.AktifRenk(); }) << false << QColor(0, 0, 255);
        QTest::newRow("colours that name none") << Atama([](WebEtiketi &b) {
            QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, b.ForeColorAta(0x80000099));
            QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, b.PasifRenkAta(0x01000000));
            QCOMPARE(b.PasifRenk(), 0x00404080u);
        }) << false << QColor();
    }

    // An assignment notifies its own name once, a read nothing; the text shows the row's colour (invalid:
    // a new link's button-text colour); the control stays its text's extent plus 2 pixels all round.
    void degisiklikler()
    {
        QFETCH(Atama, işlem);
        QFETCH(bool, bildirir);
        QFETCH(QColor, renk);
        QWidget kap;
        auto *bağlantı = new WebEtiketi(&kap);
        kap.show();
        QSignalSpy bildirimler(bağlantı, &WebEtiketi::propertyChanged);
        işlem(*bağlantı);
        const QString ad = QString::fromUtf8(QTest::currentDataTag());
        QCOMPARE(bildirimler, bildirir ? QList<QVariantList>{{ad}} : QList<QVariantList>());
        const QColor beklenen = renk.isValid() ? renk : bağlantı->palette().color(QPalette::ButtonText);
        QCOMPARE(bağlantı->Etiket->palette().color(bağlantı->Etiket->foregroundRole()), beklenen);
        QCOMPARE(GörünenRenk(bağlantı->ForeColor(), bağlantı->palette()), beklenen);
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
    }

    // A bag that is no bag, or holds an unusable value after a sound caption, is refused whole.
    void bozukTorba_data()
    {
        QTest::addColumn<QByteArray>("metin");
        QTest::newRow("not JSON") << QByteArray("caption=x");
        QTest::newRow("number as text") << QByteArray(R"([["caption", "x"], ["url", 5]])");
        QTest::newRow("colour as a name") << QByteArray(R"([["caption", "x"], ["forecolor", "blue"]])");
        QTest::newRow("no such system colour") << QByteArray(R"([["caption", "x"], ["pasifrenk", "0x80000099"]])");
    }

    void bozukTorba()
    {
        QFETCH(QByteArray, metin);
        WebEtiketi bağlantı;
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, bağlantı.ÖzellikleriOku(ÖzellikTorbası::Çözümle(metin)));
        QCOMPARE(bağlantı.Caption(), QStringLiteral("..."));
    }
};

QTEST_MAIN(TstWebEtiketi)
#include "tst_webetiketi.moc"
