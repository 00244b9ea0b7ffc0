#include "AyarDeposu.h"
#include "DosyaListeKutusu.h"
#include "FotografSecFormu.h"
#include "KlasorListeKutusu.h"
#include "KlasorOkuma.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "SurucuListeKutusu.h"
#include "Yollar.h"

#include <QBuffer>
#include <QFileSystemModel>
#include <QImageWriter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using Kapatış = std::function<void(FotoğrafSeçFormu &)>;
Q_DECLARE_METATYPE(Kapatış)

namespace {

QByteArray JpegBaytları(QSize boyut, bool aşamalı = false)
{
    QImage resim(boyut, QImage::Format_RGB32);
    for (int y = 0; y < boyut.height(); ++y)
        for (int x = 0; x < boyut.width(); ++x)
            resim.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QImageWriter yazıcı(&tampon, "jpeg");
    yazıcı.setProgressiveScanWrite(aşamalı);
    yazıcı.write(resim);
    return tampon.data();
}

// The same picture with a frame header that claims other dimensions.
QByteArray BoyutuDeğişmiş(QByteArray jpeg, quint16 genişlik, quint16 yükseklik)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); i += 2 + (uchar(jpeg[i + 2]) << 8 | uchar(jpeg[i + 3]))) {
        if (jpeg[i + 1] == '\xC0' || jpeg[i + 1] == '\xC2') {
            const char boyut[] = {char(yükseklik >> 8), char(yükseklik), char(genişlik >> 8), char(genişlik)};
            return jpeg.replace(i + 5, 4, boyut, 4);
        }
    }
    return {};
}

// A camera-like file cut short: its header holds a thumbnail with its own end marker.
QByteArray KüçükResimliEksikJpeg()
{
    const QByteArray küçükResim = QByteArray("Exif\0\0", 6) + JpegBaytları(QSize(8, 8));
    const quint16 uzunluk = quint16(küçükResim.size() + 2);
    const QByteArray ana = JpegBaytları(QSize(300, 200));
    return "\xFF\xD8\xFF\xE1" + QByteArray(1, char(uzunluk >> 8)) + QByteArray(1, char(uzunluk)) + küçükResim
           + ana.mid(2, ana.size() * 6 / 10);
}

void Yaz(const QString &yol, const QByteArray &içerik)
{
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly));
    QCOMPARE(dosya.write(içerik), içerik.size());
}

QStringList Listelenenler(const FotoğrafSeçFormu &form)
{
    const QAbstractItemModel *dosyalar = form.DosyaListesi->model();
    QStringList adlar;
    for (int sıra = 0; sıra < dosyalar->rowCount(form.DosyaListesi->rootIndex()); ++sıra)
        adlar << dosyalar->index(sıra, 0, form.DosyaListesi->rootIndex()).data().toString();
    return adlar;
}

void Seç(FotoğrafSeçFormu &form, const QString &ad)
{
    QTRY_VERIFY(Listelenenler(form).contains(ad));
    form.DosyaListesi->setCurrentIndex(form.DosyaListesi->Dosyalar()->index(KlasördekiDosya(form.DosyaListesi->Yol(), ad)));
}

void KlasörüHatırlat(const QString &klasör)
{
    Ayarlar().Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Son Klasor"), klasör);
}

QString HatırlananKlasör()
{
    AyarlarıKapat();
    return Ayarlar().Oku(QStringLiteral("Ayarlar"), QStringLiteral("Son Klasor"), QStringLiteral("(none)"));
}

// Root reads every folder whatever its permissions: this takes that power from the calling
// thread while it lives.
class OkumaYetkisiniBırak {
public:
    OkumaYetkisiniBırak()
    {
        if (geteuid() != 0 || syscall(SYS_capget, &başlık, önceki) != 0)
            return;
        __user_cap_data_struct yeni[2] = {önceki[0], önceki[1]};
        yeni[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        bırakıldı = syscall(SYS_capset, &başlık, yeni) == 0;
    }
    ~OkumaYetkisiniBırak()
    {
        if (bırakıldı)
            syscall(SYS_capset, &başlık, önceki);
    }

private:
    __user_cap_header_struct başlık{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct önceki[2]{};
    bool bırakıldı = false;
};

}  // namespace

class TstFotografSecFormu : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;
    std::optional<QTemporaryDir> klasör;
    QList<QSize> teslimler;

    std::unique_ptr<FotoğrafSeçFormu> Aç()
    {
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
        QVERIFY(QDir().mkpath(ProgramKlasörü));
    }

    void cleanup()
    {
        ortam.reset();
    }

    void acilisKlasoru_data()
    {
        QTest::addColumn<QString>("hatırlanan");
        QTest::addColumn<bool>("hatırlananıAçar");
        QTest::newRow("none remembered") << QString() << false;
        QTest::newRow("remembered") << QStringLiteral("anilar") << true;
        QTest::newRow("remembered, gone") << QStringLiteral("silinmis") << false;
    }

