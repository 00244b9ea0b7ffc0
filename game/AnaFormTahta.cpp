// The main window's board beyond the click: the arrow keys, Space and Enter, undo and redo,
// the best results, the tiles' names for screen readers, and a photo dropped on the window.
#include "AnaForm.h"

#include "CalismaHatasi.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "KonumAdlari.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "TahtaGorunumu.h"

#include <QAction>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QFileInfo>
#include <QMimeData>

namespace {

// The one local file a drag carries; empty when it carries anything else.
QString BırakılanDosya(const QMimeData *veri)
{
    const QList<QUrl> adresler = veri->urls();
    if (adresler.size() != 1 || !adresler[0].isLocalFile())
        return {};
    const QString yol = adresler[0].toLocalFile();
    return QFileInfo(yol).isFile() ? yol : QString();
}

}  // namespace

// The board inside Çerçeve(0), its keys and its two commands; they get their texts at load.
void AnaForm::TahtayıKur()
{
    tahtaGörünümü = new TahtaGörünümü(Çerçeve[0]);
    tahtaGörünümü->setObjectName(QStringLiteral("Tahta"));
    tahtaGörünümü->setGeometry(QRect(QPoint(0, 0), Çerçeve[0]->size()));
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

void AnaForm::TahtaMetinleriniYükle()
{
    tahtaGörünümü->setAccessibleName(Dizge(3102));
    geriAlKomutu->setText(Dizge(3104));
    yineleKomutu->setText(Dizge(3105));
    ipucuKomutu->setText(Dizge(3200));
    çözKomutu->setText(Dizge(3201));
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

// Only the tiles whose name changes tell assistive technology so.
void AnaForm::ErişilebilirAdlarıYaz()
{
    for (int konum = 0; konum < DağınıkParçalar.size(); ++konum)
        DağınıkParçalar[konum]->setAccessibleName(KonumAdı(oturum.Tahtası(), konum, OyunSürüyor()));
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
    if (!BırakılanDosya(olay->mimeData()).isEmpty())
        olay->acceptProposedAction();
}

void AnaForm::dropEvent(QDropEvent *olay)
{
    const QString yol = BırakılanDosya(olay->mimeData());
    if (yol.isEmpty())
        return;
    olay->acceptProposedAction();
    // Taken once the drop is over, so the file manager is not held while a message is open.
    QMetaObject::invokeMethod(this, [this, yol] { FotoğrafBırakıldı(yol); }, Qt::QueuedConnection);
}

void AnaForm::FotoğrafBırakıldı(const QString &yol)
{
    std::optional<Fotoğraf> fotoğraf;
    try {
        fotoğraf = FotoğrafıYükle(yol);
    } catch (const ÇalışmaHatası &) {
        Adım(HataTarzı::Bildir, [] {
            MesajKutusunuOrtala();
            MesajGöster(Dizge(2300), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
        });
        return;
    }
    Adım(HataTarzı::Bildir, [&] { FotoğrafYolu = yol; });
    Adım(HataTarzı::Bildir, [&] {
        FotoğrafıAl(*fotoğraf);
        ParçalaraBölSeçeneği_Click(SonBölme);
    });
}
