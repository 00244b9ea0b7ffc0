#pragma once

#include "Kimlik.h"
#include "Ortam.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// Makes the next message box appear centred over the window that is active now, or over the
// screen when none is. One box only: the box after it is placed by the system again.
void MesajKutusunuOrtala();

// Shows a message box through the platform seam, centred when MesajKutusunuOrtala was called
// just before, and returns the button pressed. `ekMetin`, when given, stands under the text.
// Once the system is ending the program, the box reads as No or OK without opening.
MesajYanıtı MesajGöster(const QString &metin, MesajDüğmeleri düğmeler, MesajSimgesi simge,
                        const QString &başlık = QString::fromUtf8(Kimlik::UygulamaBaşlığı),
                        const QString &ekMetin = {});

// Where a box with outer size `kutu` goes so that its centre lies on the centre of `sahip`
// (nearest pixel, half to even); none when a coordinate of the owner is negative, which
// leaves the box where the system put it.
std::optional<QPoint> OrtalanmışKonum(const QRect &sahip, const QSize &kutu);

// Moves a window that is about to be shown so that its frame is centred on the frame
// `sahip`. Its own frame is not known until the system has framed it, so it is taken to be
// like `örnek`'s, a window already on the screen. A negative coordinate of `sahip` leaves the
// window where the system puts it.
void ÇerçevesiniOrtala(QWidget *pencere, const QRect &sahip, const QWidget *örnek);

// The real message box behind the seam.
MesajYanıtı MesajKutusunuGöster(const MesajKutusuİsteği &istek);
