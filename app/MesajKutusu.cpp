#include "MesajKutusu.h"

#include "SistemKapanisi.h"
#include "Yuvarlama.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

namespace {

// The window over which the next box is centred; set by MesajKutusunuOrtala, used once.
std::optional<QRect> SahipPencere;

// Places `pencere` so that its frame, `çerçeve` around it, is centred over `sahip`.
void ÇerçeveyleOrtala(QWidget *pencere, const QRect &sahip, const QMargins &çerçeve)
{
    if (const auto konum = OrtalanmışKonum(sahip, pencere->size().grownBy(çerçeve)))
        pencere->windowHandle()->setPosition(*konum + QPoint(çerçeve.left(), çerçeve.top()));
}

class OrtalananMesajKutusu : public QMessageBox {
public:
    OrtalananMesajKutusu(QWidget *sahip, std::optional<QRect> ortalanacağıPencere)
        : QMessageBox(sahip), ortalanacağıPencere(ortalanacağıPencere)
    {
    }

protected:
    // Runs after the box has taken its final size and before it is mapped on the screen.
    void showEvent(QShowEvent *olay) override
    {
        QMessageBox::showEvent(olay);
        if (!ortalanacağıPencere)
            return;
        ÇerçevesiniOrtala(this, *ortalanacağıPencere, parentWidget());
        çerçevesiBekleniyor = !parentWidget();
    }

    // Without an owner whose frame is like the box's, the box's own frame is known only once
    // the window manager has framed it: it is centred again by that frame then.
    bool event(QEvent *olay) override
    {
        const bool sonuç = QMessageBox::event(olay);
        if (!çerçevesiBekleniyor || !windowHandle())
            return sonuç;
        // Taken from the window itself, which hears of its frame before the widget does. A window
        // manager may first frame the box in a frame still smaller than the box: margins beyond
        // its edge are not yet the frame's own.
        const QMargins çerçeve = windowHandle()->frameMargins();
        if (çerçeve.isNull() || çerçeve.left() < 0 || çerçeve.top() < 0 || çerçeve.right() < 0 || çerçeve.bottom() < 0)
            return sonuç;
        çerçevesiBekleniyor = false;
        ÇerçeveyleOrtala(this, *ortalanacağıPencere, çerçeve);
        return sonuç;
    }

private:
    std::optional<QRect> ortalanacağıPencere;
    bool çerçevesiBekleniyor = false;
};

}  // namespace

void MesajKutusunuOrtala()
{
    if (const QWidget *etkin = QApplication::activeWindow())
        SahipPencere = etkin->frameGeometry();
    else if (const QScreen *ekran = QGuiApplication::primaryScreen())
        SahipPencere = ekran->geometry();
}

MesajYanıtı MesajGöster(const QString &metin, MesajDüğmeleri düğmeler, MesajSimgesi simge,
                        const QString &başlık, const QString &ekMetin)
{
    MesajKutusuİsteği istek{metin, düğmeler, simge, başlık, std::exchange(SahipPencere, std::nullopt), ekMetin};
    // Once the system is ending the program no box opens, and one open then counts as closed
    // with its No or OK.
    const MesajYanıtı vazgeçme = düğmeler == MesajDüğmeleri::EvetHayır ? MesajYanıtı::Hayır : MesajYanıtı::Tamam;
    if (SistemKapanışı::İstendi())
        return vazgeçme;
    const AçıkKutu açık;
    const MesajYanıtı yanıt = ortam().mesajKutusu(istek);
    return SistemKapanışı::İstendi() ? vazgeçme : yanıt;
}

std::optional<QPoint> OrtalanmışKonum(const QRect &sahip, const QSize &kutu)
{
    const double sol = sahip.x(), üst = sahip.y();
    const double sağ = sol + sahip.width(), alt = üst + sahip.height();
    if (sol < 0 || üst < 0 || sağ < 0 || alt < 0)
        return std::nullopt;
    return QPoint(EnYakın(sol + (sağ - sol) / 2 - kutu.width() / 2.0),
                  EnYakın(üst + (alt - üst) / 2 - kutu.height() / 2.0));
}

void ÇerçevesiniOrtala(QWidget *pencere, const QRect &sahip, const QWidget *örnek)
{
    QMargins çerçeve;
    if (örnek) {
        const QRect iç = örnek->geometry(), dış = örnek->frameGeometry();
        çerçeve = QMargins(iç.left() - dış.left(), iç.top() - dış.top(), dış.right() - iç.right(), dış.bottom() - iç.bottom());
    }
    ÇerçeveyleOrtala(pencere, sahip, çerçeve);
}

MesajYanıtı MesajKutusunuGöster(const MesajKutusuİsteği &istek)
{
    OrtalananMesajKutusu kutu(QApplication::activeWindow(), istek.ortalanacağıPencere);
    kutu.setWindowTitle(istek.başlık);
    kutu.setText(istek.metin);
    kutu.setTextFormat(Qt::PlainText);
    kutu.setInformativeText(istek.ekMetin);
    switch (istek.simge) {
    case MesajSimgesi::Bilgi: kutu.setIcon(QMessageBox::Information); break;
    case MesajSimgesi::Soru: kutu.setIcon(QMessageBox::Question); break;
    case MesajSimgesi::Kritik: kutu.setIcon(QMessageBox::Critical); break;
    }
    if (istek.düğmeler == MesajDüğmeleri::EvetHayır) {
        kutu.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        kutu.setDefaultButton(QMessageBox::Yes);
        return kutu.exec() == QMessageBox::Yes ? MesajYanıtı::Evet : MesajYanıtı::Hayır;
    }
    kutu.setStandardButtons(QMessageBox::Ok);
    kutu.exec();
    return MesajYanıtı::Tamam;
}
