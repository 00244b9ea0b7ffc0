#include "CalismaHatasi.h"
#include "FareOlaylari.h"
#include "OzellikTorbasi.h"
#include "RenkDegeri.h"
#include "SahteOrtam.h"
#include "WebEtiketi.h"

#include <QSignalSpy>
#include <QTest>

using Atama = std::function<void(WebEtiketi &)>;
Q_DECLARE_METATYPE(Atama)

namespace {

QColor YazıRengi(const WebEtiketi &bağlantı)
{
    return bağlantı.Etiket->palette().color(bağlantı.Etiket->foregroundRole());
}

// Counts the events of the given kinds that reach the objects it watches.
struct OlaySayacı : QObject {
    explicit OlaySayacı(QList<QEvent::Type> türler) : türler(türler) {}
    bool eventFilter(QObject *, QEvent *olay) override
    {
        sayı += türler.contains(olay->type());
        return false;
    }
    QList<QEvent::Type> türler;
    int sayı = 0;
};

}  // namespace

class TstWebEtiketi : public QObject {
    Q_OBJECT

private slots:
    void sigdirma_data()
    {
        QTest::addColumn<QString>("başlık");
        QTest::newRow("empty") << QString();
        QTest::newRow("long") << QStringLiteral("https://www.orvane.example/asp/mesaj/mesaj.asp?ProgramAdi=Velbor");
    }

    void sigdirma()
    {
        QFETCH(QString, başlık);
        WebEtiketi bağlantı;
        bağlantı.CaptionAta(başlık);
        QCOMPARE(bağlantı.Etiket->pos(), QPoint(2, 2));
        QCOMPARE(bağlantı.Etiket->size(), bağlantı.Etiket->sizeHint());
        QCOMPARE(bağlantı.size(), bağlantı.Etiket->size() + QSize(4, 4));
        QVERIFY(bağlantı.width() >= bağlantı.fontMetrics().horizontalAdvance(başlık) + 4);
    }

    // A resize from outside is undone by the fit, which settles after its own one resize.
    void boyutDegisinceYerlesir()
    {
        QWidget kap;
        auto *bağlantı = new WebEtiketi(&kap);
        kap.show();
        OlaySayacı boyutlanmalar({QEvent::Resize});
        bağlantı->installEventFilter(&boyutlanmalar);
        bağlantı->resize(300, 100);
        QCOMPARE(boyutlanmalar.sayı, 2);
        QCOMPARE(bağlantı->size(), bağlantı->Etiket->size() + QSize(4, 4));
    }

    void atamalarBildirir_data()
    {
        QTest::addColumn<Atama>("atama");
        QTest::addColumn<QString>("ad");
        QTest::newRow("Caption") << Atama([](WebEtiketi &b) { b.CaptionAta(QStringLiteral("x")); }) << "Caption";
        QTest::newRow("FontUnderline") << Atama([](WebEtiketi &b) { b.FontUnderlineAta(true); }) << "FontUnderline";
        QTest::newRow("ForeColor") << Atama([](WebEtiketi &b) { b.ForeColorAta(0x80); }) << "ForeColor";
        QTest::newRow("Font") << Atama([](WebEtiketi &b) { b.FontAta(b.Font()); }) << "Font";
        QTest::newRow("PasifRenk") << Atama([](WebEtiketi &b) { b.PasifRenkAta(0x80); }) << "PasifRenk";
        QTest::newRow("AktifRenk") << Atama([](WebEtiketi &b) { b.AktifRenkAta(0x80); }) << "AktifRenk";
        QTest::newRow("Url") << Atama([](WebEtiketi &b) { b.UrlAta(QString()); }) << "Url";
        QTest::newRow("RenkDeğiştir") << Atama([](WebEtiketi &b) { b.RenkDeğiştirAta(true); }) << "RenkDeğiştir";
    }

    void atamalarBildirir()
    {
        QFETCH(Atama, atama);
        QFETCH(QString, ad);
        WebEtiketi bağlantı;
        QSignalSpy bildirimler(&bağlantı, &WebEtiketi::propertyChanged);
        atama(bağlantı);
        QCOMPARE(bildirimler, QList<QVariantList>{{ad}});
    }

