// The main window's settings: what its load restores and its close saves.
#include "AnaForm.h"

#include "AnaFormAyarlari.h"
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "ResimKutusu.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cstdio>

namespace {

// Where a window stored at `pencere` goes: there, when enough of it lies on a screen to be seen
// and dragged; else onto the nearest screen, as close to its stored place as fits.
QPoint GörünürYer(const QRect &pencere)
{
    constexpr int TutulacakKenar = 48;
    const QList<QScreen *> ekranlar = QGuiApplication::screens();
    const QSize görünmesiGereken(std::min(TutulacakKenar, pencere.width()), std::min(TutulacakKenar, pencere.height()));
    const auto görünürMü = [&](const QScreen *ekran) {
        const QSize ortak = ekran->availableGeometry().intersected(pencere).size();
        return ortak.width() >= görünmesiGereken.width() && ortak.height() >= görünmesiGereken.height();
    };
    if (ekranlar.isEmpty() || std::any_of(ekranlar.cbegin(), ekranlar.cend(), görünürMü))
        return pencere.topLeft();
    const auto uzaklık = [&](const QScreen *ekran) {
        return (ekran->availableGeometry().center() - pencere.center()).manhattanLength();
    };
    const QRect alan = (*std::min_element(ekranlar.cbegin(), ekranlar.cend(), [&](const QScreen *a, const QScreen *b) {
                           return uzaklık(a) < uzaklık(b);
                       }))->availableGeometry();
    return QPoint(std::clamp(pencere.x(), alan.left(), std::max(alan.left(), alan.right() + 1 - pencere.width())),
                  std::clamp(pencere.y(), alan.top(), std::max(alan.top(), alan.bottom() + 1 - pencere.height())));
}

}  // namespace

// Load steps 7 to 12: check boxes, photo, saved game, division, saved positions, window place.
// Each stored value is reported, when it makes no sense, by the step that uses it.
void AnaForm::AyarlarıGeriYükle()
{
    const AnaFormAyarları ayarlar = AnaFormAyarları::Oku(
        Ayarlar(), VarsayılanFotoğrafYolu(ProgramKlasörü, QString::fromUtf8(Kimlik::ÜrünAdı)));
    for (const auto &[onay, değer] : {std::pair{FotoğrafınÖrneğiniGöster, &ayarlar.örnekGöster},
                                      {SesleriKapatOnayı, &ayarlar.sesleriKapat},
                                      {OyunuKaydetOnayı, &ayarlar.oyunuKaydet}})
        Adım(HataTarzı::Bildir, [&] { onay->setCheckState(değer->Değer()); });

    Adım(HataTarzı::Bildir, [&] { FotoğrafYolu = ayarlar.sonFotoğraf; });
    Adım(HataTarzı::Bildir, [this] {
        if (DosyaVarMı(FotoğrafYolu))
            FotoğrafıAl(FotoğrafıYükle(FotoğrafYolu));
    });

    Adım(HataTarzı::Bildir, [this] { OyunYükleniyor = oturum.KayıtlıOyunuBul(Ayarlar()); });

    Adım(HataTarzı::Bildir, [&] { SonBölme = ayarlar.sonBölme.Değer(); });
    ParçalaraBölSeçeneği[SonBölme]->setChecked(true);
    ParçalaraBölSeçeneği_Click(SonBölme);

    if (OyunYükleniyor)
        KayıtlıOyunuGeriYükle();
    OyunYükleniyor = false;

    PencereyiYerleştir(ayarlar);
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

void AnaForm::PencereyiYerleştir(const AnaFormAyarları &ayarlar)
{
    const QRect ekran = screen()->geometry();
    QPoint yer(ekran.x() + (ekran.width() - frameGeometry().width()) / 2,
               ekran.y() + (ekran.height() - frameGeometry().height()) / 2);
    Adım(HataTarzı::Bildir, [&] {
        const PencereYeri kayıtlı = ayarlar.yer.Değer();
        yer = QPoint(kayıtlı.sol.value_or(yer.x()), kayıtlı.üst.value_or(yer.y()));
    });
    move(GörünürYer(QRect(yer, frameGeometry().size())));
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
    AnaFormAyarları ayarlar;
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
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
