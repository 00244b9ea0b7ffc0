#include "YardimKaydi.h"

#include "CalismaHatasi.h"
#include "DuzenliDosya.h"
#include "EnIyiSonuclar.h"
#include "GuvenliYazim.h"
#include "Yollar.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// A help file is a hundred bytes; anything far larger is not one of ours.
constexpr qint64 EnBüyükDosya = 64 * 1024;

}  // namespace

QByteArray KayıtlıOyunÖzeti(const QList<AyarGirdisi> &konumlar, const QList<AyarGirdisi> &bilgiler)
{
    QCryptographicHash özet(QCryptographicHash::Sha256);
    for (const QList<AyarGirdisi> *bölüm : {&konumlar, &bilgiler}) {
        for (const auto &[anahtar, değer] : *bölüm) {
            // Lengths first, so that no two different entry lists read alike.
            const QByteArray a = anahtar.toUtf8(), d = değer.toUtf8();
            özet.addData(QByteArray::number(a.size()) + ':' + a + QByteArray::number(d.size()) + ':' + d);
        }
        özet.addData("|");
    }
    return özet.result().toHex();
}

Yardım YardımıOku(const QString &dosya, const QByteArray &özet)
{
    QFile okunan;
    if (DüzenliDosyayıAç(okunan, dosya) != AçılışSonucu::Açıldı)
        return {};
    const QJsonObject nesne = QJsonDocument::fromJson(okunan.read(EnBüyükDosya)).object();
    const double ipucu = nesne[u"hints"].toDouble(-1);
    if (nesne[u"game"].toString().toLatin1() != özet || ipucu < 0 || ipucu > std::numeric_limits<qint32>::max()
        || ipucu != qint32(ipucu) || !nesne[u"solve"].isBool())
        return {};
    return {qint32(ipucu), nesne[u"solve"].toBool()};
}

void YardımıYaz(const QString &dosya, const QByteArray &özet, const Yardım &yardım)
{
    if (!yardım.VerildiMi()) {
        if (QFileInfo::exists(dosya) && !QFile::remove(dosya))
            throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
        return;
    }
    const QJsonObject nesne{{u"game"_s, QString::fromLatin1(özet)}, {u"hints"_s, yardım.ipucu}, {u"solve"_s, yardım.çözücü}};
    DosyayıBütünYaz(dosya, QJsonDocument(nesne).toJson());
}

QString YardımDosyası()
{
    return KlasördekiDosya(QFileInfo(EnİyiSonuçlarDosyası()).path(), QStringLiteral("YardimKaydi.json"));
}
