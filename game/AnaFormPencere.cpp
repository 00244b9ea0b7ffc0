// The main window at any size: the design scaled as one drawing and centred, maximised or full
// screen (F11), the pictures cut again from the working image at their new size, and the size and
// state kept in the game's own options. Every start puts the whole window on one screen.
#include "AnaForm.h"

#include "AnaFormAyarlari.h"
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "FotografOnbellegi.h"
#include "HataBildir.h"
#include "OrtakDegiskenler.h"
#include "PencereYerlesimi.h"
#include "ResimKutusu.h"
#include "TahtaGorunumu.h"
#include "TasarimYerlesimi.h"

#include <QAction>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QWindow>

namespace {

// Below half the design's size the text can no longer be read.
constexpr double EnKüçükÇarpan = 0.5;
// How long the size stands still before the photo is decoded again at a larger working size: a
// drag of the window's corner goes on meanwhile with the pieces cut from the working image there is.
constexpr int BüyütmeBeklemesiMs = 250;
QList<QRect> EkranAlanları()
{
    QList<QRect> alanlar;
    for (const QScreen *ekran : QGuiApplication::screens())
        alanlar.append(ekran->availableGeometry());
    return alanlar;
}

}  // namespace

void AnaForm::BoyutuKur()
{
    setMinimumSize(TasarımÖlçeği{EnKüçükÇarpan, {}}.TasarımBoyutu());
    resize(TasarımÖlçeği{}.TasarımBoyutu());
    ÖlçeğiAta(this, TasarımÖlçeği{});
    BilgiEtiketleriniYerleştir();

    tamEkranKomutu = new QAction(this);
    tamEkranKomutu->setCheckable(true);
    tamEkranKomutu->setShortcut(QKeySequence(Qt::Key_F11));
    tahtaGörünümü->KomutEkle(tamEkranKomutu);
    connect(tamEkranKomutu, &QAction::triggered, this, &AnaForm::TamEkran_Click);

    büyütmeZamanlayıcısı.setSingleShot(true);
    büyütmeZamanlayıcısı.setInterval(BüyütmeBeklemesiMs);
    connect(&büyütmeZamanlayıcısı, &QTimer::timeout, this, &AnaForm::ÇalışmaResminiBüyüt);
}

void AnaForm::TamEkran_Click()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void AnaForm::resizeEvent(QResizeEvent *olay)
{
    QWidget::resizeEvent(olay);
    ÖlçeğeGöreYerleştir(AlanınÖlçeği(size()));
}

void AnaForm::ÖlçeğeGöreYerleştir(const TasarımÖlçeği &ölçek)
{
    const TasarımÖlçeği önceki = PencereÖlçeği(this);
    if (ölçek == önceki)
        return;
    // A slide would end at its old place.
    tahtaGörünümü->KaymayıBitir();
    ÖlçeğiAta(this, ölçek);
    BilgiEtiketleriniYerleştir();
    if (ölçek.çarpan != önceki.çarpan)
        ResimleriYenidenKes();
}

// Each tile keeps the piece it shows, cut anew at the tile's size; the sample too.
void AnaForm::ResimleriYenidenKes()
{
    QHash<qint64, int> gösterdiği;
    for (int parça = 0; parça < SıralıParçalar.size(); ++parça)
        gösterdiği.insert(SıralıParçalar[parça].cacheKey(), parça);
    Adım(HataTarzı::Sessiz, [this] { FotoğrafıKes(); });
    for (ResimKutusu *kutu : std::as_const(DağınıkParçalar)) {
        const int parça = kutu->Resim().isNull() ? -1 : gösterdiği.value(kutu->Resim().cacheKey(), -1);
        if (parça >= 0)
            kutu->ResmiAta(SıralıParçalar.value(parça));
    }
    FotoğrafınÖrneğiniGöster_Click();
    ÇalışmaResminiDenetle();
}

void AnaForm::ÇalışmaResminiDenetle()
{
    if (!OrjinalFotoğrafKutusu.BoşMu() && !OrjinalFotoğrafKutusu.Karşılar(EnKüçükÇalışmaBoyutu(this)))
        büyütmeZamanlayıcısı.start();
}

