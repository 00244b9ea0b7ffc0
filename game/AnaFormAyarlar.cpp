// The main window's settings: what its load restores and its close saves.
#include "AnaForm.h"

#include "AnaFormAyarlari.h"
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "FotografOnbellegi.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "ResimKutusu.h"

#include <QCheckBox>
#include <QRadioButton>

#include <cstdio>

// Load steps 7 to 12: check boxes, photo, saved game, division, saved positions, window place;
// the window's size comes first, so that the photo is decoded for the board it is shown on.
// Each stored value is reported, when it makes no sense, by the step that uses it.
void AnaForm::AyarlarıGeriYükle()
{
    const PencereDurumu pencere = PencereBoyutunuGeriYükle();
    const AnaFormAyarları ayarlar = AnaFormAyarları::Oku(
        Ayarlar(), VarsayılanFotoğrafYolu(ProgramKlasörü, QString::fromUtf8(Kimlik::ÜrünAdı)));
    for (const auto &[onay, değer] : {std::pair{FotoğrafınÖrneğiniGöster, &ayarlar.örnekGöster},
                                      {SesleriKapatOnayı, &ayarlar.sesleriKapat},
                                      {OyunuKaydetOnayı, &ayarlar.oyunuKaydet}})
        Adım(HataTarzı::Bildir, [&] { onay->setCheckState(değer->Değer()); });

    Adım(HataTarzı::Bildir, [&] { FotoğrafYolu = ayarlar.sonFotoğraf; });
    Adım(HataTarzı::Bildir, [this] {
        if (!DosyaVarMı(FotoğrafYolu))
            return;
        // The working image kept from the last run spares decoding a camera's whole file again.
        const QSize enKüçük = EnKüçükÇalışmaBoyutu(this);
        if (const std::optional<Fotoğraf> kayıtlı = ÖnbellektekiFotoğraf(FotoğrafYolu, enKüçük)) {
            FotoğrafıAl(*kayıtlı);
            return;
        }
        const Fotoğraf fotoğraf = FotoğrafıYükle(FotoğrafYolu, enKüçük);
        FotoğrafıAl(fotoğraf);
        FotoğrafıÖnbelleğeYaz(FotoğrafYolu, fotoğraf, enKüçük);
    });

    Adım(HataTarzı::Bildir, [this] { OyunYükleniyor = oturum.KayıtlıOyunuBul(Ayarlar()); });

    Adım(HataTarzı::Bildir, [&] { SonBölme = ayarlar.sonBölme.Değer(); });
    ParçalaraBölSeçeneği[SonBölme]->setChecked(true);
    ParçalaraBölSeçeneği_Click(SonBölme);

    if (OyunYükleniyor)
        KayıtlıOyunuGeriYükle();
    OyunYükleniyor = false;

    PencereyiYerleştir(ayarlar, pencere);
}

// A saved game that makes no sense is not laid on the board: the player hears why, the start
// goes on as one without a saved game, and the stored game stays as it was until the next save.
void AnaForm::KayıtlıOyunuGeriYükle()
{
    try {
        oturum.KayıtlıOyunuGeriYükle(Ayarlar());
    } catch (const ÇalışmaHatası &hata) {
        HataBildir(hata);
        FotoğrafıBütünGöster();
        return;
    }
    TahtayıÇiz();
    SüreHesapla.start(1000);
    SayaçlarıYaz();
}

void AnaForm::OyunuKaydetOnayı_Click()
{
    if (OyunuKaydetOnayı->checkState() != Qt::Checked)
        oturum.KayıtlıOyunuSil(Ayarlar());
}

void AnaForm::KapatmadanKaydet()
{
    AyarlarıKaydet(KapanmaNedeni::OturumSonu);
}

// One write for the whole save: a kill at any moment leaves the last save's file or this one.
void AnaForm::AyarlarıKaydet(KapanmaNedeni neden)
{
    PencereDurumunuKaydet();
    AnaFormAyarları ayarlar;
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        ayarlar.yer = PencereYeri{frameGeometry().x(), frameGeometry().y()};
    ayarlar.sonBölme = SonBölme;
    ayarlar.sonFotoğraf = FotoğrafYolu;
    ayarlar.örnekGöster = FotoğrafınÖrneğiniGöster->checkState();
    ayarlar.oyunuKaydet = OyunuKaydetOnayı->checkState();
    ayarlar.sesleriKapat = SesleriKapatOnayı->checkState();
    try {
        Ayarlar().TekYazımda([&] {
            ayarlar.Yaz(Ayarlar());
            if (OyunSürüyor() && OyunuKaydetOnayı->checkState() == Qt::Checked)
                oturum.OyunuKaydet(Ayarlar());
        });
    } catch (const ÇalışmaHatası &hata) {
        KaydedilemediğiniSöyle(neden, hata);
    }
}

// A save the player started that fails is told in a box; one the system asked for, with no one
// to read a box, in one line on the standard error.
void AnaForm::KaydedilemediğiniSöyle(KapanmaNedeni neden, const ÇalışmaHatası &hata)
{
    const QString metin = Dizge(3001).arg(hata.Açıklama());
    if (neden == KapanmaNedeni::OturumSonu || neden == KapanmaNedeni::GörevYöneticisi) {
        std::fprintf(stderr, "tilora: %s\n", qPrintable(metin));
        return;
    }
    Adım(HataTarzı::Sessiz, [&] {
        MesajKutusunuOrtala();
        MesajGöster(metin, MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
    });
}
