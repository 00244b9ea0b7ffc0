#include "Yollar.h"

#include <QDateTime>

QString AyırıcıylaBiten(const QString &klasör)
{
    return klasör.endsWith(QLatin1Char('/')) ? klasör : klasör + QLatin1Char('/');
}

QString KlasördekiDosya(const QString &klasör, const QString &dosyaAdı)
{
    return AyırıcıylaBiten(klasör) + dosyaAdı;
}

QStringList BozukKopyaAdları(const QString &yol)
{
    const QString kök = yol + QStringLiteral(".damaged-")
                        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QStringList adlar{kök};
    for (int sıra = 2; sıra <= 100; ++sıra)
        adlar.append(kök + QLatin1Char('-') + QString::number(sıra));
    return adlar;
}
