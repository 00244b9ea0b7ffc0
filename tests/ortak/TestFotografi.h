#pragma once

#include <QImage>
#include <QString>

// A picture whose every pixel up to 4095 x 4095 has its own colour: red and green are the
// low bytes of x and y, blue holds their high bits.
QImage RenkliResim(QSize boyut);

// RenkliResim encoded as `biçim` names it, a JPEG at quality 95 and progressive when asked.
QByteArray ResimBaytları(QSize boyut, const char *biçim = "jpeg", bool aşamalı = false);

// Writes RenkliResim to `yol` (folders created as needed), in the format its suffix names.
QString FotoğrafYaz(const QString &yol, QSize boyut);
