#include "Yollar.h"

QString AyırıcıylaBiten(const QString &klasör)
{
    return klasör.endsWith(QLatin1Char('/')) ? klasör : klasör + QLatin1Char('/');
}

QString KlasördekiDosya(const QString &klasör, const QString &dosyaAdı)
{
    return AyırıcıylaBiten(klasör) + dosyaAdı;
}
