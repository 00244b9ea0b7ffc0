// The main window's board beyond the click: the arrow keys, Space and Enter, undo and redo,
// the numbers on the tiles, the best results and their window, the tiles' names for screen
// readers, and a photo dropped on the window.
#include "AnaForm.h"

#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "Dizgeler.h"
#include "DuzenliDosya.h"
#include "EnIyiSonuclarFormu.h"
#include "FotografOnbellegi.h"
#include "HataBildir.h"
#include "KonumAdlari.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SistemKapanisi.h"
#include "TahtaGorunumu.h"
#include "TasarimYerlesimi.h"
#include "Yerlesim.h"

#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QPointer>

namespace {

// The numbers' place in the game's own options.
const QString TahtaBölümü = QStringLiteral("Tahta");
const QString NumaralarAnahtarı = QStringLiteral("Numaralar");

// The one local picture file a drag carries; empty when it carries anything else. The file's
// first bytes say whether it is a picture; it is decoded only once dropped.
QString BırakılanResim(const QMimeData *veri)
{
    const QList<QUrl> adresler = veri->urls();
    if (adresler.size() != 1 || !adresler[0].isLocalFile())
        return {};
    const QString yol = adresler[0].toLocalFile();
    QFile dosya;
    if (DüzenliDosyayıAç(dosya, yol) != AçılışSonucu::Açıldı)
        return {};
    return QImageReader::imageFormat(&dosya).isEmpty() ? QString() : yol;
}

}  // namespace

// The board inside Çerçeve(0), its keys and its two commands; they get their texts at load.
void AnaForm::TahtayıKur()
{
    tahtaGörünümü = new TahtaGörünümü(Çerçeve[0]);
    tahtaGörünümü->setObjectName(QStringLiteral("Tahta"));
    Yerleştir(tahtaGörünümü, 0, 0, Yerleşim::ÇerçeveGenişliği, Yerleşim::ÇerçeveYüksekliği);
    tahtaGörünümü->OkaBasıldı = [this](Yön yön) { OkTuşu(yön); };
    tahtaGörünümü->SeçimeBasıldı = [this] { SeçimTuşu(); };

    geriAlKomutu = new QAction(this);
    geriAlKomutu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    yineleKomutu = new QAction(this);
    yineleKomutu->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    for (QAction *komut : {geriAlKomutu, yineleKomutu}) {
        komut->setEnabled(false);
        tahtaGörünümü->KomutEkle(komut);
    }
    connect(geriAlKomutu, &QAction::triggered, this, &AnaForm::GeriAl);
    connect(yineleKomutu, &QAction::triggered, this, &AnaForm::Yinele);
    setAcceptDrops(true);
}

// The numbers and the records window, after the help in the board's context menu.
void AnaForm::TahtaSeçenekleriniKur()
{
    numaraKomutu = new QAction(this);
    numaraKomutu->setCheckable(true);
    numaraKomutu->setShortcut(QKeySequence(Qt::Key_N));
    sonuçlarKomutu = new QAction(this);
    sonuçlarKomutu->setShortcut(QKeySequence(Qt::Key_R));
    for (QAction *komut : {numaraKomutu, sonuçlarKomutu})
        tahtaGörünümü->KomutEkle(komut);
    connect(numaraKomutu, &QAction::triggered, this, &AnaForm::Numaralar_Click);
    connect(sonuçlarKomutu, &QAction::triggered, this, &AnaForm::EnİyiSonuçlar_Click);
}

void AnaForm::TahtaMetinleriniYükle()
{
    tahtaGörünümü->AdAta(Dizge(3102));
    geriAlKomutu->setText(Dizge(3104));
    yineleKomutu->setText(Dizge(3105));
    ipucuKomutu->setText(Dizge(3200));
    çözKomutu->setText(Dizge(3201));
    numaraKomutu->setText(Dizge(3403));
    sonuçlarKomutu->setText(Dizge(3404));
    tamEkranKomutu->setText(Dizge(3500));
}

// An arrow slides the tile on that side of the empty place as a click on it would; at the
// edge it is refused like a click on a tile far from the gap. Without a game there is no
// empty place, and the arrows do nothing.
void AnaForm::OkTuşu(Yön yön)
{
    const Hamle hamle = oturum.Ok(yön);
    if (hamle.sonuç != Hamle::Sonuç::OyunYok)
        HamleyiOyna(hamle);
}

// Space and Enter deal when no game runs, as a click on a tile does; during a game they do nothing.
void AnaForm::SeçimTuşu()
{
    if (!OyunSürüyor())
        YeniOyunDüğmesi_Click();
}

void AnaForm::GeriAl()
{
    GeçmiştenKaydır(oturum.GeriAl());
}

void AnaForm::Yinele()
{
    GeçmiştenKaydır(oturum.Yinele());
}

// A slide taken back or made again is a slide like any other, heard as one, and moves the
// count by one; the clock runs on.
void AnaForm::GeçmiştenKaydır(const std::optional<Hamle> &hamle)
{
    if (!hamle)
        return;
    tahtaGörünümü->setFocus();
    KaymayıGöster(*hamle);
    DeğerEtiketiniYaz(Etiket[3], QString::number(oturum.HamleSayısı()));
    Adım(HataTarzı::Bildir, [&] { SesÇal(QStringLiteral("TAMAM")); });
    KomutlarıGüncelle();
}

