#pragma once

#include <QLocale>
#include <QString>

// The game clock: how long the running game has been played, one tick a second.
struct OyunSaati {
    quint8 saniye = 0;
    quint8 dakika = 0;
    quint8 saat = 0;

    // One second more. True when the clock has reached 24 hours: the caller tells the player
    // and resets it.
    bool İlerle();
    void Sıfırla() { saniye = dakika = saat = 0; }
    qint64 ToplamSaniye() const { return saat * 3600 + dakika * 60 + saniye; }
};

// The locale's long time format for hours, minutes and seconds, without its time zone;
// "HH:mm:ss" where the locale gives nothing usable.
QString UzunSaatBiçimi(const QLocale &yerel = QLocale());

// The clock read as a time of day in the long time format.
QString SaatMetni(const OyunSaati &oyunSaati, const QLocale &yerel = QLocale());

// The time in hours, minutes and seconds, the parts that are not 0 ("1 minute, 5 second");
// empty at 0:00:00.
QString SüreMetni(const OyunSaati &oyunSaati);

// A length of time as a person writes it, each unit in the wording its number calls for:
// "1 hour 2 minutes", "1 minute 5 seconds", "30 seconds"; "0 seconds" for none.
QString OkunanSüre(qint64 saniye);

// The congratulation: the time as SüreMetni writes it and the click count.
QString TebrikMetni(const OyunSaati &oyunSaati, qint32 hamleSayısı);
