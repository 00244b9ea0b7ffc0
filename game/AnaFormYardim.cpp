// The main window's help from the solver: Hint marks the tile to slide next, Solve plays the
// rest of the solution. The solver decides; the window draws what it says.
#include "AnaForm.h"

#include "CozumAramasi.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "KonumAdlari.h"
#include "MesajKutusu.h"
#include "ResimKutusu.h"
#include "TahtaGorunumu.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>

namespace {

constexpr int İşaretSüresiMs = 1500;
// One slide of the solution at a time, slowly enough to follow it.
constexpr int ÇözümAdımıMs = 250;
// An answer that takes longer than a glance shows that the game is thinking.
constexpr int DüşünmeGöstergesiMs = 300;

}  // namespace

void AnaForm::YardımıKur()
{
    çözümAraması = std::make_unique<ÇözümAraması>(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    ipucuKomutu = new QAction(this);
    ipucuKomutu->setShortcut(QKeySequence(Qt::Key_H));
    çözKomutu = new QAction(this);
    // With Shift: a stray S must not take a game out of the player's hands.
    çözKomutu->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_S));
    for (QAction *komut : {ipucuKomutu, çözKomutu}) {
        komut->setEnabled(false);
        tahtaGörünümü->KomutEkle(komut);
    }
    // The menu that offers Hint and Solve opening is the time to get the larger boards' tables ready.
    connect(tahtaGörünümü->BağlamMenüsü(), &QMenu::aboutToShow, this, [this] {
        if (oturum.BölmeSayısı() > 3)
            çözümAraması->TablolarıHazırla();
    });
    connect(ipucuKomutu, &QAction::triggered, this, &AnaForm::İpucu_Click);
    connect(çözKomutu, &QAction::triggered, this, &AnaForm::Çöz_Click);

    işaretSüresi.setSingleShot(true);
    işaretSüresi.setInterval(İşaretSüresiMs);
    connect(&işaretSüresi, &QTimer::timeout, this, [this] {
        if (işaretliParça)
            işaretliParça->İşaretle(false);
    });
    çözümZamanlayıcısı.setInterval(ÇözümAdımıMs);
    connect(&çözümZamanlayıcısı, &QTimer::timeout, this, &AnaForm::ÇözümAdımı);
    düşünmeSüresi.setSingleShot(true);
    düşünmeSüresi.setInterval(DüşünmeGöstergesiMs);
    connect(&düşünmeSüresi, &QTimer::timeout, this, [this] { tahtaGörünümü->DüşünceyiGöster(Dizge(3210)); });
}

// The board is about to change: a search for the old one is of no use, nor is its mark.
void AnaForm::YardımıBırak()
{
    çözümAraması->Vazgeç();
    DüşünmeyiBitir();
    işaretSüresi.stop();
    if (const QPointer<ResimKutusu> parça = std::exchange(işaretliParça, nullptr))
        parça->İşaretle(false);
}

// Asks the solver about the board as it stands: `çözüldüğünde` gets the slides of its solution;
// a board that no slides can solve (a tampered game) is told so.
void AnaForm::ÇözümüSor(std::function<void(const QList<int> &)> çözüldüğünde)
{
    düşünmeSüresi.start();
    çözümAraması->Başlat(oturum.Tahtası(), [this, çözüldüğünde = std::move(çözüldüğünde)](const Çözüm &çözüm) {
        DüşünmeyiBitir();
        if (çözüm.durum == Çözüm::Durum::Çözülemez) {
            Adım(HataTarzı::Bildir, [] {
                MesajKutusunuOrtala();
                MesajGöster(Dizge(3203), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
            });
        } else if (çözüm.durum == Çözüm::Durum::Çözüldü && !çözüm.hamleler.isEmpty()) {
            çözüldüğünde(çözüm.hamleler);
        }
    });
}

void AnaForm::DüşünmeyiBitir()
{
    düşünmeSüresi.stop();
    tahtaGörünümü->DüşünceyiGöster({});
}

void AnaForm::EscTuşu()
{
    if (çözümAraması->Sürüyor())
        YardımıBırak();
    else if (isFullScreen())
        TamEkran_Click();
    else
        ÇıkışDüğmesi->click();
}

void AnaForm::İpucu_Click()
{
    if (!OyunSürüyor())
        return;
    ÇözümüDurdur();
    ÇözümüSor([this](const QList<int> &hamleler) {
        işaretliParça = DağınıkParçalar.value(hamleler.first());
        if (!işaretliParça)
            return;
        işaretliParça->İşaretle(true);
        işaretSüresi.start();
        oturum.İpucuGösterildi();
        tahtaGörünümü->Duyur(İpucuAdı(oturum.Tahtası(), hamleler.first()));
    });
}

void AnaForm::Çöz_Click()
{
    if (!OyunSürüyor())
        return;
    // Solve again while the solution plays stops it, as any key does.
    if (ÇözümOynanıyor()) {
        ÇözümüDurdur();
        return;
    }
    ÇözümüSor([this](const QList<int> &hamleler) {
        çözümAdımları = hamleler;
        qApp->installEventFilter(this);
        çözümZamanlayıcısı.start();
        ÇözümAdımı();
    });
}

void AnaForm::ÇözümAdımı()
{
    if (çözümAdımları.isEmpty() || !oturum.Tahtası().KomşuMu(çözümAdımları.first())) {
        ÇözümüDurdur();
        return;
    }
    const int konum = çözümAdımları.takeFirst();
    if (çözümAdımları.isEmpty())
        ÇözümüDurdur();
    HamleyiOyna(oturum.Tıkla(konum, Kaydıran::Çözücü));
}

void AnaForm::ÇözümüDurdur()
{
    çözümZamanlayıcısı.stop();
    çözümAdımları.clear();
    qApp->removeEventFilter(this);
}

bool AnaForm::eventFilter(QObject *nesne, QEvent *olay)
{
    if (nesne == Çerçeve.value(3) && !ÇözümOynanıyor()) {
        const bool tıklandı =
            olay->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(olay)->button() == Qt::LeftButton;
        if (tıklandı)
            QMetaObject::invokeMethod(this, &AnaForm::EnİyiSonuçlar_Click, Qt::QueuedConnection);
        return tıklandı;
    }
    switch (olay->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        ÇözümüDurdur();
        return true;
    default:
        return QWidget::eventFilter(nesne, olay);
    }
}
