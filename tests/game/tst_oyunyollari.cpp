// The ways to play beyond the click: the arrow keys, Space and Enter, undo and redo, the best
// results, a photo dropped on the window, the tiles' names for screen readers, Hint and Solve.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"
#include "TestFotografi.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

QString Ad(QWidget *denetim)
{
    return QAccessible::queryAccessibleInterface(denetim)->text(QAccessible::Name);
}

// Starts with a game one slide from solved, after `saniye` seconds and `hamle` - 1 clicks, and
// completes it; the line the congratulation adds.
QString Tamamla(std::unique_ptr<AnaForm> &form, SahteOrtam &ortam, int saniye, qint32 hamle)
{
    form.reset();
    BirKaymaKalaYaz(OyunSaati{quint8(saniye % 60), quint8(saniye / 60), 0}, hamle - 1);
    form = AçılmışForm(true, true);
    Tuş(*form, Qt::Key_Left);
    return ortam.mesajlar.constLast().ekMetin;
}

// A drag of `yollar` from a file manager dropped on the window; whether the window took it.
bool Bırak(AnaForm &form, const QStringList &yollar)
{
    QMimeData veri;
    QList<QUrl> adresler;
    for (const QString &yol : yollar)
        adresler.append(QUrl::fromLocalFile(yol));
    veri.setUrls(adresler);
    const QPoint yer = form.rect().center();
    QDragEnterEvent giriş(yer, Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &giriş);
    if (!giriş.isAccepted())
        return false;
    QDropEvent bırakma(yer, Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &bırakma);
    QCoreApplication::processEvents();
    return bırakma.isAccepted();
}

const QString HerİkisiYeni = QStringLiteral("New best time and fewest clicks for this photo at 3 x 3 blocks!");
const QString TümüSatırı = QStringLiteral("\nClick here or press R to see every best result.");

}  // namespace

