#include "AyarDeposu.h"
#include "DosyaListeKutusu.h"
#include "FotografSecFormu.h"
#include "KlasorListeKutusu.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "SurucuListeKutusu.h"
#include "TestFotografi.h"

#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Kapatış = std::function<void(FotoğrafSeçFormu &)>;
Q_DECLARE_METATYPE(Kapatış)

namespace {

QStringList Listelenenler(const FotoğrafSeçFormu &form)
{
    const QModelIndex kök = form.DosyaListesi->rootIndex();
    QStringList adlar;
    for (int sıra = 0; sıra < kök.model()->rowCount(kök); ++sıra)
        adlar << kök.model()->index(sıra, 0, kök).data().toString();
    return adlar;
}

}  // namespace

class TstFotografSecFormu : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;
    std::optional<QTemporaryDir> klasör;
    QList<QSize> teslimler;

    QString Yer(const QString &ad) const { return QDir(klasör->path()).filePath(ad); }

    std::unique_ptr<FotoğrafSeçFormu> Aç(const QString &hatırlanan = {})
    {
        Ayarlar().Yaz(u"Ayarlar"_s, u"Son Klasor"_s, hatırlanan);
        auto form = std::make_unique<FotoğrafSeçFormu>(nullptr, [this](const Fotoğraf &f) { teslimler << f.Boyut(); });
        form->show();
        return form;
    }

