#include "OyunSaati.h"

#include "Dizgeler.h"

#include <QRegularExpression>
#include <QTime>

bool OyunSaati::İlerle()
{
    if (++saniye == 60) {
        ++dakika;
        saniye = 0;
    }
    if (dakika == 60) {
        ++saat;
        dakika = 0;
    }
    return saat == 24;
}

QString UzunSaatBiçimi(const QLocale &yerel)
{
    const QString yerelBiçim = yerel.timeFormat(QLocale::LongFormat);
    QString biçim;
    bool tırnakta = false;
    for (const QChar harf : yerelBiçim) {
        if (harf == QLatin1Char('\''))
            tırnakta = !tırnakta;
        if (tırnakta || harf != QLatin1Char('t'))
            biçim += harf;
    }
    // What stood around the time zone: brackets left empty and doubled blanks.
    static const QRegularExpression boşParantez(QStringLiteral("[(\\[]\\s*[)\\]]"));
    static const QRegularExpression fazlaBoşluk(QStringLiteral("\\s{2,}"));
    biçim = biçim.remove(boşParantez).replace(fazlaBoşluk, QStringLiteral(" ")).trimmed();
    const bool tamMı = biçim.contains(QLatin1Char('h'), Qt::CaseInsensitive) && biçim.contains(QLatin1Char('m'))
                       && biçim.contains(QLatin1Char('s'));
    return tamMı ? biçim : QStringLiteral("HH:mm:ss");
}

QString SaatMetni(const OyunSaati &oyunSaati, const QLocale &yerel)
{
    return yerel.toString(QTime(oyunSaati.saat, oyunSaati.dakika, oyunSaati.saniye), UzunSaatBiçimi(yerel));
}

QString SüreMetni(const OyunSaati &oyunSaati)
{
    const auto bölüm = [](quint8 değer, int dizge) {
        return değer != 0 ? DizgeSayılı(dizge, değer) : QString();
    };
    return bölüm(oyunSaati.saat, 1100) + bölüm(oyunSaati.dakika, 1200) + bölüm(oyunSaati.saniye, 1250);
}

QString OkunanSüre(qint64 saniye)
{
    QStringList bölümler;
    for (const auto &[değer, dizge] : {std::pair{saniye / 3600, 3400}, {saniye / 60 % 60, 3401}, {saniye % 60, 3402}})
        if (değer != 0)
            bölümler.append(DizgeSayılı(dizge, değer));
    return bölümler.isEmpty() ? DizgeSayılı(3402, 0) : bölümler.join(QLatin1Char(' '));
}

QString TebrikMetni(const OyunSaati &oyunSaati, qint32 hamleSayısı)
{
    return Dizge(1300) + QStringLiteral("\n\n") + Dizge(1320) + SüreMetni(oyunSaati) + QStringLiteral("\n\n")
           + Dizge(1340) + QString::number(hamleSayısı);
}
