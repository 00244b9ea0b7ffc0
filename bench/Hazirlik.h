#pragma once

#include "AyarDeposu.h"
#include "EnIyiSonuclar.h"
#include "Kimlik.h"
#include "OrtakDegiskenler.h"
#include "Ortam.h"

#include <QCoreApplication>

// What a benchmark's main window needs before it is made: its settings and best results in
// `klasör`, the window remembered at the design's own size, the program's folder beside the
// benchmark, and no sound.
inline void PencereİçinHazırla(const QString &klasör)
{
    AyarKlasörünüBelirle(klasör);
    EnİyiSonuçlarKlasörünüBelirle(klasör);
    OyunSeçenekleri().Yaz(QStringLiteral("Pencere"), QStringLiteral("Genislik"), QStringLiteral("634"));
    OyunSeçenekleri().Yaz(QStringLiteral("Pencere"), QStringLiteral("Yukseklik"), QStringLiteral("413"));
    AyarUygulaması = AyarUygulamasıAdı(QString::fromUtf8(Kimlik::ÜrünAdı));
    ProgramKlasörü = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    ortam().sesAygıtıVar = [] { return false; };
}
