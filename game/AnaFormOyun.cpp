// The main window's game: the division, the deal, the moves, the clock and the sample.
#include "AnaForm.h"

#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "Dagitim.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "KonumAdlari.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "Ortam.h"
#include "ResimKutusu.h"
#include "TahtaGorunumu.h"
#include "Yerlesim.h"
#include "Yuvarlama.h"

#include <QScopeGuard>

#include <limits>

namespace {

const QColor BoşYerRengi(255, 255, 192);

// A picture cut for a box of `boyut` logical pixels, sharp on the box's screen.
QSize AygıtPikseli(const QWidget *kutu, const QSize &boyut)
{
    return boyut * kutu->devicePixelRatio();
}

QImage EkranaGöre(QImage resim, const QWidget *kutu)
{
    resim.setDevicePixelRatio(kutu->devicePixelRatio());
    return resim;
}

}  // namespace

void AnaForm::ParçalaraBölSeçeneği_Click(int index)
{
    QSize parçaBoyutu;
    Adım(HataTarzı::Bildir, [&] {
        if (index < 0 || index >= ParçalaraBölSeçeneği.size())
            throw ÇalışmaHatası(HataNo::DenetimDizisiÖğesiYok);
        SonBölme = qint16(index);
        tahta.Böl(index + 3);
        parçaBoyutu = ParçaBoyutu(tahta.BölmeSayısı());
    });
    if (parçaBoyutu.isEmpty())
        return;
    tahtaGörünümü->KaymayıBitir();
    YardımıBırak();
    Adım(HataTarzı::Bildir, [&] { DağınıkParçalarıBoşalt(); });
    Adım(HataTarzı::Bildir, [&] {
        DağınıkParçalar[0]->setGeometry(QRect(QPoint(Piksel(Yerleşim::SolKenar), Piksel(Yerleşim::ÜstKenar)),
                                              QSize(Piksel(parçaBoyutu.width()), Piksel(parçaBoyutu.height()))));
    });
    Adım(HataTarzı::Bildir, [&] { ParçalarıYükle(tahta.KonumSayısı()); });
    for (int konum = 1; konum < DağınıkParçalar.size(); ++konum) {
        const QPoint sol = ParçaKonumu(konum, tahta.BölmeSayısı(), parçaBoyutu);
        DağınıkParçalar[konum]->setGeometry(
            PikselDikdörtgeni(sol.x(), sol.y(), parçaBoyutu.width(), parçaBoyutu.height()));
        DağınıkParçalar[konum]->show();
    }
    Adım(HataTarzı::Bildir, [&] { FotoğrafıKes(); });
    EnİyiSonuçlarıGöster();
    if (OyunYükleniyor)
        return;
    if (!OyunSürüyor())
        FotoğrafıBütünGöster();
    else
        YeniOyunDüğmesi_Click();
}

void AnaForm::DağınıkParçalarıBoşalt()
{
    while (DağınıkParçalar.size() > 1)
        delete DağınıkParçalar.takeLast();
    DağınıkParçalar[0]->ResmiBoşalt();
}

// Tiles 1 .. adet-1 are copies of tile 0: its border, background and pointer.
void AnaForm::ParçalarıYükle(int adet)
{
    ResimKutusu *ilk = DağınıkParçalar[0];
    for (int konum = 1; konum < adet; ++konum) {
        auto *parça = new ResimKutusu(ResimKutusu::Kenar::Çökük, ilk->parentWidget());
        parça->ArkaRengiAta(ilk->ArkaRengi());
        parça->setCursor(ilk->cursor());
        connect(parça, &ResimKutusu::clicked, this, [this, konum] { DağınıkParçalar_Click(konum); });
        DağınıkParçalar.append(parça);
    }
}

void AnaForm::FotoğrafıKes()
{
    const int konumSayısı = tahta.KonumSayısı();
    const QSize parçaBoyutu = AygıtPikseli(this, DağınıkParçalar[0]->size());
    SıralıParçalar = QList<QImage>(konumSayısı);
    if (OrjinalFotoğrafKutusu.BoşMu())
        return;
    for (int parça = 0; parça < konumSayısı; ++parça) {
        const QRect kaynak = ParçaKaynağı(parça, tahta.BölmeSayısı(), OrjinalFotoğrafKutusu.Boyut());
        SıralıParçalar[parça] = EkranaGöre(OrjinalFotoğrafKutusu.Parça(kaynak, parçaBoyutu), this);
    }
}

