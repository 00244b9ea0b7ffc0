// The main window's game: the division, the deal, the moves, the clock and the sample.
#include "AnaForm.h"

#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "KonumAdlari.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "Ortam.h"
#include "ResimKutusu.h"
#include "TahtaGorunumu.h"
#include "TasarimYerlesimi.h"
#include "Yerlesim.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

namespace {

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
        oturum.Böl(index + 3);
        parçaBoyutu = ParçaBoyutu(oturum.BölmeSayısı());
    });
    if (parçaBoyutu.isEmpty())
        return;
    tahtaGörünümü->KaymayıBitir();
    YardımıBırak();
    Adım(HataTarzı::Bildir, [&] { DağınıkParçalarıBoşalt(); });
    Adım(HataTarzı::Bildir, [&] {
        Yerleştir(DağınıkParçalar[0], Yerleşim::SolKenar, Yerleşim::ÜstKenar, parçaBoyutu.width(), parçaBoyutu.height());
    });
    Adım(HataTarzı::Bildir, [&] { ParçalarıYükle(oturum.Tahtası().KonumSayısı()); });
    for (int konum = 1; konum < DağınıkParçalar.size(); ++konum) {
        const QPoint sol = ParçaKonumu(konum, oturum.BölmeSayısı(), parçaBoyutu);
        Yerleştir(DağınıkParçalar[konum], sol.x(), sol.y(), parçaBoyutu.width(), parçaBoyutu.height());
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
        parça->setObjectName(QStringLiteral("DağınıkParçalar(%1)").arg(konum));
        parça->ArkaRengiAta(ilk->ArkaRengi());
        parça->setCursor(ilk->cursor());
        connect(parça, &ResimKutusu::clicked, this, [this, konum] { DağınıkParçalar_Click(konum); });
        DağınıkParçalar.append(parça);
    }
    tahtaGörünümü->ParçalarıTanıt(DağınıkParçalar);
}

void AnaForm::FotoğrafıKes()
{
    const int konumSayısı = oturum.Tahtası().KonumSayısı();
    const QSize parçaBoyutu = AygıtPikseli(this, DağınıkParçalar[0]->size());
    SıralıParçalar = QList<QImage>(konumSayısı);
    if (OrjinalFotoğrafKutusu.BoşMu())
        return;
    for (int parça = 0; parça < konumSayısı; ++parça) {
        const QRect kaynak = ParçaKaynağı(parça, oturum.BölmeSayısı(), OrjinalFotoğrafKutusu.Boyut());
        SıralıParçalar[parça] = EkranaGöre(OrjinalFotoğrafKutusu.Parça(kaynak, parçaBoyutu), this);
    }
}

// No game: every position shows its own piece, the bottom-right one included.
void AnaForm::FotoğrafıBütünGöster()
{
    for (int konum = 0; konum < DağınıkParçalar.size(); ++konum)
        DağınıkParçalar[konum]->ResmiAta(SıralıParçalar.value(konum));
    ParçaAdlarınıYaz();
}

// A game: every position shows the piece of its Tag, the empty place none.
void AnaForm::TahtayıÇiz()
{
    const Tahta &tahta = oturum.Tahtası();
    for (int konum = 0; konum < DağınıkParçalar.size(); ++konum)
        DağınıkParçalar[konum]->ResmiAta(SıralıParçalar.value(tahta.Etiket(konum)));
    DağınıkParçalar[tahta.BoşParçaNo()]->ResmiBoşalt();
    ParçaAdlarınıYaz();
}

void AnaForm::SayaçlarıYaz()
{
    DeğerEtiketiniYaz(Etiket[1], SaatMetni(oturum.Saat()));
    DeğerEtiketiniYaz(Etiket[3], QString::number(oturum.HamleSayısı()));
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
    YardımıBırak();
    Adım(HataTarzı::Bildir, [&] { oturum.Dağıt(ortam().rastgele); });
    Adım(HataTarzı::Bildir, [&] {
        DeğerEtiketiniYaz(Etiket[1], QStringLiteral("00:00:00"));
        DeğerEtiketiniYaz(Etiket[3], QStringLiteral("0"));
    });
    Adım(HataTarzı::Bildir, [&] { TahtayıÇiz(); });
    SüreHesapla.start(1000);
    KomutlarıGüncelle();
    // The game is on the board, and so is the keyboard: an arrow slides at once.
    tahtaGörünümü->Duyur({});
    tahtaGörünümü->setFocus();
}

void AnaForm::DağınıkParçalar_Click(int index)
{
    HamleyiOyna(oturum.Tıkla(index));
}

