#include "ResimKutusu.h"

#include "TasarimYerlesimi.h"
#include "Yuvarlama.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QColor İşaretRengi(255, 170, 0);

// The number on a dark, light-edged label in the corner of `iç`, sized to the box within bounds
// that grow with the window's scale `çarpan`.
void NumarayıÇiz(QPainter &boyacı, const QRect &iç, const QString &numara, double çarpan)
{
    QFont yazı = boyacı.font();
    yazı.setBold(true);
    yazı.setPixelSize(std::clamp(std::min(iç.width(), iç.height()) / 4, EnYakın(10 * çarpan), EnYakın(28 * çarpan)));
    boyacı.setFont(yazı);
    const QFontMetrics ölçü(yazı);
    const int kenar = std::max(2, yazı.pixelSize() / 5);
    const QSize boyut(std::max(ölçü.horizontalAdvance(numara), ölçü.height() - 2 * kenar) + 2 * kenar, ölçü.height());
    const QRectF etiket(QPointF(iç.topLeft()) + QPointF(3, 3), QSizeF(boyut));
    boyacı.setRenderHint(QPainter::Antialiasing);
    boyacı.setPen(QPen(QColor(255, 255, 255, 200), 1));
    boyacı.setBrush(QColor(0, 0, 0, 170));
    boyacı.drawRoundedRect(etiket, kenar * 1.5, kenar * 1.5);
    boyacı.setPen(Qt::white);
    boyacı.drawText(etiket, Qt::AlignCenter, numara);
    boyacı.setBrush(Qt::NoBrush);
    boyacı.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

ResimKutusu::ResimKutusu(Kenar kenar, QWidget *üst) : QFrame(üst)
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

void ResimKutusu::NumaraAta(const QString &yeni)
{
    if (yeni == numara)
        return;
    numara = yeni;
    update();
}

void ResimKutusu::paintEvent(QPaintEvent *)
{
    QPainter boyacı(this);
    const QRect iç = contentsRect();
    boyacı.fillRect(rect(), ArkaRengi());
    if (!resim.isNull()) {
        boyacı.setClipRect(iç);
        boyacı.drawImage(iç.topLeft(), resim);
        boyacı.setClipping(false);
    }
    drawFrame(&boyacı);
    if (!numara.isEmpty())
        NumarayıÇiz(boyacı, iç, numara, PencereÖlçeği(this).çarpan);
    if (işaretli) {
        // Lit and framed in amber, apart from the blue of the board's focus frame.
        boyacı.fillRect(iç, QColor(255, 255, 255, 90));
        const int kalınlık = EnYakın(5 * PencereÖlçeği(this).çarpan);
        boyacı.setPen(QPen(İşaretRengi, kalınlık));
        boyacı.drawRect(rect().adjusted(kalınlık / 2, kalınlık / 2, -(kalınlık + 1) / 2, -(kalınlık + 1) / 2));
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