// No game: every position shows its own piece, the bottom-right one included.
void AnaForm::FotoğrafıBütünGöster()
{
    for (int konum = 0; konum < DağınıkParçalar.size(); ++konum)
        DağınıkParçalar[konum]->ResmiAta(SıralıParçalar.value(konum));
    ErişilebilirAdlarıYaz();
}

void AnaForm::YeniOyunDüğmesi_Click()
{
    if (OrjinalFotoğrafKutusu.BoşMu()) {
        Adım(HataTarzı::Bildir, [] {
            MesajKutusunuOrtala();
            MesajGöster(Dizge(1000), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
        });
        YeniFotoğrafDüğmesi->setFocus();
        return;
    }
    tahtaGörünümü->KaymayıBitir();
    ÇözümüDurdur();
    bilgisayarÇözdü = false;
    Adım(HataTarzı::Bildir, [&] {
        oyunSaati.Sıfırla();
        DeğerEtiketiniYaz(Etiket[1], QStringLiteral("00:00:00"));
    });
    Adım(HataTarzı::Bildir, [&] {
        HamleSayısı = 0;
        DeğerEtiketiniYaz(Etiket[3], QStringLiteral("0"));
    });
    Adım(HataTarzı::Bildir, [&] {
        tahta.Dağıt(Dağıtım(tahta.BölmeSayısı(), ortam().rastgele));
        for (int konum = 0; konum < DağınıkParçalar.size(); ++konum)
            DağınıkParçalar[konum]->ResmiAta(SıralıParçalar.value(tahta.Etiket(konum)));
        DağınıkParçalar[tahta.BoşParçaNo()]->ResmiBoşalt();
    });
    SüreHesapla.start(1000);
    GeçmişiTemizle();
    ErişilebilirAdlarıYaz();
}

void AnaForm::DağınıkParçalar_Click(int index)
{
    if (!OyunSürüyor()) {
        YeniOyunDüğmesi_Click();
        return;
    }
    const int boş = tahta.BoşParçaNo();
    if (!ParçayıKaydır(index)) {
        Adım(HataTarzı::Bildir, [&] { SesÇal(QStringLiteral("DUR")); });
        return;
    }
    geçmiş.Kaydet(index, boş);
    KomutlarıGüncelle();
    Adım(HataTarzı::Bildir, [&] {
        if (HamleSayısı == std::numeric_limits<qint32>::max())
            throw ÇalışmaHatası(HataNo::Taşma);
        ++HamleSayısı;
        DeğerEtiketiniYaz(Etiket[3], QString::number(HamleSayısı));
    });
    Adım(HataTarzı::Bildir, [&] { SesÇal(QStringLiteral("TAMAM")); });
    if (!tahta.TamamlandıMı())
        return;

    SüreHesapla.stop();
    ÇözümüDurdur();
    GeçmişiTemizle();
    // The completing slide is seen to its end; meanwhile no input and no drop reaches the game.
    setAcceptDrops(false);
    tahtaGörünümü->KaymanınBitmesiniBekle();
    setAcceptDrops(true);
    Adım(HataTarzı::Bildir, [&] {
        ResimKutusu *köşe = DağınıkParçalar.constLast();
        köşe->ResmiAta(SıralıParçalar.value(DağınıkParçalar.size() - 1));
        köşe->repaint();
    });
    ErişilebilirAdlarıYaz();
    if (bilgisayarÇözdü) {
        // Not the player's own: no congratulation, and nothing for the best results.
        Adım(HataTarzı::Bildir, [&] {
            MesajKutusunuOrtala();
            MesajGöster(Dizge(3202), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
        });
    } else {
        Adım(HataTarzı::Bildir, [&] { SesÇal(QStringLiteral("TEBRIK")); });
        const QString yenilik = EnİyiSonucuKaydet();
        Adım(HataTarzı::Bildir, [&] {
            MesajKutusunuOrtala();
            MesajGöster(TebrikMetni(oyunSaati, HamleSayısı), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi,
                        QString::fromUtf8(Kimlik::UygulamaBaşlığı), yenilik);
        });
    }
    Adım(HataTarzı::Bildir, [&] {
        oyunSaati.Sıfırla();
        DeğerEtiketiniYaz(Etiket[1], QStringLiteral("00:00:00"));
        HamleSayısı = 0;
        DeğerEtiketiniYaz(Etiket[3], QStringLiteral("0"));
    });
    if (!KayıtlıOyun.isEmpty())
        KayıtlıOyunuSil();
}

// The tile at `konum` slides into the empty place: the board and the tiles' pictures change
// at once, and the slide is drawn after them. False, with nothing changed, for a tile that is
// no neighbour of the gap.
bool AnaForm::ParçayıKaydır(int konum)
{
    const int boş = tahta.BoşParçaNo();
    if (!tahta.Kaydır(konum))
        return false;
    tahtaGörünümü->KaymayıBitir();
    YardımıBırak();
    Adım(HataTarzı::Bildir, [&] {
        DağınıkParçalar[boş]->ResmiAta(DağınıkParçalar[konum]->Resim());
        DağınıkParçalar[konum]->ResmiBoşalt();
        DağınıkParçalar[konum]->ArkaRengiAta(BoşYerRengi);
    });
    tahtaGörünümü->KaymayıÇiz(DağınıkParçalar[boş], DağınıkParçalar[konum]->pos());
    ErişilebilirAdlarıYaz();
    tahtaGörünümü->setAccessibleDescription(KaymaAdı(tahta, boş));
    return true;
}

// Sounds play only with an output device and while "Sound off" is clear (a grey box silences too).
void AnaForm::SesÇal(const QString &ad)
{
    if (ortam().sesAygıtıVar() && SesleriKapatOnayı->checkState() == Qt::Unchecked)
        ortam().sesÇal(ad);
}

// Both sections go in one write: the positions never outlive their clock and count on disk.
void AnaForm::KayıtlıOyunuSil()
{
    Adım(HataTarzı::Sessiz, [] {
        Ayarlar().TekYazımda([] {
            for (const char *bölüm : {"Oyun\\Bilgiler", "Oyun"})
                Adım(HataTarzı::Sessiz, [&] { Ayarlar().BölümüSil(QLatin1String(bölüm)); });
        });
    });
}

void AnaForm::SüreHesapla_Timer()
{
    // While the 24-hour notice is open the clock waits; it is reset when the notice closes.
    if (günSonuMesajıAçık)
        return;
    Adım(HataTarzı::Sessiz, [&] {
        if (!oyunSaati.İlerle())
            return;
        günSonuMesajıAçık = true;
        const auto kapandığında = qScopeGuard([&] {
            günSonuMesajıAçık = false;
            oyunSaati.Sıfırla();
        });
        MesajKutusunuOrtala();
        MesajGöster(Dizge(1400), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
    });
    Adım(HataTarzı::Sessiz, [&] { DeğerEtiketiniYaz(Etiket[1], SaatMetni(oyunSaati)); });
}

void AnaForm::OrjinalFotoğrafKutusu_Change()
{
    FotoğrafınÖrneğiniGöster_Click();
}

void AnaForm::FotoğrafınÖrneğiniGöster_Click()
{
    Adım(HataTarzı::Sessiz, [&] {
        if (FotoğrafınÖrneğiniGöster->checkState() == Qt::Unchecked)
            ÖrnekKutusu->ResmiBoşalt();
        else
            ÖrnekKutusu->ResmiAta(
                EkranaGöre(OrjinalFotoğrafKutusu.Tamamı(AygıtPikseli(this, ÖrnekKutusu->İçBoyut())), this));
    });
}

void AnaForm::FotoğrafıAl(const Fotoğraf &fotoğraf)
{
    OrjinalFotoğrafKutusu = fotoğraf;
    OrjinalFotoğrafKutusu_Change();
}
