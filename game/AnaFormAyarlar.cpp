// The main window's settings: what its load restores and its close saves.
#include "AnaForm.h"

#include "AnaFormAyarlari.h"
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "ResimKutusu.h"

#include <QCheckBox>
#include <QRadioButton>

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
        if (DosyaVarMı(FotoğrafYolu))
            FotoğrafıAl(FotoğrafıYükle(FotoğrafYolu, EnKüçükÇalışmaBoyutu(this)));
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
    AyarlarıKaydet();
}

// One write for the whole save: a kill at any moment leaves the last save's file or this one.
void AnaForm::AyarlarıKaydet()
{
    AnaFormAyarları ayarlar;
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        ayarlar.yer = PencereYeri{frameGeometry().x(), frameGeometry().y()};
    ayarlar.sonBölme = SonBölme;
    ayarlar.sonFotoğraf = FotoğrafYolu;
    ayarlar.örnekGöster = FotoğrafınÖrneğiniGöster->checkState();
    ayarlar.oyunuKaydet = OyunuKaydetOnayı->checkState();
    ayarlar.sesleriKapat = SesleriKapatOnayı->checkState();
    Adım(HataTarzı::Sessiz, [&] {
        Ayarlar().TekYazımda([&] {
            ayarlar.Yaz(Ayarlar());
            if (OyunSürüyor() && OyunuKaydetOnayı->checkState() == Qt::Checked)
                oturum.OyunuKaydet(Ayarlar());
        });
    });
    PencereDurumunuKaydet();
}
