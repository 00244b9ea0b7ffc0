// The ways to play beyond the click: the arrow keys, Space and Enter, undo and redo, the best
// results, a photo dropped on the window, and the tiles' names for screen readers.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "Cozucu.h"
#include "EnIyiSonuclar.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TahtaGorunumu.h"
#include "TestFormu.h"
#include "TestFotografi.h"

#include <QAccessible>
#include <QBuffer>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

QString Ad(QWidget *parça)
{
    return QAccessible::queryAccessibleInterface(parça)->text(QAccessible::Name);
}

void Tuş(AnaForm &form, Qt::Key tuş, Qt::KeyboardModifiers değiştirici = Qt::NoModifier)
{
    QTest::keyClick(form.tahtaGörünümü, tuş, değiştirici);
}

// Completes a game one slide from solved, after `saniye` seconds and `hamle` clicks.
QString Tamamla(AnaForm &form, SahteOrtam &ortam, int saniye, qint32 hamle)
{
    BirKaymaKala(form);
    form.oyunSaati = OyunSaati{quint8(saniye % 60), quint8(saniye / 60), 0};
    form.HamleSayısı = hamle - 1;
    Tuş(form, Qt::Key_Left);
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

ResimKutusu *İşaretli(const AnaForm &form)
{
    for (ResimKutusu *parça : form.DağınıkParçalar)
        if (parça->İşaretliMi())
            return parça;
    return nullptr;
}

const QString HerİkisiYeni = QStringLiteral("New best time and fewest clicks for this photo at 3 x 3 blocks!");

}  // namespace

