#include "KomutSatiri.h"

#include "Dizgeler.h"
#include "Kimlik.h"

#include <QCommandLineParser>

KomutSatırı KomutSatırınıOku(const QStringList &argümanlar, const QString &klasör)
{
    QCommandLineParser ayrıştırıcı;
    ayrıştırıcı.setApplicationDescription(Dizge(3300));
    const QCommandLineOption yardım = ayrıştırıcı.addHelpOption();
    const QCommandLineOption sürüm = ayrıştırıcı.addVersionOption();
    const QString fotoğrafAdı = Dizge(3303);
    ayrıştırıcı.addPositionalArgument(fotoğrafAdı, Dizge(3301), QLatin1Char('[') + fotoğrafAdı + QLatin1Char(']'));
    const bool geçerli = ayrıştırıcı.parse(argümanlar);

    using enum KomutSatırı::İstek;
    if (ayrıştırıcı.isSet(yardım) || ayrıştırıcı.isSet(QStringLiteral("help-all")))
        return {Yardım, {}, ayrıştırıcı.helpText()};
    if (ayrıştırıcı.isSet(sürüm))
        return {Sürüm, {}, QStringLiteral("tilora ") + SürümMetni() + QLatin1Char('\n')};
    if (!geçerli)
        return {Hata, {}, ayrıştırıcı.errorText()};
    QStringList fotoğraflar = ayrıştırıcı.positionalArguments();
    // An empty argument (a launcher's empty %f) names nothing.
    fotoğraflar.removeAll(QString());
    if (fotoğraflar.size() > 1)
        return {Hata, {}, Dizge(3302)};
    if (fotoğraflar.isEmpty())
        return {};
    return {Oyna, QDir::cleanPath(QDir(klasör).absoluteFilePath(fotoğraflar.constFirst())), {}};
}