class TestWaysToPlay : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }
    void cleanup() { ortam.reset(); }

    // The board is the window's first stop and a click on a tile gives it the focus back. The
    // arrows slide or are refused only during a game; Space deals when none runs, and Undo and
    // Redo reach the game through their keys and commands.
    void keyboardReachesTheGame()
    {
        auto form = AçılmışForm(true, true);
        QCOMPARE(QApplication::focusWidget(), Pano(*form));
        Bul(*form, QStringLiteral("YeniOyunDüğmesi"))->setFocus();
        QTest::mouseClick(Parça(*form, 4), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), Pano(*form));
        QVERIFY(OyunVar(*form));

        form = AçılmışForm(true, true);
        Tuş(*form, Qt::Key_Right);
        QVERIFY(!OyunVar(*form));
        Tuş(*form, Qt::Key_Space);
        const QList<QImage> dağıtım = Resimler(*form);
        Tuş(*form, Qt::Key_Return);
        Tuş(*form, Qt::Key_Space);
        QCOMPARE(Resimler(*form), dağıtım);
        const QList<QAction *> komutlar = Pano(*form)->actions();
        QStringList başlıklar;
        for (const QAction *komut : komutlar)
            başlıklar.append(komut->text());
        QCOMPARE(başlıklar, (QStringList{"&Undo", "&Redo", "&Hint", "&Solve", "&Numbers on tiles", "&Best results...",
                                           "&Full screen"}));
        QVERIFY(!komutlar[0]->isEnabled());

        Tuş(*form, Qt::Key_Up);  // off the bottom edge
        for (const Qt::Key tuş : {Qt::Key_Right, Qt::Key_Down})
            Tuş(*form, tuş);
        const QList<QImage> sonra = Resimler(*form);
        for (int kez = 0; kez < 3; ++kez)  // one more than was slid
            Tuş(*form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Resimler(*form), dağıtım);
        QVERIFY(!komutlar[0]->isEnabled() && komutlar[1]->isEnabled());
        komutlar[1]->trigger();
        Tuş(*form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Resimler(*form), sonra);
        QVERIFY(!komutlar[1]->isEnabled());
        QCOMPARE(ortam->sesler, QStringList{"DUR"} + QStringList(6, QStringLiteral("TAMAM")));

        // A new deal leaves nothing to take back.
        form->YeniOyunDüğmesi_Click();
        QVERIFY(!komutlar[0]->isEnabled() && !komutlar[1]->isEnabled());
    }

    void bestResults_data()
    {
        QTest::addColumn<int>("saniye");
        QTest::addColumn<int>("hamle");
        QTest::addColumn<QString>("satır");
        QTest::addColumn<QString>("enİyi");
        QTest::newRow("as good") << 65 << 42 << QString() << QStringLiteral("1 minute 5 seconds\nFewest clicks: 42");
        QTest::newRow("faster") << 64 << 50 << QStringLiteral("New best time for this photo at 3 x 3 blocks!")
                                << QStringLiteral("1 minute 4 seconds\nFewest clicks: 42");
        QTest::newRow("fewer clicks") << 80 << 41 << QStringLiteral("Fewest clicks yet for this photo at 3 x 3 blocks!")
                                      << QStringLiteral("1 minute 5 seconds\nFewest clicks: 41");
        QTest::newRow("both") << 30 << 20 << HerİkisiYeni << QStringLiteral("30 seconds\nFewest clicks: 20");
    }

    void bestResults()
    {
        QFETCH(int, saniye);
        QFETCH(int, hamle);
        QFETCH(QString, satır);
        QFETCH(QString, enİyi);
        std::unique_ptr<AnaForm> form = AçılmışForm(true, true);
        QCOMPARE(BilgiİpucuMetni(*form), QStringLiteral("No game completed yet with this photo at 3 x 3 blocks.") + TümüSatırı);
        QCOMPARE(Tamamla(form, *ortam, 65, 42), HerİkisiYeni);

        // A new start reads the results back.
        form = AçılmışForm(true, true);
        QCOMPARE(BilgiİpucuMetni(*form),
                 QStringLiteral("Best time with this photo at 3 x 3 blocks: 1 minute 5 seconds\nFewest clicks: 42") + TümüSatırı);
        QCOMPARE(Tamamla(form, *ortam, saniye, hamle), satır);
        QCOMPARE(BilgiİpucuMetni(*form), QStringLiteral("Best time with this photo at 3 x 3 blocks: ") + enİyi + TümüSatırı);
        // Another division or another picture under the same name starts afresh.
        form->ParçalaraBölSeçeneği_Click(1);
        QCOMPARE(BilgiİpucuMetni(*form), QStringLiteral("No game completed yet with this photo at 4 x 4 blocks.") + TümüSatırı);
        FotoğrafYaz(FotoğrafYolu, QSize(320, 240));
        const QImage örnek = Bul<ResimKutusu>(*form, QStringLiteral("ÖrnekKutusu"))->Resim();
        form->FotoğrafBırakıldı(FotoğrafYolu);
        QTRY_VERIFY(Bul<ResimKutusu>(*form, QStringLiteral("ÖrnekKutusu"))->Resim() != örnek);
        form->ParçalaraBölSeçeneği_Click(0);
        QVERIFY(BilgiİpucuMetni(*form).startsWith(QStringLiteral("No game")));
    }

    // A PNG is taken as the photo dialog's OK would take it. A file whose first bytes are no
    // picture, two files or a folder are refused when the drag enters; a picture that does not
    // decode gets its message and changes nothing.
    void droppedFiles_data()
    {
        QTest::addColumn<QByteArray>("içerik");
        QTest::addColumn<bool>("girer");
        QTest::addColumn<bool>("resim");
        const QByteArray png = ResimBaytları(QSize(300, 200), "png");
        QTest::newRow("a PNG") << png << true << true;
        QTest::newRow("text named .png") << QByteArray("not a picture\n") << false << false;
        QTest::newRow("a PNG cut short") << png.first(60) << true << false;
    }

    void droppedFiles()
    {
        QFETCH(QByteArray, içerik);
        QFETCH(bool, girer);
        QFETCH(bool, resim);
        auto form = AçılmışForm(true, true);
        const QString öncekiYol = FotoğrafYolu;
        const QString yol = ortam->AyarKlasörü() + QStringLiteral("/dropped.png");
        QFile dosya(yol);
        QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write(içerik) == içerik.size() && dosya.flush());
        form->ParçalaraBölSeçeneği_Click(1);
        Tuş(*form, Qt::Key_Space);
        const QImage örnek = Bul<ResimKutusu>(*form, QStringLiteral("ÖrnekKutusu"))->Resim();
        const QList<int> dağıtım = Gösterilen(*form);
        QVERIFY(!Bırak(*form, {yol, yol}));
        QVERIFY(!Bırak(*form, {ortam->AyarKlasörü()}));
        QCOMPARE(Bırak(*form, {yol}), girer);
        // Decoded off the interface thread: what it brings comes later.
        QTRY_VERIFY(FotoğrafYolu == yol || !ortam->mesajlar.isEmpty() || !girer);
        QCOMPARE(FotoğrafYolu, resim ? yol : öncekiYol);
        QCOMPARE(Bul<ResimKutusu>(*form, QStringLiteral("ÖrnekKutusu"))->Resim() == örnek, !resim);
        QCOMPARE(ortam->mesajlar.size(), girer && !resim ? 1 : 0);
        // A game was running: a new photo is dealt at once, at the same division.
        if (resim)
            QCOMPARE(Gösterilen(*form).size(), 16);
        QCOMPARE(Gösterilen(*form) == dağıtım, !resim);
        if (girer && !resim)
            QCOMPARE(ortam->mesajlar[0].metin, QStringLiteral("\"dropped.png\" is not a picture the game can read."));
    }

    void accessibleNames()
    {
        std::unique_ptr<AnaForm> form = AçılmışForm(true, true);
        QCOMPARE(Ad(Parça(*form, 5)), QStringLiteral("Piece 6, row 2, column 3"));
        QCOMPARE(Ad(Pano(*form)), QStringLiteral("Board"));
        form.reset();
        KayıtlıOyunYaz({3, 1, 2, 0, 4, 5, 7, 6, 8}, 8);
        form = AçılmışForm(true, true);
        Tuş(*form, Qt::Key_Right);
        Tuş(*form, Qt::Key_Down);
        QCOMPARE(Ad(Parça(*form, 8)), QStringLiteral("Piece 7, row 3, column 3"));
        QCOMPARE(Ad(Parça(*form, 7)), QStringLiteral("Piece 5, row 3, column 2"));
        QCOMPARE(Ad(Parça(*form, 4)), QStringLiteral("Empty place, row 2, column 2"));
        QCOMPARE(Ad(Parça(*form, 0)), QStringLiteral("Piece 4, row 1, column 1"));
        // The slide is said by a text that takes the focus within the board, which keeps its name.
        const QAccessibleInterface *duyuran = QAccessible::queryAccessibleInterface(Pano(*form))->focusChild();
        QVERIFY(duyuran);
        QCOMPARE(duyuran->text(QAccessible::Name), QStringLiteral("Piece 5 moved to row 3, column 2"));
        QCOMPARE(Ad(Pano(*form)), QStringLiteral("Board"));

        // Completed, the photo lies whole and the corner shows its piece again.
        Tamamla(form, *ortam, 3, 3);
        QCOMPARE(Ad(Parça(*form, 8)), QStringLiteral("Piece 9, row 3, column 3"));
        QCOMPARE(Ad(Parça(*form, 7)), QStringLiteral("Piece 8, row 3, column 2"));
    }

    // Hint marks a tile whose slide brings the board one slide nearer home; overtaken by a
    // slide before its answer, it shows nothing.
    void hintMarksTheNextSlide()
    {
        KayıtlıOyunYaz({3, 1, 2, 0, 4, 5, 7, 6, 8}, 8);
        auto form = AçılmışForm(true, true);
        const auto kalan = [&] { return ÇözümHamleleri(*form, ortam->AyarKlasörü()).size(); };
        const qsizetype önce = kalan();
        Tuş(*form, Qt::Key_H);
        QTRY_VERIFY(İşaretli(*form) >= 0);
        form->DağınıkParçalar_Click(İşaretli(*form));
        QCOMPARE(Değer(*form, 3), QStringLiteral("1"));
        QCOMPARE(İşaretli(*form), -1);
        QCOMPARE(kalan(), önce - 1);

        // Followed, the hint's solution answers the next one at once; a slide back clears it.
        Tuş(*form, Qt::Key_H);
        QVERIFY(İşaretli(*form) >= 0);
        Tuş(*form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(İşaretli(*form), -1);
    }

    // Esc while the game thinks (a 5 x 5 deal takes the solver tens of milliseconds at least)
    // stops the thinking, not the game: no mark comes of that search, and the next H asks again.
    void escStopsTheThinking()
    {
        auto form = AçılmışForm(true, true);
        form->ParçalaraBölSeçeneği_Click(2);
        form->YeniOyunDüğmesi_Click();
        Tuş(*form, Qt::Key_H);
        Tuş(*form, Qt::Key_Escape);
        QVERIFY(form->isVisible());
        Tuş(*form, Qt::Key_H);
        QTRY_VERIFY_WITH_TIMEOUT(İşaretli(*form) >= 0, 30'000);
        QVERIFY(form->isVisible());
    }

    // Solve plays the rest to the end, which is not the player's own: no congratulation, no
    // best result, and the saved game goes as after any completion. Any key stops it.
    void solvePlaysToTheEnd()
    {
        const QList<QImage> bütün = Resimler(*AçılmışForm());
        // Three slides from home; a key after the first stops the solution there.
        KayıtlıOyunYaz({0, 1, 2, 3, 7, 4, 6, 7, 5}, 7);
        auto form = AçılmışForm(true, true);
        Tuş(*form, Qt::Key_S, Qt::ShiftModifier);
        QTRY_VERIFY(Değer(*form, 3) != QStringLiteral("0"));
        Tuş(*form, Qt::Key_Left);
        const QString durduğunda = Değer(*form, 3);
        QTest::qWait(600);
        QCOMPARE(Değer(*form, 3), durduğunda);
        QVERIFY(OyunVar(*form));

        Tuş(*form, Qt::Key_S, Qt::ShiftModifier);
        QTRY_VERIFY(!OyunVar(*form));
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin,
                 QStringLiteral("The photo is whole again. The computer solved this game, so it does not count as your own."));
        QVERIFY(!ortam->sesler.contains(QStringLiteral("TEBRIK")));
        QVERIFY(BilgiİpucuMetni(*form).startsWith(QStringLiteral("No game")));
        QVERIFY(Ayarlar().BölümüOku(QStringLiteral("Oyun")).isEmpty());
        QCOMPARE(Parça(*form, 8)->Resim(), bütün[8]);
    }
};

QTEST_MAIN(TestWaysToPlay)
#include "tst_oyunyollari.moc"