private slots:
    void init()
    {
        ortam.emplace();
        klasör.emplace();
        teslimler.clear();
        FotoğrafYolu = u"önceki.jpg"_s;
        QVERIFY(QDir().mkpath(ProgramKlasörü));
    }

    void acilisKlasoru_data()
    {
        QTest::addColumn<QString>("hatırlanan");
        QTest::addColumn<QString>("açılan");
        QTest::newRow("remembered, gone") << u"silinmis"_s << u"<pictures>"_s;
        QTest::newRow("remembered, unreadable") << u"kilitli"_s << u"<current>"_s;
    }

    // A remembered folder gone or unreadable is left silently; the drive list stays on the program's drive.
    void acilisKlasoru()
    {
        QFETCH(QString, hatırlanan);
        QFETCH(QString, açılan);
        // A pictures folder made here goes again; one that was there stays.
        const QString resimler = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        const bool resimlerVardı = QFileInfo::exists(resimler);
        QVERIFY(QDir().mkpath(resimler));
        const auto resimleriSil = qScopeGuard([&] {
            if (!resimlerVardı)
                QDir().rmdir(resimler);
        });
        QVERIFY(QDir().mkpath(Yer(u"kilitli"_s)) && QFile::setPermissions(Yer(u"kilitli"_s), {}));
        // Root reads every folder whatever its permissions: give that up until the test ends.
        __user_cap_header_struct başlık{_LINUX_CAPABILITY_VERSION_3, 0};
        std::array<__user_cap_data_struct, 2> yetkiler{};
        QVERIFY(syscall(SYS_capget, &başlık, yetkiler.data()) == 0);
        const auto geriVer = qScopeGuard([=] { syscall(SYS_capset, &başlık, yetkiler.data()); });
        auto kısıtlı = yetkiler;
        kısıtlı[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &başlık, kısıtlı.data());
        const auto form = Aç(Yer(hatırlanan));
        QCOMPARE(form->DosyaListesi->Yol(), açılan == u"<pictures>"_s ? resimler : QDir::currentPath());
        QCOMPARE(form->SürücüListesi->Sürücü(), QStorageInfo(ProgramKlasörü).rootPath());
        QVERIFY(ortam->mesajlar.isEmpty());
    }

    // Photo files only are listed; one that is no readable picture keeps OK from closing, and the good photo.
    void dosyaListesiVeTamam()
    {
        for (const char *ad : {"c.JPG", "d.jpeg", "e.Bmp", "f.png", "g.jpg.txt", "h.gif", ".gizli.jpg"})
            QVERIFY(QFile(Yer(QString::fromLatin1(ad))).open(QIODevice::WriteOnly));
        QVERIFY(QDir().mkpath(Yer(u"klasor.jpg"_s)));
        const QString iyi = FotoğrafYaz(Yer(u"z-iyi.jpg"_s), QSize(60, 30));
        QFile kötü(Yer(u"a-kotu.jpg"_s));
        QVERIFY(kötü.open(QIODevice::WriteOnly) && kötü.write(ResimBaytları(QSize(300, 200)).chopped(1000)) > 0);
        kötü.close();
        const auto form = Aç(klasör->path());
        QTRY_COMPARE(Listelenenler(*form), QStringList({"a-kotu.jpg", "c.JPG", "d.jpeg", "e.Bmp", "z-iyi.jpg"}));
        QTest::keyClick(form->DosyaListesi, Qt::Key_Home);
        form->TamamDüğmesi->click();
        QTRY_COMPARE(ortam->mesajlar.value(0).metin, u"Please, select photo file from the list!"_s);
        QVERIFY(form->isVisible());
        QTest::keyClick(form->DosyaListesi, Qt::Key_End);
        QTRY_COMPARE(form->OrjinalFotoğrafKutusu.yol, iyi);
        QTest::keyClick(form->DosyaListesi, Qt::Key_Home);
        form->TamamDüğmesi->click();
        QTRY_VERIFY(!form->isVisible());
        QCOMPARE(FotoğrafYolu, iyi);
        QCOMPARE(teslimler, QList<QSize>{QSize(60, 30)});

        // OK while the photo still loads takes it once loaded; the second key abandons the first row's load.
        const auto yeniden = Aç(klasör->path());
        QTRY_COMPARE(Listelenenler(*yeniden).size(), 5);
        QTest::keyClick(yeniden->DosyaListesi, Qt::Key_End);
        QTest::keyClick(yeniden->DosyaListesi, Qt::Key_End);
        yeniden->TamamDüğmesi->click();
        QTRY_VERIFY(!yeniden->isVisible());
        QCOMPARE(teslimler.size(), 2);
        QCOMPARE(ortam->mesajlar.size(), 1);
    }

    void kapatmaAnaPencereyeDokunmaz_data()
    {
        QTest::addColumn<Kapatış>("kapat");
        QTest::newRow("Cancel") << Kapatış([](FotoğrafSeçFormu &f) { f.İptalDüğmesi->click(); });
        QTest::newRow("Esc") << Kapatış([](FotoğrafSeçFormu &f) { QTest::keyClick(f.DosyaListesi, Qt::Key_Escape); });
        QTest::newRow("close box") << Kapatış([](FotoğrafSeçFormu &f) { f.close(); });
    }

    // A drive gone since the list was made falls back to the program's. Focus entering the file list
    // selects nothing; Enter there presses no button. Closing keeps the photo, remembers the folder.
    void kapatmaAnaPencereyeDokunmaz()
    {
        QFETCH(Kapatış, kapat);
        FotoğrafYaz(Yer(u"alt/iyi.jpg"_s), QSize(60, 30));
        const auto form = Aç(klasör->path());
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->SürücüListesi->addItem(u"gone"_s, Yer(u"takili-degil"_s));
        form->TamamDüğmesi->setFocus();
        QTest::keyClick(form.get(), Qt::Key_V, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QCOMPARE(ortam->mesajlar.value(0).metin, u"Cannot read drive!"_s);
        QCOMPARE(form->SürücüListesi->Sürücü(), QStorageInfo(ProgramKlasörü).rootPath());

        form->KlasörListesi->YolAta(Yer(u"alt"_s));
        QTRY_COMPARE(Listelenenler(*form), QStringList{u"iyi.jpg"_s});
        form->DosyaListesi->setFocus(Qt::TabFocusReason);
        QVERIFY(form->DosyaListesi->currentIndex().isValid());
        form->TamamDüğmesi->click();
        QCOMPARE(ortam->mesajlar.value(1).metin, u"Please, select photo file from the list!"_s);
        QTest::keyClick(form->DosyaListesi, Qt::Key_Space);
        QTRY_VERIFY(!form->ÖnizlemeKutusu->Resim().isNull());
        QTest::keyClick(form->DosyaListesi, Qt::Key_Return);
        QVERIFY(form->isVisible());

        kapat(*form);
        QVERIFY(!form->isVisible());
        QVERIFY(teslimler.isEmpty());
        QCOMPARE(FotoğrafYolu, u"önceki.jpg"_s);
        QCOMPARE(Ayarlar().Oku(u"Ayarlar"_s, u"Son Klasor"_s), Yer(u"alt"_s));
    }
};

QTEST_MAIN(TstFotografSecFormu)
#include "tst_fotografsecformu.moc"
