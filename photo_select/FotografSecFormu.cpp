#include "FotografSecFormu.h"

#include "AyarDeposu.h"
#include "Dizgeler.h"
#include "DosyaListeKutusu.h"
#include "HataBildir.h"
#include "KlasorListeKutusu.h"
#include "KlasorOkuma.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "ResimKutusu.h"
#include "SurucuListeKutusu.h"
#include "TasarimYerlesimi.h"
#include "Yollar.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>

namespace {

const QString AyarBölümü = QStringLiteral("Ayarlar");
const QString SonKlasörAnahtarı = QStringLiteral("Son Klasor");

// Where the lists open when no folder is remembered: the user's pictures, else the home folder.
QString ResimlerKlasörü()
{
    const QString resimler = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return DosyaVarMı(resimler) ? resimler : QDir::homePath();
}

}  // namespace

FotoğrafSeçFormu::FotoğrafSeçFormu(QWidget *sahip, std::function<void(const Fotoğraf &)> fotoğrafıTeslimEt)
    : QDialog(sahip, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint),
      fotoğrafıTeslimEt(std::move(fotoğrafıTeslimEt))
{
    DenetimleriKur();
    Form_Load();
}

void FotoğrafSeçFormu::DenetimleriKur()
{
    // At its owner's scale.
    const TasarımÖlçeği ölçek{PencereÖlçeği(parentWidget()).çarpan, {}};
    ÖlçeğiAta(this, ölçek);
    setFixedSize(ölçek.Piksel(7875), ölçek.Piksel(3960));

    const auto etiket = [this](const char *kimlik, int sol, int üst) {
        auto *yeni = new QLabel(QString::fromLatin1(kimlik), this);
        Yerleştir(yeni, sol, üst, 0, 195);
        Etiket.append(yeni);
        return yeni;
    };
    etiket("1600", 300, 300);
    SürücüListesi = new SürücüListeKutusu(this);
    Yerleştir(SürücüListesi, 300, 600, 2205, 315);
    etiket("1700", 300, 1170);
    KlasörListesi = new KlasörListeKutusu(this);
    Yerleştir(KlasörListesi, 300, 1470, 2205, 2115);
    etiket("1800", 2760, 300);
    DosyaListesi = new DosyaListeKutusu(this);
    Yerleştir(DosyaListesi, 2760, 600, 2175, 3015);
    etiket("1900", 5190, 300);
    ÖnizlemeKutusu = new ResimKutusu(ResimKutusu::Kenar::Çökük, this);
    Yerleştir(ÖnizlemeKutusu, 5190, 600, 2370, 1778);
    // Each label's access key moves the focus to the list after it.
    Etiket[0]->setBuddy(SürücüListesi);
    Etiket[1]->setBuddy(KlasörListesi);
    Etiket[2]->setBuddy(DosyaListesi);

    // No default button: Enter in a list never closes the dialog. Esc closes it as Cancel does.
    TamamDüğmesi = new QPushButton(QStringLiteral("2000"), this);
    Yerleştir(TamamDüğmesi, 5190, 2700, 2370, 345);
    İptalDüğmesi = new QPushButton(QStringLiteral("2100"), this);
    Yerleştir(İptalDüğmesi, 5190, 3120, 2370, 345);
    for (QPushButton *düğme : {TamamDüğmesi, İptalDüğmesi})
        düğme->setAutoDefault(false);

    setTabOrder(SürücüListesi, KlasörListesi);
    setTabOrder(KlasörListesi, DosyaListesi);
    setTabOrder(DosyaListesi, TamamDüğmesi);
    setTabOrder(TamamDüğmesi, İptalDüğmesi);

    connect(SürücüListesi, &QComboBox::currentIndexChanged, this, [this] { SürücüListesi_Change(); });
    KlasörListesi->Değişti = [this] { KlasörListesi_Change(); };
    DosyaListesi->Tıklandı = [this] { DosyaListesi_Click(); };
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
}

void FotoğrafSeçFormu::Form_Load()
{
    Adım(HataTarzı::Sessiz, [this] { BaşlıklarıYükle(this); });
    Adım(HataTarzı::Sessiz, [this] {
        for (QLabel *etiket : std::as_const(Etiket))
            etiket->adjustSize();
    });
    Adım(HataTarzı::Sessiz, [this] { setWindowTitle(Dizge(1550)); });
    Adım(HataTarzı::Sessiz, [this] { SürücüListesi->SürücüAta(ProgramKlasörü); });
    // The drive list stays on the program's drive even when the folder shown lies elsewhere.
    Adım(HataTarzı::Sessiz, [this] {
        const QString sonKlasör = Ayarlar().Oku(AyarBölümü, SonKlasörAnahtarı);
        KlasörListesi->YolAta(DosyaVarMı(sonKlasör) ? sonKlasör : ResimlerKlasörü());
    });
}