    void renkler()
    {
        WebEtiketi bağlantı;
        const QColor düğmeYazısı = bağlantı.palette().color(QPalette::ButtonText);
        // Reading anything but the active colour, or assigning the passive one, repaints nothing.
        bağlantı.Caption(), bağlantı.FontUnderline(), bağlantı.ForeColor(), bağlantı.Font();
        bağlantı.PasifRenk(), bağlantı.Url(), bağlantı.RenkDeğiştir();
        bağlantı.PasifRenkAta(0x000000FF);
        QCOMPARE(YazıRengi(bağlantı), düğmeYazısı);
        QCOMPARE(bağlantı.AktifRenk(), 0x00FF0000u);
        QCOMPARE(YazıRengi(bağlantı), QColor(0, 0, 255));
        QCOMPARE(bağlantı.ForeColor(), 0x00FF0000u);
        bağlantı.AktifRenkAta(0x00008000);
        QCOMPARE(YazıRengi(bağlantı), QColor(0, 128, 0));
        // A value that names no colour is refused and changes nothing.
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, bağlantı.ForeColorAta(0x80000099));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, bağlantı.PasifRenkAta(0x01000000));
        QCOMPARE(bağlantı.ForeColor(), 0x00008000u);
        QCOMPARE(bağlantı.PasifRenk(), 0x000000FFu);
    }

    void fare_data()
    {
        QTest::addColumn<bool>("metinÜstünde");
        QTest::addColumn<QPoint>("yer");
        QTest::newRow("over the text") << true << QPoint(3, 4);
        QTest::newRow("over the left margin") << false << QPoint(1, 1);
        QTest::newRow("over the right margin") << false << QPoint(-1, 5);
    }

    void fare()
    {
        QFETCH(bool, metinÜstünde);
        QFETCH(QPoint, yer);
        SahteOrtam sahte;
        QWidget kap;
        OlaySayacı kabaUlaşan({QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease});
        kap.installEventFilter(&kabaUlaşan);
        auto *bağlantı = new WebEtiketi(&kap);
        bağlantı->UrlAta(QStringLiteral("mailto:info@orvane.example"));
        bağlantı->CaptionAta(QStringLiteral("Send E-Mail"));
        QWidget *hedef = metinÜstünde ? static_cast<QWidget *>(bağlantı->Etiket) : bağlantı;
        if (yer.x() < 0)
            yer.rx() += bağlantı->width();
        QSignalSpy hareketler(bağlantı, &WebEtiketi::MouseMove);
        Fare(hedef, QEvent::MouseMove, yer, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier);
        // A double click opens the address once; a press that leaves the text before its release, never.
        Tıkla(hedef, yer);
        Fare(hedef, QEvent::MouseButtonDblClick, yer, Qt::LeftButton);
        Fare(hedef, QEvent::MouseButtonRelease, yer);
        Fare(hedef, QEvent::MouseButtonPress, yer, Qt::LeftButton);
        Fare(hedef, QEvent::MouseButtonRelease, yer + QPoint(500, 0));
        if (metinÜstünde) {
            QCOMPARE(hareketler, (QList<QVariantList>{{qint16(1), qint16(5), 45.0f, 60.0f}}));
            QCOMPARE(sahte.adresler, QList<QUrl>{QUrl(QStringLiteral("mailto:info@orvane.example"))});
        } else {
            QCOMPARE(hareketler.size(), 0);
            QVERIFY(sahte.adresler.isEmpty());
        }
        QCOMPARE(kabaUlaşan.sayı, 0);
    }

    void torbaGidisDonus()
    {
        QWidget kap;
        WebEtiketi kaynak(&kap), hedef(&kap), yeni(&kap);
        QFont yazı(QStringLiteral("Sans Serif"));
        yazı.setPointSizeF(8.25);
        yazı.setItalic(true);
        kaynak.FontAta({yazı, 162});
        kaynak.CaptionAta(QStringLiteral("Send Message"));
        kaynak.FontUnderlineAta(true);
        kaynak.ForeColorAta(0x00800000);
        kaynak.AktifRenkAta(0x00800000);
        kaynak.PasifRenkAta(DüğmeYazısıRengi);
        kaynak.RenkDeğiştirAta(true);
        kaynak.UrlAta(QStringLiteral("https://www.orvane.example/asp/mesaj/mesaj.asp?ProgramAdi=Velbor"));
        ÖzellikTorbası yazılan, yeniden;
        kaynak.ÖzellikleriYaz(yazılan);
        QCOMPARE(yazılan.Anahtarlar(), (QStringList{"caption", "fontunderline", "forecolor", "font", "aktifrenk",
                                                     "pasifrenk", "renkdeğiştir", "url"}));
        // Keys are matched without regard to case.
        QByteArray metin = yazılan.Metin();
        metin.replace("\"caption\"", "\"CAPTION\"").replace("\"renkdeğiştir\"", "\"RenkDeğiştir\"");
        hedef.ÖzellikleriOku(ÖzellikTorbası::Çözümle(metin));
        hedef.ÖzellikleriYaz(yeniden);
        QCOMPARE(yeniden.Metin(), yazılan.Metin());
        QCOMPARE(hedef.Font().yazı.pointSizeF(), 8.25);

        // Values back at their defaults are not stored, even over an earlier write.
        yeni.UrlAta(QStringLiteral("mailto:info@orvane.example"));
        yeni.ÖzellikleriYaz(yazılan);
        QCOMPARE(yazılan.Anahtarlar(), QStringList{"url"});
    }

    void bosTorbaVarsayilanlari()
    {
        SahteOrtam sahte;
        QWidget kap;
        kap.setFont(QFont(QStringLiteral("Sans Serif"), 15));
        auto *bağlantı = new WebEtiketi(&kap);
        bağlantı->CaptionAta(QStringLiteral("x"));
        bağlantı->ÖzellikleriOku(ÖzellikTorbası::Çözümle("[]"));
        QCOMPARE(bağlantı->Caption(), QStringLiteral("..."));
        QCOMPARE(bağlantı->FontUnderline(), false);
        QCOMPARE(bağlantı->ForeColor(), DüğmeYazısıRengi);
        QCOMPARE(bağlantı->Font().yazı, kap.font());
        QCOMPARE(bağlantı->AktifRenk(), 0x00FF0000u);
        QCOMPARE(bağlantı->PasifRenk(), 0x00404080u);
        QCOMPARE(bağlantı->RenkDeğiştir(), false);
        Tıkla(bağlantı->Etiket, QPoint(1, 1));
        QCOMPARE(sahte.adresler, QList<QUrl>{QUrl(QString::fromLatin1(YapımcınınSitesi))});
    }

    void bozukTorba_data()
    {
        QTest::addColumn<QByteArray>("metin");
        QTest::addColumn<int>("hataNo");
        QTest::newRow("not JSON") << QByteArray("caption=x") << HataNo::GeçersizÖzellikDeğeri;
        // A sound caption comes first: nothing of a bag is taken when one of its values fails.
        QTest::newRow("number as text") << QByteArray(R"([["caption", "x"], ["url", 5]])") << HataNo::TürUyuşmazlığı;
        QTest::newRow("no such system colour") << QByteArray(R"([["caption", "x"], ["pasifrenk", "0x80000099"]])")
                                               << HataNo::GeçersizÖzellikDeğeri;
        QTest::newRow("font weight") << QByteArray(R"([["caption", "x"], ["font", {"weight": 5000}]])")
                                     << HataNo::GeçersizÖzellikDeğeri;
    }

    void bozukTorba()
    {
        QFETCH(QByteArray, metin);
        QFETCH(int, hataNo);
        WebEtiketi bağlantı;
        try {
            bağlantı.ÖzellikleriOku(ÖzellikTorbası::Çözümle(metin));
            QFAIL("the bag was accepted");
        } catch (const ÇalışmaHatası &hata) {
            QCOMPARE(hata.Numara(), hataNo);
        }
        QCOMPARE(bağlantı.Caption(), QStringLiteral("..."));
    }
};

QTEST_MAIN(TstWebEtiketi)
#include "tst_webetiketi.moc"