    void acilisKlasoru()
    {
        QFETCH(QString, hatırlanan);
        QFETCH(bool, hatırlananıAçar);
        if (!hatırlanan.isEmpty()) {
            hatırlanan = klasör->filePath(hatırlanan);
            KlasörüHatırlat(hatırlanan);
        }
        QDir().mkpath(klasör->filePath(QStringLiteral("anilar")));
        const QString beklenen = hatırlananıAçar ? hatırlanan : QDir::cleanPath(ProgramKlasörü);
        const auto form = Aç();
        QCOMPARE(form->KlasörListesi->Yol(), beklenen);
        QCOMPARE(form->DosyaListesi->Yol(), beklenen);
        QCOMPARE(form->SürücüListesi->Sürücü(), QStorageInfo(ProgramKlasörü).rootPath());
    }

    void dosyaSuzgeci()
    {
        for (const char *ad : {"b.JPG", "a.jpg", "c.jpeg", "d.Bmp", "e.png", "f.jpg.txt", "g.gif", ".gizli.jpg"})
            Yaz(klasör->filePath(QString::fromLatin1(ad)), {});
        QDir().mkpath(klasör->filePath(QStringLiteral("h.jpg")));
        KlasörüHatırlat(klasör->path());
        const auto form = Aç();
        QTRY_COMPARE(Listelenenler(*form), QStringList({"a.jpg", "b.JPG", "c.jpeg", "d.Bmp"}));
    }

    // The path built in a root folder is KlasördekiDosya's, tested with the other paths.
    void tamamFotografiVeYolunuVerir()
    {
        const QString yer = klasör->path();
        const QString ad = QStringLiteral("wide.jpg");
        const QString yol = klasör->filePath(ad);
        Yaz(yol, JpegBaytları(QSize(80, 40)));
        KlasörüHatırlat(yer);
        const auto form = Aç();
        Seç(*form, ad);
        // Twice as wide as high, squeezed to fill the whole preview.
        QCOMPARE(form->ÖnizlemeKutusu->Resim().size(), form->ÖnizlemeKutusu->İçBoyut());

        form->TamamDüğmesi->click();
        QCOMPARE(FotoğrafYolu, yol);
        QCOMPARE(teslimler, QList<QSize>{QSize(80, 40)});
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(!form->isVisible());
        QCOMPARE(HatırlananKlasör(), yer);
    }

    void fotografsizTamamUyarir_data()
    {
        QTest::addColumn<QByteArray>("seçilen");
        QTest::newRow("nothing selected") << QByteArray();
        QTest::newRow("only a corrupt file") << QByteArray("\xFF\xD8\xFF\xE0 no picture follows");
    }

