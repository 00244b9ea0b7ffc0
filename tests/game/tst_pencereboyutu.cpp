// The main window at any size, full screen and after a new start, and its fixed colours on a dark palette.
#include "AyarDeposu.h"
#include "Fotograf.h"
#include "OrtakDegiskenler.h"
#include "PaletRengi.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"
#include "TestFotografi.h"
#include "Yerlesim.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The controls with a designed place and size; the labels that fit their text are left out.
const QStringList Yerleşikler{"Çerçeve(0)", "Çerçeve(1)", "Çerçeve(2)", "Çerçeve(3)", "Tahta", "DağınıkParçalar(0)",
                              "DağınıkParçalar(4)", "DağınıkParçalar(8)", "ÖrnekKutusu", "ParçalaraBölSeçeneği(2)",
                              "FotoğrafınÖrneğiniGöster", "SesleriKapatOnayı", "YeniOyunDüğmesi", "ÇıkışDüğmesi"};

// The captions, the clock and count, and every tile's background, which the empty place shows.
QList<QColor> SabitRenkler(const AnaForm &form)
{
    QList<QColor> renkler;
    for (const QString ad : {"Çerçeve(0)", "Çerçeve(1)", "Çerçeve(2)", "Çerçeve(3)", "Etiket(1)", "Etiket(3)"})
        renkler << Bul(form, ad)->palette().color(QPalette::WindowText);
    for (int konum = 0; konum < 9; ++konum)
        renkler << Parça(form, konum)->ArkaRengi();
    return renkler;
}

}  // namespace