class TestWaysToPlay : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }
    void cleanup() { ortam.reset(); }

    void arrowKeys_data()
    {
        QTest::addColumn<int>("boş");
        QTest::addColumn<Qt::Key>("tuş");
        QTest::addColumn<int>("kayan");  // -1: refused
        const QList<std::tuple<const char *, int, Qt::Key, int>> satırlar{
            {"top-left corner, Left", 0, Qt::Key_Left, 1},     {"top-left corner, Up", 0, Qt::Key_Up, 3},
            {"top-left corner, Right", 0, Qt::Key_Right, -1},  {"top-left corner, Down", 0, Qt::Key_Down, -1},
            {"top edge, Right", 1, Qt::Key_Right, 0},          {"top edge, Left", 1, Qt::Key_Left, 2},
            {"top edge, Up", 1, Qt::Key_Up, 4},                {"top edge, Down", 1, Qt::Key_Down, -1},
            {"right edge, Down", 5, Qt::Key_Down, 2},          {"right edge, Left", 5, Qt::Key_Left, -1},
            {"middle, Left", 4, Qt::Key_Left, 5},              {"middle, Right", 4, Qt::Key_Right, 3},
            {"middle, Up", 4, Qt::Key_Up, 7},                  {"middle, Down", 4, Qt::Key_Down, 1},
            {"bottom-right corner, Up", 8, Qt::Key_Up, -1},    {"bottom-right corner, Right", 8, Qt::Key_Right, 7},
            {"bottom edge, Down", 7, Qt::Key_Down, 4},         {"bottom edge, Up", 7, Qt::Key_Up, -1},
            {"left edge, Right", 3, Qt::Key_Right, -1},        {"left edge, Left", 3, Qt::Key_Left, 4}};
        for (const auto &[ad, boş, tuş, kayan] : satırlar)
            QTest::newRow(ad) << boş << tuş << kayan;
    }

    void arrowKeys()
    {
        QFETCH(int, boş);
        QFETCH(Qt::Key, tuş);
        QFETCH(int, kayan);
        auto form = AçılmışForm(true, true);
        QList<int> etiketler{3, 1, 2, 0, 5, 4, 7, 6, 8};
        OyunuYerleştir(*form, etiketler, boş);
        const QImage resim = form->DağınıkParçalar[qMax(kayan, 0)]->Resim();
        Tuş(*form, tuş);
        if (kayan < 0) {
            QCOMPARE(form->tahta.BoşParçaNo(), boş);
            QCOMPARE(form->Etiket[3]->text(), QStringLiteral("0"));
            QCOMPARE(ortam->sesler, QStringList{"DUR"});
            return;
        }
        QCOMPARE(form->tahta.BoşParçaNo(), kayan);
        QCOMPARE(form->DağınıkParçalar[boş]->Resim(), resim);
        QVERIFY(form->DağınıkParçalar[kayan]->Resim().isNull());
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("1"));
        QCOMPARE(ortam->sesler, QStringList{"TAMAM"});
    }

    void keyboardReachesTheBoard()
    {
        auto form = AçılmışForm(true, true);
        // The board is the window's first stop, and a click on a tile gives it the focus back.
        QCOMPARE(QApplication::focusWidget(), form->tahtaGörünümü);
        QTest::keyClick(form->tahtaGörünümü, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->ParçalaraBölSeçeneği[0]);
        form->YeniOyunDüğmesi->setFocus();
        QTest::mouseClick(form->DağınıkParçalar[4], Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form->tahtaGörünümü);
        QVERIFY(form->OyunSürüyor());

        // No game: the arrows do nothing, Space deals. During a game Space and Enter do nothing.
        form->ParçalaraBölSeçeneği_Click(0);
        form->SüreHesapla.stop();
        Tuş(*form, Qt::Key_Right);
        QVERIFY(!form->OyunSürüyor());
        Tuş(*form, Qt::Key_Space);
        QVERIFY(form->OyunSürüyor());
        const QList<int> dağıtım = Etiketler(form->tahta);
        Tuş(*form, Qt::Key_Return);
        Tuş(*form, Qt::Key_Space);
        QCOMPARE(Etiketler(form->tahta), dağıtım);
        QVERIFY(ortam->sesler.isEmpty());
    }

    void undoAndRedo()
    {
        auto form = AçılmışForm(true, true);
        Tuş(*form, Qt::Key_Space);
        const QList<int> dağıtım = Etiketler(form->tahta);
        const QList<QAction *> komutlar = form->tahtaGörünümü->BağlamMenüsü()->actions();
        QStringList başlıklar;
        for (const QAction *komut : komutlar)
            başlıklar.append(komut->text());
        QCOMPARE(başlıklar, (QStringList{"&Undo", "&Redo", "&Hint", "&Solve"}));
        QVERIFY(!komutlar[0]->isEnabled());
        for (const Qt::Key tuş : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up})
            Tuş(*form, tuş);
        const QList<int> sonra = Etiketler(form->tahta);
        const int sonBoş = form->tahta.BoşParçaNo();
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("4"));

        for (int kalan = 3; kalan >= 0; --kalan) {
            Tuş(*form, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(form->Etiket[3]->text(), QString::number(kalan));
        }
        QCOMPARE(form->tahta.BoşParçaNo(), 8);
        for (int konum = 0; konum < 8; ++konum)
            QCOMPARE(form->DağınıkParçalar[konum]->Resim(), form->SıralıParçalar[dağıtım[konum]]);
        QVERIFY(!komutlar[0]->isEnabled());
        QVERIFY(komutlar[1]->isEnabled());
        Tuş(*form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("0"));

        for (int yapılan = 1; yapılan <= 4; ++yapılan) {
            Tuş(*form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(form->Etiket[3]->text(), QString::number(yapılan));
        }
        QCOMPARE(Etiketler(form->tahta), sonra);
        QCOMPARE(form->tahta.BoşParçaNo(), sonBoş);
        QVERIFY(!komutlar[1]->isEnabled());
        QCOMPARE(ortam->sesler, QStringList(12, QStringLiteral("TAMAM")));
        QVERIFY(form->OyunSürüyor());
    }

    void historyClears_data()
    {
        QTest::addColumn<int>("olay");
        QTest::newRow("new deal") << 0;
        QTest::newRow("division") << 1;
        QTest::newRow("completion") << 2;
    }

    void historyClears()
    {
        QFETCH(int, olay);
        auto form = AçılmışForm(true, true);
        // One slide from solved, with two slides to take back.
        BirKaymaKala(*form);
        Tuş(*form, Qt::Key_Down);
        Tuş(*form, Qt::Key_Up);
        Tuş(*form, Qt::Key_Z, Qt::ControlModifier);
        Tuş(*form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        if (olay == 0)
            form->YeniOyunDüğmesi_Click();
        else if (olay == 1)
            form->ParçalaraBölSeçeneği_Click(1);
        else
            Tuş(*form, Qt::Key_Left);
        const QList<int> şimdi = Etiketler(form->tahta);
        const QString sayı = form->Etiket[3]->text();
        for (const Qt::KeyboardModifiers değiştirici : {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier})
            Tuş(*form, Qt::Key_Z, değiştirici);
        QCOMPARE(Etiketler(form->tahta), şimdi);
        QCOMPARE(form->Etiket[3]->text(), sayı);
        for (QAction *komut : form->tahtaGörünümü->BağlamMenüsü()->actions().first(2))
            QVERIFY(!komut->isEnabled());
        QCOMPARE(ortam->mesajlar.size(), olay == 2 ? 1 : 0);
    }

    void bestResults_data()
    {
        QTest::addColumn<int>("saniye");
        QTest::addColumn<int>("hamle");
        QTest::addColumn<QString>("satır");
        QTest::addColumn<QString>("enİyi");
        const QString önceki = QStringLiteral("1 minute, 5 second\nFewest clicks: 42");
        QTest::newRow("slower, more clicks") << 70 << 50 << QString() << önceki;
        QTest::newRow("as good") << 65 << 42 << QString() << önceki;
        QTest::newRow("faster") << 64 << 50 << QStringLiteral("New best time for this photo at 3 x 3 blocks!")
                                << QStringLiteral("1 minute, 4 second\nFewest clicks: 42");
        QTest::newRow("fewer clicks") << 80 << 41 << QStringLiteral("Fewest clicks yet for this photo at 3 x 3 blocks!")
                                      << QStringLiteral("1 minute, 5 second\nFewest clicks: 41");
        QTest::newRow("both") << 30 << 20 << HerİkisiYeni << QStringLiteral("30 second\nFewest clicks: 20");
    }

    void bestResults()
    {
        QFETCH(int, saniye);
        QFETCH(int, hamle);
        QFETCH(QString, satır);
        QFETCH(QString, enİyi);
        auto form = AçılmışForm(true, true);
        QCOMPARE(form->Çerçeve[3]->toolTip(), QStringLiteral("No game completed yet with this photo at 3 x 3 blocks."));
        QCOMPARE(Tamamla(*form, *ortam, 65, 42), HerİkisiYeni);
        QCOMPARE(ortam->mesajlar[0].metin.split('\n').constFirst(),
                 QStringLiteral("Congratulations! You have completed the photo!"));

        // A new start reads the results back.
        form = AçılmışForm(true, true);
        QCOMPARE(form->Çerçeve[3]->toolTip(),
                 QStringLiteral("Best time with this photo at 3 x 3 blocks: 1 minute, 5 second\nFewest clicks: 42"));
        QCOMPARE(Tamamla(*form, *ortam, saniye, hamle), satır);
        QCOMPARE(form->Çerçeve[3]->toolTip(), QStringLiteral("Best time with this photo at 3 x 3 blocks: ") + enİyi);
        // Another division or another picture under the same name starts afresh.
        form->ParçalaraBölSeçeneği_Click(1);
        QCOMPARE(form->Çerçeve[3]->toolTip(), QStringLiteral("No game completed yet with this photo at 4 x 4 blocks."));
        FotoğrafYaz(FotoğrafYolu, QSize(320, 240));
        form->FotoğrafBırakıldı(FotoğrafYolu);
        form->ParçalaraBölSeçeneği_Click(0);
        QVERIFY(form->Çerçeve[3]->toolTip().startsWith(QStringLiteral("No game")));
    }

    void damagedResultsFile()
    {
        const QString yol = EnİyiSonuçlarDosyası();
        FotoğrafYaz(ProgramKlasörü + QStringLiteral("Sample-2.jpg"), QSize(640, 480));
        for (const QByteArray &bozuk : {QByteArray("{\"results\": [{\"division\": 3"),
                                        QByteArray("{\"results\": [{\"division\": 7}]}")}) {
            QFile::remove(yol);
            QDir().mkpath(QFileInfo(yol).path());
            QFile dosya(yol);
            QVERIFY(dosya.open(QIODevice::WriteOnly));
            dosya.write(bozuk);
            dosya.close();
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("best results file was damaged"));
            auto form = AçılmışForm(true, true);
            QVERIFY(form->Çerçeve[3]->toolTip().startsWith(QStringLiteral("No game")));
            QCOMPARE(Tamamla(*form, *ortam, 10, 5), HerİkisiYeni);
            QCOMPARE(EnİyiSonuçlar(yol).Bul({3, FotoğrafYolu, QSize(640, 480)}).value().hamle, 5);
            // The damaged file is still there beside the new one.
            const QString kopya = form->enİyiSonuçlar.BozukDosyaKopyası();
            QFile kenarda(kopya);
            QVERIFY(kenarda.open(QIODevice::ReadOnly));
            QCOMPARE(kenarda.readAll(), bozuk);
            QFile::remove(kopya);
        }
    }

    // A PNG is taken as the photo dialog's OK would take it; a file that is no picture gets the
    // dialog's message and changes nothing; two files or a folder are not taken at all.
    void droppedFiles_data()
    {
        QTest::addColumn<QByteArray>("içerik");
        QByteArray png;
        QBuffer tampon(&png);
        tampon.open(QIODevice::WriteOnly);
        RenkliResim(QSize(300, 200)).save(&tampon, "PNG");
        QTest::newRow("a PNG") << png;
        QTest::newRow("text named .png") << QByteArray("not a picture\n");
    }

    void droppedFiles()
    {
        QFETCH(QByteArray, içerik);
        auto form = AçılmışForm(true, true);
        const QString öncekiYol = FotoğrafYolu;
        const QString yol = ortam->AyarKlasörü() + QStringLiteral("/dropped.png");
        QFile dosya(yol);
        QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write(içerik) == içerik.size() && dosya.flush());
        form->ParçalaraBölSeçeneği_Click(1);
        Tuş(*form, Qt::Key_Space);
        QVERIFY(!Bırak(*form, {yol, yol}));
        QVERIFY(!Bırak(*form, {ortam->AyarKlasörü()}));
        QVERIFY(Bırak(*form, {yol}));
        const bool resim = içerik.startsWith("\x89PNG");
        QCOMPARE(FotoğrafYolu, resim ? yol : öncekiYol);
        QCOMPARE(form->OrjinalFotoğrafKutusu.Boyut(), resim ? QSize(300, 200) : QSize(640, 480));
        QCOMPARE(ortam->mesajlar.size(), resim ? 0 : 1);
        if (resim) {
            // A game was running: the new photo is dealt at once.
            QCOMPARE(form->SıralıParçalar.size(), 16);
            QVERIFY(form->OyunSürüyor());
            QCOMPARE(form->tahta.BoşParçaNo(), 15);
        } else {
            QCOMPARE(ortam->mesajlar[0].metin, QStringLiteral("Please, select photo file from the list!"));
            QCOMPARE(ortam->mesajlar[0].simge, MesajSimgesi::Bilgi);
            QVERIFY(ortam->mesajlar[0].ortalanacağıPencere.has_value());
        }
    }

    void accessibleNames()
    {
        auto form = AçılmışForm(true, true);
        QCOMPARE(Ad(form->DağınıkParçalar[5]), QStringLiteral("Piece 6, row 2, column 3"));
        QCOMPARE(Ad(form->tahtaGörünümü), QStringLiteral("Board"));
        OyunuYerleştir(*form, {3, 1, 2, 0, 5, 4, 7, 6, 8}, 8);
        Tuş(*form, Qt::Key_Right);
        Tuş(*form, Qt::Key_Down);
        QCOMPARE(Ad(form->DağınıkParçalar[8]), QStringLiteral("Piece 7, row 3, column 3"));
        QCOMPARE(Ad(form->DağınıkParçalar[7]), QStringLiteral("Piece 6, row 3, column 2"));
        QCOMPARE(Ad(form->DağınıkParçalar[4]), QStringLiteral("Empty place, row 2, column 2"));
        QCOMPARE(Ad(form->DağınıkParçalar[0]), QStringLiteral("Piece 4, row 1, column 1"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form->tahtaGörünümü)->text(QAccessible::Description),
                 QStringLiteral("Piece 6 moved to row 3, column 2"));
        Tuş(*form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Ad(form->DağınıkParçalar[4]), QStringLiteral("Piece 6, row 2, column 2"));
        QCOMPARE(Ad(form->DağınıkParçalar[7]), QStringLiteral("Empty place, row 3, column 2"));

        // Completed, the photo lies whole and the corner shows its piece again.
        Tamamla(*form, *ortam, 3, 3);
        QCOMPARE(Ad(form->DağınıkParçalar[8]), QStringLiteral("Piece 9, row 3, column 3"));
        QCOMPARE(Ad(form->DağınıkParçalar[7]), QStringLiteral("Piece 8, row 3, column 2"));
    }


    // Hint marks a tile whose slide brings the board one slide nearer home; overtaken by a
    // slide before its answer, it shows nothing.
    void hintMarksTheNextSlide()
    {
        auto form = AçılmışForm(true, true);
        OyunuYerleştir(*form, {3, 1, 2, 0, 4, 5, 7, 6, 8}, 8);
        const Çözücü çözücü(ortam->AyarKlasörü());
        const std::atomic<bool> sürsün{false};
        const auto kalan = [&] { return çözücü.Çöz(Etiketler(form->tahta), form->tahta.BoşParçaNo(), sürsün).hamleler.size(); };
        const qsizetype önce = kalan();
        Tuş(*form, Qt::Key_H);
        QTRY_VERIFY(İşaretli(*form));
        const int konum = int(form->DağınıkParçalar.indexOf(İşaretli(*form)));
        QVERIFY(form->tahta.KomşuMu(konum));
        form->DağınıkParçalar_Click(konum);
        QVERIFY(!İşaretli(*form));
        QCOMPARE(kalan(), önce - 1);

        Tuş(*form, Qt::Key_H);
        Tuş(*form, Qt::Key_Z, Qt::ControlModifier);
        QTest::qWait(300);
        QVERIFY(!İşaretli(*form));
    }

    // Solve plays the rest to the end, which is not the player's own: no congratulation, no
    // best result, and the saved game goes as after any completion. Any key stops it.
    void solvePlaysToTheEnd()
    {
        auto form = AçılmışForm(true, true);
        Ayarlar().Yaz(QStringLiteral("Oyun"), QStringLiteral("Foto-0"), QStringLiteral("1"));
        form->KayıtlıOyun = Ayarlar().BölümüOku(QStringLiteral("Oyun"));
        // Three slides from home; a key after the first stops the solution there.
        OyunuYerleştir(*form, {0, 1, 2, 3, 7, 4, 6, 7, 5}, 7);
        Tuş(*form, Qt::Key_S, Qt::ShiftModifier);
        QTRY_VERIFY(form->HamleSayısı > 0);
        Tuş(*form, Qt::Key_Left);
        const qint32 durduğunda = form->HamleSayısı;
        QVERIFY(!form->ÇözümOynanıyor());
        QTest::qWait(600);
        QCOMPARE(form->HamleSayısı, durduğunda);
        QVERIFY(form->OyunSürüyor());

        Tuş(*form, Qt::Key_S, Qt::ShiftModifier);
        QTRY_VERIFY(!form->OyunSürüyor());
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin,
                 QStringLiteral("The photo is whole again. The computer solved this game, so it does not count as your own."));
        QVERIFY(!ortam->sesler.contains(QStringLiteral("TEBRIK")));
        QVERIFY(form->Çerçeve[3]->toolTip().startsWith(QStringLiteral("No game")));
        QVERIFY(Ayarlar().BölümüOku(QStringLiteral("Oyun")).isEmpty());
        QCOMPARE(form->DağınıkParçalar[8]->Resim(), form->SıralıParçalar[8]);
    }
};

QTEST_MAIN(TestWaysToPlay)
#include "tst_oyunyollari.moc"