// The board has outgrown the working image: the photo is decoded again from its file, off the
// interface thread, at the working size the board needs now. A file that no longer holds the same
// photo changes nothing; a photo being dropped meanwhile goes first.
void AnaForm::ÇalışmaResminiBüyüt()
{
    const QSize gereken = EnKüçükÇalışmaBoyutu(this);
    if (OrjinalFotoğrafKutusu.BoşMu() || OrjinalFotoğrafKutusu.Karşılar(gereken) || fotoğrafYükleyici.Yüklüyor())
        return;
    const QString yol = FotoğrafYolu;
    fotoğrafYükleyici.Başlat(
        yol,
        [this, yol, gereken](const Fotoğraf &büyük) {
            if (yol != FotoğrafYolu || büyük.Boyut() != OrjinalFotoğrafKutusu.Boyut())
                return;
            OrjinalFotoğrafKutusu = büyük;
            ResimleriYenidenKes();
            FotoğrafıÖnbelleğeYaz(yol, büyük, gereken);
        },
        [](const ÇalışmaHatası &) {}, gereken);
}

// None until the window manager has framed the window.
QMargins AnaForm::ÇerçeveKenarları() const
{
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

// The window's frame is known only once the window manager has framed it: a window that then
// reaches past the screen's work area is placed again by its own frame.
bool AnaForm::event(QEvent *olay)
{
    const bool sonuç = QWidget::event(olay);
    // On a screen of another scale the pictures are cut again for its device pixels.
    if (olay->type() == QEvent::ScreenChangeInternal)
        ResimleriYenidenKes();
    if (!çerçeveDenetlendi && isVisible() && !ÇerçeveKenarları().isNull()) {
        çerçeveDenetlendi = true;
        const QRect görünür = GörünürPencereYeri(frameGeometry(), EkranAlanları());
        if (windowState() == Qt::WindowNoState && görünür != frameGeometry())
            YeniÇerçeve(görünür);
    }
    return sonuç;
}

void AnaForm::YeniÇerçeve(const QRect &çerçeve)
{
    resize(çerçeve.size().shrunkBy(ÇerçeveKenarları()));
    move(çerçeve.topLeft());
}

// Before the photo is read, so that it is decoded at once for the size the board is shown at.
// The first start draws the design's text as large as the desktop's and keeps the window on the
// screen's work area.
PencereDurumu AnaForm::PencereBoyutunuGeriYükle()
{
    PencereDurumu durum;
    Adım(HataTarzı::Sessiz, [&] { durum = PencereDurumu::Oku(OyunSeçenekleri()); });
    const QScreen *ekran = screen();
    const QSize alan = durum.alan.value_or(
        TasarımÖlçeği{İlkÇarpan(QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF(),
                               ekran->availableGeometry().size(), ÇerçeveKenarları()),
                      {}}
            .TasarımBoyutu());
    resize(alan);
    const QSize gösterilen = durum.tamEkran      ? ekran->geometry().size()
                             : durum.ekranıKaplar ? ekran->availableGeometry().size().shrunkBy(ÇerçeveKenarları())
                                                  : alan;
    ÖlçeğeGöreYerleştir(AlanınÖlçeği(gösterilen));
    return durum;
}

// Load step 12: the stored place, else the centre of the screen; then the whole window onto one
// screen, moved and if need be shrunk; then the stored state, which keeps that as its normal place.
void AnaForm::PencereyiYerleştir(const AnaFormAyarları &ayarlar, const PencereDurumu &durum)
{
    const QMargins kenarlar = ÇerçeveKenarları();
    const QSize dış = size().grownBy(kenarlar);
    const QRect ekran = screen()->geometry();
    QPoint yer(ekran.x() + (ekran.width() - dış.width()) / 2, ekran.y() + (ekran.height() - dış.height()) / 2);
    Adım(HataTarzı::Bildir, [&] {
        const PencereYeri kayıtlı = ayarlar.yer.Değer();
        yer = QPoint(kayıtlı.sol.value_or(yer.x()), kayıtlı.üst.value_or(yer.y()));
    });
    YeniÇerçeve(GörünürPencereYeri(QRect(yer, dış), EkranAlanları()));
    setWindowState((durum.ekranıKaplar ? Qt::WindowMaximized : Qt::WindowNoState)
                   | (durum.tamEkran ? Qt::WindowFullScreen : Qt::WindowNoState));
}

// The size of the normal state, whatever the state now; nothing is lost when it is not known.
void AnaForm::PencereDurumunuKaydet()
{
    PencereDurumu durum;
    const QSize alan = normalGeometry().size();
    if (alan.isValid() && !alan.isEmpty())
        durum.alan = alan;
    durum.ekranıKaplar = isMaximized();
    durum.tamEkran = isFullScreen();
    Adım(HataTarzı::Sessiz, [&] { durum.Yaz(OyunSeçenekleri()); });
}
