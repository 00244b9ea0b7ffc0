#include "Dizgeler.h"

#include "CalismaHatasi.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QHash<int, QString> YerleşikTablo()
{
    QFile dosya(QStringLiteral(":/dizgeler.json"));
    if (!dosya.open(QIODevice::ReadOnly))
        qFatal("The string table is missing from the program's resources");
    const QJsonObject nesne = QJsonDocument::fromJson(dosya.readAll()).object();
    QHash<int, QString> tablo;
    for (auto it = nesne.begin(); it != nesne.end(); ++it)
        tablo.insert(it.key().toInt(), it.value().toString());
    return tablo;
}

QHash<int, QString> &Tablo()
{
    static QHash<int, QString> tablo = YerleşikTablo();
    return tablo;
}

}  // namespace

const QHash<int, QString> &DizgeTablosu()
{
    return Tablo();
}

QString Dizge(int kimlik)
{
    const auto it = Tablo().constFind(kimlik);
    if (it == Tablo().cend())
        throw ÇalışmaHatası(HataNo::KaynakBulunamadı,
                            QStringLiteral("Resource with identifier '%1' not found").arg(kimlik));
    return *it;
}

void DizgeTablosunuDeğiştir(QHash<int, QString> yeni)
{
    Tablo() = yeni.isEmpty() ? YerleşikTablo() : std::move(yeni);
}