void AnaForm::KomutlarıGüncelle()
{
    geriAlKomutu->setEnabled(oturum.GeriAlınabilir());
    yineleKomutu->setEnabled(oturum.Yinelenebilir());
    ipucuKomutu->setEnabled(OyunSürüyor());
    çözKomutu->setEnabled(OyunSürüyor());
}

// Only the tiles whose name changes tell assistive technology so. The numbers are the pieces'
// during a game; the photo lying whole shows none.
void AnaForm::ParçaAdlarınıYaz()
{
    const Tahta &tahta = oturum.Tahtası();
    const bool numaralı = numaraKomutu->isChecked() && OyunSürüyor();
    for (int konum = 0; konum < DağınıkParçalar.size(); ++konum) {
        ResimKutusu *parça = DağınıkParçalar[konum];
        const QString ad = KonumAdı(tahta, konum, OyunSürüyor());
        if (parça->accessibleName() != ad)
            parça->setAccessibleName(ad);
        const bool numarası = numaralı && konum != tahta.BoşParçaNo();
        parça->NumaraAta(numarası ? QString::number(tahta.Etiket(konum) + 1) : QString());
    }
}

void AnaForm::NumaralarıGeriYükle()
{
    numaraKomutu->setChecked(OyunSeçenekleri().Oku(TahtaBölümü, NumaralarAnahtarı) == QLatin1String("1"));
}

void AnaForm::Numaralar_Click()
{
    ParçaAdlarınıYaz();
    Adım(HataTarzı::Sessiz, [this] {
        OyunSeçenekleri().Yaz(TahtaBölümü, NumaralarAnahtarı, numaraKomutu->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

void AnaForm::EnİyiSonuçlar_Click()
{
    EnİyiSonuçlarFormu diyalog(this, enİyiSonuçlar);
    ModalAç(diyalog);
    EnİyiSonuçlarıGöster();
}

// A results file that could not be read was set aside: the player hears of it once.
void AnaForm::EnİyiSonuçDosyasınıDenetle()
{
    const QString kopya = enİyiSonuçlar.BozukDosyaKopyası();
    if (kopya.isEmpty())
        return;
    MesajKutusunuOrtala();
    MesajGöster(Dizge(3415).arg(kopya), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
}

SonuçAnahtarı AnaForm::BuFotoğrafınAnahtarı() const
{
    return {oturum.BölmeSayısı(), FotoğrafYolu, OrjinalFotoğrafKutusu.Boyut()};
}

// The completed game goes into the best results: the line that says what it beat, or "".
QString AnaForm::EnİyiSonucuKaydet()
{
    const Yenilik yenilik = enİyiSonuçlar.Ekle(BuFotoğrafınAnahtarı(), oturum.Saat().ToplamSaniye(), oturum.HamleSayısı());
    if (yenilik.süre || yenilik.hamle)
        Adım(HataTarzı::Sessiz, [&] { enİyiSonuçlar.Kaydet(); });
    EnİyiSonuçlarıGöster();
    return YenilikMetni(yenilik, oturum.BölmeSayısı());
}

// The best results of this photo at this division, on the "Game Information" frame.
void AnaForm::EnİyiSonuçlarıGöster()
{
    Adım(HataTarzı::Sessiz, [&] {
        Çerçeve[3]->setToolTip(OrjinalFotoğrafKutusu.BoşMu()
                                   ? QString()
                                   : EnİyiSonuçMetni(enİyiSonuçlar.Bul(BuFotoğrafınAnahtarı()), oturum.BölmeSayısı()));
    });
}

void AnaForm::dragEnterEvent(QDragEnterEvent *olay)
{
    if (BırakılanResim(olay->mimeData()).isEmpty())
        olay->ignore();
    else
        olay->acceptProposedAction();
}

void AnaForm::dropEvent(QDropEvent *olay)
{
    const QString yol = BırakılanResim(olay->mimeData());
    if (yol.isEmpty()) {
        olay->ignore();
        return;
    }
    olay->acceptProposedAction();
    // Taken once the drop is over, so the file manager is not held while a message is open.
    QMetaObject::invokeMethod(this, [this, yol] { FotoğrafBırakıldı(yol); }, Qt::QueuedConnection);
}

// Decoded off the interface thread, so that however slow the picture the window goes on
// answering; taken once no box is open, as the photo dialog's OK would take it.
void AnaForm::FotoğrafBırakıldı(const QString &yol)
{
    const QPointer<AnaForm> pencere(this);
    const QSize enKüçük = EnKüçükÇalışmaBoyutu(this);
    fotoğrafYükleyici.Başlat(
        yol,
        [pencere, yol, enKüçük](const Fotoğraf &fotoğraf) {
            KutularKapanınca([pencere, yol, fotoğraf, enKüçük] {
                if (!pencere)
                    return;
                Adım(HataTarzı::Bildir, [&] { FotoğrafYolu = yol; });
                Adım(HataTarzı::Bildir, [&] {
                    pencere->FotoğrafıAl(fotoğraf);
                    pencere->ParçalaraBölSeçeneği_Click(SonBölme);
                });
                FotoğrafıÖnbelleğeYaz(yol, fotoğraf, enKüçük);
            });
        },
        [yol](const ÇalışmaHatası &) {
            KutularKapanınca([yol] {
                Adım(HataTarzı::Bildir, [&] {
                    MesajKutusunuOrtala();
                    MesajGöster(Dizge(3416).arg(QFileInfo(yol).fileName()), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
                });
            });
        },
        enKüçük);
}
