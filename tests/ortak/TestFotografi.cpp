#include "TestFotografi.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

QImage RenkliResim(QSize boyut)
{
    QImage resim(boyut, QImage::Format_RGB32);
    for (int y = 0; y < boyut.height(); ++y)
        for (int x = 0; x < boyut.width(); ++x)
            resim.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x >> 8) << 4 | (y >> 8)));
    return resim;
}

QByteArray ResimBaytları(QSize boyut, const char *biçim, bool aşamalı)
{
    QBuffer tampon;
    QImageWriter yazıcı(&tampon, biçim);
    yazıcı.setQuality(95);
    yazıcı.setProgressiveScanWrite(aşamalı);
    if (!yazıcı.write(RenkliResim(boyut)))
        qFatal("cannot encode the test photo as %s", biçim);
    return tampon.data();
}

QString FotoğrafYaz(const QString &yol, QSize boyut)
{
    QDir().mkpath(QFileInfo(yol).path());
    if (!RenkliResim(boyut).save(yol))
        qFatal("cannot write the test photo %s", qPrintable(yol));
    return yol;
}