class TestWindowSize : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }
    void cleanup()
    {
        QApplication::setPalette(QPalette());
        ortam.reset();
    }

    void scaledAsOneDrawing_data()
    {
        QTest::addColumn<QSize>("alan");
        QTest::addColumn<QPoint>("kaydırma");
        QTest::newRow("twice the design") << QSize(1268, 826) << QPoint(0, 0);
        QTest::newRow("wider: centred across") << QSize(1400, 826) << QPoint(66, 0);
    }

    // Every control and the text scaled as one drawing; tiles and sample cut anew from the photo.
    void scaledAsOneDrawing()
    {
        QFETCH(QSize, alan);
        QFETCH(QPoint, kaydırma);
        const QString yol = FotoğrafYaz(ProgramKlasörü + QStringLiteral("Sample-2.jpg"), QSize(2400, 1800));
        auto form = AçılmışForm(false);
        QHash<QString, QRect> tasarım;
        for (const QString &ad : Yerleşikler)
            tasarım.insert(ad, Bul(*form, ad)->geometry());

        form->resize(alan);
        QTRY_COMPARE(form->size(), alan);
        QCOMPARE(form->font().pointSizeF(), 16.5);
        for (const QString &ad : Yerleşikler) {
            const QWidget *denetim = Bul(*form, ad);
            const QRect beklenen(tasarım[ad].topLeft() * 2 + (denetim->parentWidget() == form.get() ? kaydırma : QPoint()),
                                 tasarım[ad].size() * 2);
            for (const auto &[değer, beklenenDeğer] : {std::pair{denetim->x(), beklenen.x()}, {denetim->y(), beklenen.y()},
                                                      {denetim->width(), beklenen.width()}, {denetim->height(), beklenen.height()}})
                QVERIFY2(qAbs(değer - beklenenDeğer) <= 1, qPrintable(ad));
        }

        ResimKutusu *parça = Parça(*form, 4);
        const qreal oran = form->devicePixelRatio();
        QCOMPARE(Bul<ResimKutusu>(*form, QStringLiteral("ÖrnekKutusu"))->Resim().size(),
                 Bul<ResimKutusu>(*form, QStringLiteral("ÖrnekKutusu"))->İçBoyut() * oran);
        // Cut from the photo read again for the new size, not from the small working image enlarged.
        const Fotoğraf büyük = FotoğrafıYükle(yol, EnKüçükÇalışmaBoyutu(form.get()));
        QTRY_COMPARE(parça->Resim(), büyük.Parça(ParçaKaynağı(4, 3, büyük.Boyut()), parça->size() * oran));

        // Back to the design's size, the design's pixels.
        form->resize(634, 413);
        QTRY_COMPARE(form->size(), QSize(634, 413));
        for (const QString &ad : Yerleşikler)
            QCOMPARE(Bul(*form, ad)->geometry(), tasarım[ad]);
    }

    // F11 fills the screen and comes back; Esc leaves full screen rather than closing the window.
    void fullScreenAndBack()
    {
        auto form = AçılmışForm(true, true);
        for (const Qt::Key geriTuşu : {Qt::Key_F11, Qt::Key_Escape}) {
            QTest::keyClick(form.get(), Qt::Key_F11);
            QTRY_VERIFY(form->isFullScreen());
            QTest::keyClick(form.get(), geriTuşu);
            QTRY_COMPARE(form->size(), QSize(634, 413));
        }
        QVERIFY(form->isVisible());
    }

    void sizeAndStateRemembered_data()
    {
        QTest::addColumn<Qt::WindowState>("durum");
        QTest::newRow("normal") << Qt::WindowNoState;
        QTest::newRow("maximised") << Qt::WindowMaximized;
        QTest::newRow("full screen") << Qt::WindowFullScreen;
    }

    // Scaled to the new size, which is kept in the game's own options only and given back at a new start.
    void sizeAndStateRemembered()
    {
        QFETCH(Qt::WindowState, durum);
        auto form = AçılmışForm();
        form->resize(700, 460);
        QTRY_COMPARE(form->size(), QSize(700, 460));
        form->setWindowState(durum);
        QTRY_COMPARE(form->windowState(), durum);
        form->ÇıkışDüğmesi_Click();
        const auto bayrak = [&](Qt::WindowState hal) { return durum == hal ? u"1"_s : u"0"_s; };
        QCOMPARE(OyunSeçenekleri().BölümüOku(u"Pencere"_s),
                 (QList<AyarGirdisi>{{u"Genislik"_s, u"700"_s}, {u"Yukseklik"_s, u"460"_s},
                                     {u"Ekrani Kapla"_s, bayrak(Qt::WindowMaximized)},
                                     {u"Tam Ekran"_s, bayrak(Qt::WindowFullScreen)}}));
        QVERIFY(!ortam->AyarMetni().contains(u"Pencere"_s));

        form = AçılmışForm();
        QTRY_COMPARE(form->windowState(), durum);
        form->showNormal();
        QTRY_COMPARE(form->size(), QSize(700, 460));
    }

    // On a dark palette every fixed colour reads at 4.5 : 1, the gap after a slide too, and turns back after.
    void darkPalette()
    {
        auto form = AçılmışForm();
        form->YeniOyunDüğmesi_Click();
        const QList<QColor> tasarım = SabitRenkler(*form);
        QCOMPARE(tasarım.first(), QColor(128, 0, 0));
        QPalette koyu;
        koyu.setColor(QPalette::Window, QColor(42, 46, 50));
        koyu.setColor(QPalette::WindowText, QColor(232, 232, 232));
        QApplication::setPalette(koyu);
        const auto okunur = [&] {
            const QList<QColor> renkler = SabitRenkler(*form);
            return std::all_of(renkler.cbegin(), renkler.cend(),
                               [](const QColor &renk) { return Karşıtlık(renk, QColor(42, 46, 50)) >= EnAzKarşıtlık; });
        };
        QTRY_VERIFY(okunur());
        form->DağınıkParçalar_Click(Gösterilen(*form).indexOf(-1) - 1);
        QVERIFY(okunur());
        QApplication::setPalette(QPalette());
        QTRY_COMPARE(SabitRenkler(*form), tasarım);
    }
};

QTEST_MAIN(TestWindowSize)
#include "tst_pencereboyutu.moc"
