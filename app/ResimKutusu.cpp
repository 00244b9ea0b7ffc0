#include "ResimKutusu.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor İşaretRengi(255, 170, 0);

}  // namespace

ResimKutusu::ResimKutusu(Kenar kenar, QWidget *üst) : QFrame(üst), arkaRengi(palette().color(QPalette::Window))
{
    if (kenar == Kenar::Çökük) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResimKutusu::ResmiAta(const QImage &yeni)
{
    resim = yeni;
    update();
}

void ResimKutusu::ResmiBoşalt()
{
    resim = QImage();
    update();
}

void ResimKutusu::ArkaRengiAta(const QColor &renk)
{
    arkaRengi = renk;
    update();
}

void ResimKutusu::İşaretle(bool yeni)
{
    işaretli = yeni;
    update();
}

void ResimKutusu::paintEvent(QPaintEvent *)
{
    QPainter boyacı(this);
    const QRect iç = contentsRect();
    boyacı.fillRect(rect(), arkaRengi);
    if (!resim.isNull()) {
        boyacı.setClipRect(iç);
        boyacı.drawImage(iç.topLeft(), resim);
        boyacı.setClipping(false);
    }
    drawFrame(&boyacı);
    if (işaretli) {
        // Lit and framed in amber, apart from the blue of the board's focus frame.
        boyacı.fillRect(iç, QColor(255, 255, 255, 90));
        boyacı.setPen(QPen(İşaretRengi, 5));
        boyacı.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void ResimKutusu::mousePressEvent(QMouseEvent *olay)
{
    basılı = olay->button() == Qt::LeftButton;
}

void ResimKutusu::mouseReleaseEvent(QMouseEvent *olay)
{
    const bool tık = basılı && olay->button() == Qt::LeftButton && rect().contains(olay->position().toPoint());
    basılı = false;
    if (tık)
        emit clicked();
}