    void fotografsizTamamUyarir()
    {
        QFETCH(QByteArray, seçilen);
        FotoğrafYolu = QStringLiteral("önceki.jpg");
        Yaz(klasör->filePath(QStringLiteral("bozuk.jpg")), seçilen);
        KlasörüHatırlat(klasör->path());
        const auto form = Aç();
        if (!seçilen.isEmpty())
            Seç(*form, QStringLiteral("bozuk.jpg"));
        form->TamamDüğmesi->click();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin, QStringLiteral("Please, select photo file from the list!"));
        QCOMPARE(ortam->mesajlar[0].simge, MesajSimgesi::Bilgi);
        QCOMPARE(ortam->mesajlar[0].başlık, QStringLiteral("Tilora"));
        QVERIFY(form->isVisible());
        QVERIFY(teslimler.isEmpty());
        QCOMPARE(FotoğrafYolu, QStringLiteral("önceki.jpg"));
    }

    // A file that is no readable picture, selected after a good one, changes nothing: OK hands
    // back the good photo with its own path.
    void okunamayanResimOncekiniKorur_data()
    {
        QTest::addColumn<QByteArray>("içerik");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a picture\n");
        QTest::newRow("corrupt") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF garbage");
        QTest::newRow("truncated") << JpegBaytları(QSize(300, 200)).first(3000);
        QTest::newRow("truncated, with a thumbnail") << KüçükResimliEksikJpeg();
        QTest::newRow("65535 x 65535") << BoyutuDeğişmiş(JpegBaytları(QSize(64, 48)), 65535, 65535);
        QTest::newRow("22000 x 22000 progressive") << BoyutuDeğişmiş(JpegBaytları(QSize(64, 48), true), 22000, 22000);
    }

    void okunamayanResimOncekiniKorur()
    {
        QFETCH(QByteArray, içerik);
        Yaz(klasör->filePath(QStringLiteral("a-iyi.jpg")), JpegBaytları(QSize(60, 30)));
        Yaz(klasör->filePath(QStringLiteral("b-kotu.jpg")), içerik);
        KlasörüHatırlat(klasör->path());
        const auto form = Aç();
        Seç(*form, QStringLiteral("a-iyi.jpg"));
        const QImage önizleme = form->ÖnizlemeKutusu->Resim();
        QVERIFY(!önizleme.isNull());
        Seç(*form, QStringLiteral("b-kotu.jpg"));
        QCOMPARE(form->ÖnizlemeKutusu->Resim(), önizleme);

        form->TamamDüğmesi->click();
        QCOMPARE(FotoğrafYolu, klasör->filePath(QStringLiteral("a-iyi.jpg")));
        QCOMPARE(teslimler, QList<QSize>{QSize(60, 30)});
    }

    void kapatmaAnaPencereyeDokunmaz_data()
    {
        QTest::addColumn<Kapatış>("kapat");
        QTest::newRow("Cancel") << Kapatış([](FotoğrafSeçFormu &f) { f.İptalDüğmesi->click(); });
        QTest::newRow("Esc") << Kapatış([](FotoğrafSeçFormu &f) { QTest::keyClick(f.DosyaListesi, Qt::Key_Escape); });
        QTest::newRow("close box") << Kapatış([](FotoğrafSeçFormu &f) { f.close(); });
    }

    void kapatmaAnaPencereyeDokunmaz()
    {
        QFETCH(Kapatış, kapat);
        FotoğrafYolu = QStringLiteral("önceki.jpg");
        const QString alt = klasör->filePath(QStringLiteral("alt"));
        QDir().mkpath(alt);
        Yaz(KlasördekiDosya(alt, QStringLiteral("iyi.jpg")), JpegBaytları(QSize(60, 30)));
        KlasörüHatırlat(klasör->path());
        const auto form = Aç();
        form->KlasörListesi->YolAta(alt);
        Seç(*form, QStringLiteral("iyi.jpg"));
        // Enter in a list presses no button.
        QTest::keyClick(form->DosyaListesi, Qt::Key_Return);
        QVERIFY(form->isVisible());

        kapat(*form);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(teslimler.isEmpty());
        QCOMPARE(FotoğrafYolu, QStringLiteral("önceki.jpg"));
        QCOMPARE(HatırlananKlasör(), alt);
    }

    // A volume gone since the list was made (its mount point removed with it).
    void okunamayanSurucuProgramSurucusuneDoner()
    {
        const auto form = Aç();
        const int programınki = form->SürücüListesi->currentIndex();
        form->SürücüListesi->addItem(QStringLiteral("gone"), klasör->filePath(QStringLiteral("takili-degil")));
        form->SürücüListesi->setCurrentIndex(form->SürücüListesi->count() - 1);
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin, QStringLiteral("Cannot read drive!"));
        QCOMPARE(form->SürücüListesi->currentIndex(), programınki);
        QCOMPARE(form->KlasörListesi->Yol(), form->SürücüListesi->Sürücü());
    }

    void okunamayanKlasordenGecerliKlasore()
    {
        const QString kilitli = klasör->filePath(QStringLiteral("kilitli"));
        QDir().mkpath(kilitli);
        QFile::setPermissions(kilitli, {});
        const auto aç = qScopeGuard([&] { QFile::setPermissions(kilitli, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        KlasörüHatırlat(kilitli);
        const OkumaYetkisiniBırak yetkisiz;
        if (KlasörOkunurMu(kilitli))
            QSKIP("this process reads folders whatever their permissions");
        const auto form = Aç();
        QCOMPARE(form->KlasörListesi->Yol(), QDir::currentPath());
        QCOMPARE(form->DosyaListesi->Yol(), QDir::currentPath());
        QVERIFY(ortam->mesajlar.isEmpty());
    }

    void erisimTuslari_data()
    {
        QTest::addColumn<Qt::Key>("tuş");
        QTest::addColumn<int>("liste");
        QTest::newRow("Alt+V") << Qt::Key_V << 0;
        QTest::newRow("Alt+D") << Qt::Key_D << 1;
        QTest::newRow("Alt+P") << Qt::Key_P << 2;
    }

    void erisimTuslari()
    {
        QFETCH(Qt::Key, tuş);
        QFETCH(int, liste);
        const auto form = Aç();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->TamamDüğmesi->setFocus();
        QTest::keyClick(form.get(), tuş, Qt::AltModifier);
        const QList<QWidget *> listeler{form->SürücüListesi, form->KlasörListesi, form->DosyaListesi};
        QCOMPARE(QApplication::focusWidget(), listeler[liste]);
    }
};

QTEST_MAIN(TstFotografSecFormu)
#include "tst_fotografsecformu.moc"