// What a click, an arrow or a slide of the solver did, drawn and heard.
void AnaForm::HamleyiOyna(const Hamle &hamle)
{
    switch (hamle.sonuç) {
    case Hamle::Sonuç::OyunYok:
        YeniOyunDüğmesi_Click();
        return;
    case Hamle::Sonuç::Reddedildi:
        Adım(HataTarzı::Bildir, [&] { SesÇal(QStringLiteral("DUR")); });
        return;
    case Hamle::Sonuç::Kaydı:
        break;
    }
    KaymayıGöster(hamle);
    KomutlarıGüncelle();
    Adım(HataTarzı::Bildir, [&] {
        if (!hamle.sayıldı)
            throw ÇalışmaHatası(HataNo::Taşma);
        DeğerEtiketiniYaz(Etiket[3], QString::number(oturum.HamleSayısı()));
    });
    Adım(HataTarzı::Bildir, [&] { SesÇal(QStringLiteral("TAMAM")); });
    if (hamle.tamamlandı)
        Tamamlandı();
}

// The slid tile takes its picture into the old empty place, its own place shows the gap, and
// the slide is drawn after them.
void AnaForm::KaymayıGöster(const Hamle &hamle)
{
    tahtaGörünümü->KaymayıBitir();
    YardımıBırak();
    Adım(HataTarzı::Bildir, [&] {
        DağınıkParçalar[hamle.nereye]->ResmiAta(DağınıkParçalar[hamle.nereden]->Resim());
        DağınıkParçalar[hamle.nereden]->ResmiBoşalt();
        DağınıkParçalar[hamle.nereden]->ArkaRengiAta(BoşlukRengi());
    });
    tahtaGörünümü->KaymayıÇiz(DağınıkParçalar[hamle.nereye], DağınıkParçalar[hamle.nereden]->pos());
    ParçaAdlarınıYaz();
    tahtaGörünümü->Duyur(KaymaAdı(oturum.Tahtası(), hamle.nereye));
}

// The photo is whole: the clock stops, the corner piece comes back and the player hears of it.
void AnaForm::Tamamlandı()
{
    SüreHesapla.stop();
    ÇözümüDurdur();
    KomutlarıGüncelle();
    // The completing slide is seen to its end; meanwhile no input and no drop reaches the game.
    setAcceptDrops(false);
    tahtaGörünümü->KaymanınBitmesiniBekle();
    setAcceptDrops(true);
    Adım(HataTarzı::Bildir, [&] {
        ResimKutusu *köşe = DağınıkParçalar.constLast();
        köşe->ResmiAta(SıralıParçalar.value(DağınıkParçalar.size() - 1));
        köşe->repaint();
    });
    ParçaAdlarınıYaz();
    const Yardım yardım = oturum.Yardımı();
    if (yardım.çözücü) {
        // Not the player's own: no congratulation, and nothing for the best results.
        Adım(HataTarzı::Bildir, [&] {
            MesajKutusunuOrtala();
            MesajGöster(Dizge(3202), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
        });
    } else {
        Adım(HataTarzı::Bildir, [&] { SesÇal(QStringLiteral("TEBRIK")); });
        // A game played with hints is congratulated, but it is no best result.
        const QString ekSatır = yardım.VerildiMi() ? DizgeSayılı(3414, yardım.ipucu) : EnİyiSonucuKaydet();
        Adım(HataTarzı::Bildir, [&] {
            MesajKutusunuOrtala();
            MesajGöster(TebrikMetni(oturum.Saat(), oturum.HamleSayısı()), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi,
                        QString::fromUtf8(Kimlik::UygulamaBaşlığı), ekSatır);
        });
    }
    Adım(HataTarzı::Bildir, [&] {
        oturum.SayaçlarıSıfırla();
        DeğerEtiketiniYaz(Etiket[1], QStringLiteral("00:00:00"));
        DeğerEtiketiniYaz(Etiket[3], QStringLiteral("0"));
    });
    oturum.KayıtlıOyunuSil(Ayarlar());
}

// Sounds play only with an output device and while "Sound off" is clear (a grey box silences too).
void AnaForm::SesÇal(const QString &ad)
{
    if (ortam().sesAygıtıVar() && SesleriKapatOnayı->checkState() == Qt::Unchecked)
        ortam().sesÇal(ad);
}

void AnaForm::SüreHesapla_Timer()
{
    // While the 24-hour notice is open the clock waits; it is reset when the notice closes.
    if (günSonuMesajıAçık)
        return;
    Adım(HataTarzı::Sessiz, [&] {
        if (!oturum.Saatiİlerlet())
            return;
        günSonuMesajıAçık = true;
        const auto kapandığında = qScopeGuard([&] {
            günSonuMesajıAçık = false;
            oturum.SaatiSıfırla();
        });
        MesajKutusunuOrtala();
        MesajGöster(Dizge(1400), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
    });
    Adım(HataTarzı::Sessiz, [&] { DeğerEtiketiniYaz(Etiket[1], SaatMetni(oturum.Saat())); });
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
    ÇalışmaResminiDenetle();
}
