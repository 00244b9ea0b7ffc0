#include "KayitliOyun.h"

#include "CalismaHatasi.h"

#include <QRegularExpression>

#include <limits>
#include <optional>

namespace {

[[noreturn]] void Anlamsız(int numara, const QString &neden)
{
    throw ÇalışmaHatası(numara, QStringLiteral("The saved game cannot be resumed: %1").arg(neden));
}

// A stored value as the error text quotes it: a hostile file may hold megabytes in one value.
QString Alıntı(const QString &metin)
{
    constexpr qsizetype EnUzun = 24;
    return metin.size() <= EnUzun ? metin : metin.left(EnUzun) + QStringLiteral("...");
}

// A whole number of plain decimal digits within [0, enÇok]; none otherwise.
std::optional<qint64> Sayı(const QString &metin, qint64 enÇok)
{
    static const QRegularExpression rakamlar(QStringLiteral("^[0-9]{1,10}$"));
    if (metin.size() > 10 || !rakamlar.match(metin).hasMatch())
        return std::nullopt;
    const qint64 değer = metin.toLongLong();
    return değer <= enÇok ? std::optional(değer) : std::nullopt;
}

qint64 Sayaç(const QString &metin, qint64 enÇok, const char *ad)
{
    const auto değer = Sayı(metin.isEmpty() ? QStringLiteral("0") : metin, enÇok);
    if (!değer)
        Anlamsız(HataNo::GeçersizÖzellikDeğeri,
                 QStringLiteral("its %1 \"%2\" is not a number from 0 to %3.")
                     .arg(QLatin1String(ad), Alıntı(metin), QString::number(enÇok)));
    return *değer;
}

}  // namespace

QList<AyarGirdisi> KayıtGirdileri(const Tahta &tahta)
{
    QList<AyarGirdisi> girdiler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum) {
        const QString değer = konum == tahta.BoşParçaNo() ? QString::number(konum) + QLatin1Char('B')
                                                          : QString::number(tahta.Etiket(konum));
        girdiler.append({QStringLiteral("Foto-%1").arg(konum), değer});
    }
    return girdiler;
}

KayıtlıDurum KayıtlıOyunuOku(const QList<AyarGirdisi> &girdiler, const KayıtBilgileri &bilgiler, int bölmeSayısı)
{
    const int konumSayısı = bölmeSayısı * bölmeSayısı;
    if (girdiler.size() != konumSayısı)
        Anlamsız(HataNo::AltSimgeAralıkDışı, QStringLiteral("it has %1 places, a %2 x %2 board has %3.")
                                                 .arg(girdiler.size())
                                                 .arg(bölmeSayısı)
                                                 .arg(konumSayısı));
    KayıtlıDurum oyun;
    oyun.boşKonum = -1;
    QList<bool> yerinde(konumSayısı - 1, false);
    for (int konum = 0; konum < konumSayısı; ++konum) {
        const QString &değer = girdiler[konum].second;
        if (değer.endsWith(QLatin1Char('B'))) {
            if (oyun.boşKonum >= 0)
                Anlamsız(HataNo::GeçersizÖzellikDeğeri, QStringLiteral("it has more than one empty place."));
            if (Sayı(değer.chopped(1), konumSayısı - 1) != konum)
                Anlamsız(HataNo::GeçersizÖzellikDeğeri,
                         QStringLiteral("place %1 is marked empty as \"%2\".").arg(konum).arg(Alıntı(değer)));
            oyun.boşKonum = konum;
            oyun.etiketler.append(konum);
            continue;
        }
        const auto parça = Sayı(değer, konumSayısı - 2);
        if (!parça)
            Anlamsız(HataNo::TürUyuşmazlığı,
                     QStringLiteral("place %1 holds \"%2\", which is no piece of a %3 x %3 board.")
                         .arg(QString::number(konum), Alıntı(değer), QString::number(bölmeSayısı)));
        if (std::exchange(yerinde[*parça], true))
            Anlamsız(HataNo::GeçersizÖzellikDeğeri, QStringLiteral("it holds piece %1 twice.").arg(*parça));
        oyun.etiketler.append(int(*parça));
    }
    if (oyun.boşKonum < 0)
        Anlamsız(HataNo::GeçersizÖzellikDeğeri, QStringLiteral("it has no empty place."));
    if (!ÇözülebilirMi(oyun.etiketler, oyun.boşKonum))
        Anlamsız(HataNo::GeçersizÖzellikDeğeri, QStringLiteral("no slides can bring its pieces back in order."));
    oyun.oyunSaati.saniye = quint8(Sayaç(bilgiler.saniye, 59, "seconds"));
    oyun.oyunSaati.dakika = quint8(Sayaç(bilgiler.dakika, 59, "minutes"));
    oyun.oyunSaati.saat = quint8(Sayaç(bilgiler.saat, 23, "hours"));
    oyun.hamleSayısı = qint32(Sayaç(bilgiler.hamle, std::numeric_limits<qint32>::max(), "click count"));
    return oyun;
}