void FotoğrafSeçFormu::SürücüListesi_Change()
{
    bool okundu = false;
    Adım(HataTarzı::Sessiz, [&] {
        const QString kök = SürücüListesi->Sürücü();
        if (!KlasörOkunurMu(kök))
            throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
        KlasörListesi->YolAta(kök);
        okundu = true;
    });
    if (okundu)
        return;
    Adım(HataTarzı::Sessiz, [] {
        MesajKutusunuOrtala();
        MesajGöster(Dizge(2200), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
    });
    // Back to the program's drive, which raises this handler again; when the program's drive
    // is the one that failed, the selection does not change and nothing more happens.
    Adım(HataTarzı::Sessiz, [this] { SürücüListesi->SürücüAta(ProgramKlasörü); });
}

void FotoğrafSeçFormu::KlasörListesi_Change()
{
    bool okundu = false;
    Adım(HataTarzı::Sessiz, [&] {
        DosyaListesi->YolAta(KlasörListesi->Yol());
        okundu = true;
    });
    // Silently to the process's current folder, which raises this handler again; when that is
    // the folder that failed, the path does not change and nothing more happens.
    if (!okundu)
        Adım(HataTarzı::Sessiz, [this] { KlasörListesi->YolAta(QDir::currentPath()); });
}

// The file is read off the interface thread, so no picture holds up the dialog; a newer
// selection abandons the load under way. One that is no readable picture leaves the holder as
// it was.
void FotoğrafSeçFormu::DosyaListesi_Click()
{
    Adım(HataTarzı::Sessiz, [this] {
        const QString ad = DosyaListesi->SeçiliDosyaAdı();
        if (ad.isEmpty())
            return;
        const QString yol = KlasördekiDosya(DosyaListesi->Yol(), ad);
        ÖnizlemeKutusu->setCursor(Qt::BusyCursor);
        yükleyici.Başlat(
            yol,
            [this, yol](const Fotoğraf &fotoğraf) {
                OrjinalFotoğrafKutusu = {fotoğraf, yol};
                OrjinalFotoğrafKutusu_Change();
                YüklemeBitti();
            },
            [this](const ÇalışmaHatası &) { YüklemeBitti(); }, EnKüçükÇalışmaBoyutu(this));
    });
}

void FotoğrafSeçFormu::YüklemeBitti()
{
    ÖnizlemeKutusu->unsetCursor();
    if (std::exchange(tamamBekliyor, false))
        TamamDüğmesi_Click();
}

void FotoğrafSeçFormu::OrjinalFotoğrafKutusu_Change()
{
    Adım(HataTarzı::Sessiz, [this] {
        const qreal oran = ÖnizlemeKutusu->devicePixelRatioF();
        QImage önizleme = OrjinalFotoğrafKutusu.fotoğraf.Tamamı(ÖnizlemeKutusu->İçBoyut() * oran);
        önizleme.setDevicePixelRatio(oran);
        ÖnizlemeKutusu->ResmiAta(önizleme);
    });
}

void FotoğrafSeçFormu::TamamDüğmesi_Click()
{
    // OK while the selected file still loads takes effect once it has: as if it had loaded at the click.
    if (yükleyici.Yüklüyor()) {
        tamamBekliyor = true;
        return;
    }
    if (OrjinalFotoğrafKutusu.fotoğraf.BoşMu()) {
        Adım(HataTarzı::Bildir, [] {
            MesajKutusunuOrtala();
            MesajGöster(Dizge(2300), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
        });
        return;
    }
    // The path of the file the preview was read from, whatever the lists show now.
    Adım(HataTarzı::Bildir, [this] { FotoğrafYolu = OrjinalFotoğrafKutusu.yol; });
    Adım(HataTarzı::Bildir, [this] { fotoğrafıTeslimEt(OrjinalFotoğrafKutusu.fotoğraf); });
    Adım(HataTarzı::Bildir, [this] { accept(); });
}

// Centred on the owner, frame on frame.
void FotoğrafSeçFormu::showEvent(QShowEvent *olay)
{
    QDialog::showEvent(olay);
    if (const QWidget *sahip = parentWidget(); sahip && !olay->spontaneous())
        ÇerçevesiniOrtala(this, sahip->window()->frameGeometry(), sahip->window());
}

void FotoğrafSeçFormu::İptalDüğmesi_Click()
{
    reject();
}

void FotoğrafSeçFormu::done(int sonuç)
{
    yükleyici.Bırak();
    tamamBekliyor = false;
    Form_QueryUnload();
    QDialog::done(sonuç);
}

void FotoğrafSeçFormu::Form_QueryUnload()
{
    Adım(HataTarzı::Sessiz, [this] { Ayarlar().Yaz(AyarBölümü, SonKlasörAnahtarı, KlasörListesi->Yol()); });
}
