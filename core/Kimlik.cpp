#include "Kimlik.h"

#include "Dizgeler.h"

QString SürümMetni()
{
    return QStringLiteral("%1.%2%3").arg(Kimlik::AnaSürüm).arg(Kimlik::AltSürüm).arg(Kimlik::Revizyon);
}

QString PencereBaşlığı()
{
    return Dizge(10) + QLatin1Char(' ') + SürümMetni();
}

QString AyarUygulamasıAdı(const QString &ürünAdı)
{
    return QStringLiteral("Orvane\\") + ürünAdı;
}

QString VarsayılanFotoğrafYolu(const QString &programKlasörü, const QString &ürünAdı)
{
    return programKlasörü
           + (ürünAdı == QLatin1String("Velbor-Tr") ? QStringLiteral("Sample-1.jpg")
                                                     : QStringLiteral("Sample-2.jpg"));
}
