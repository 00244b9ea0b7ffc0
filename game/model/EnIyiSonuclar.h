#pragma once

#include <QDate>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>

// Which photo at which division a result belongs to: the photo known by its path and its own
// size W_p x H_p, so a different picture saved under the same name starts afresh.
struct SonuçAnahtarı {
    int bölmeSayısı = 3;
    QString fotoğrafYolu;
    QSize fotoğrafBoyutu;

    bool operator==(const SonuçAnahtarı &) const = default;
};

// The best of the completed games of one photo at one division; the two may come from
// different games.
struct EnİyiSonuç {
    qint64 saniye = 0;
    qint32 hamle = 0;
    // The day the later of the two was set; none in a file written before days were kept.
    QDate tarih;
};

// One photo at one division and its best results, as the records window lists them.
struct SonuçSatırı {
    SonuçAnahtarı anahtar;
    EnİyiSonuç sonuç;
};

// What a completed game beat. The first completion of a photo at a division beats both.
struct Yenilik {
    bool süre = false;
    bool hamle = false;
};

// The best results of every photo and division, kept in a JSON file of their own, written
// atomically. A file that is no sound results file, or larger than the reader takes, is set
// aside under a new name and the results start empty; it is replaced at the next write. A file
// that cannot be read, or a damaged one that cannot be set aside, is never written over.
class EnİyiSonuçlar {
public:
    explicit EnİyiSonuçlar(QString dosyaYolu);

    std::optional<EnİyiSonuç> Bul(const SonuçAnahtarı &anahtar) const;

    // Takes in a game of `saniye` seconds and `hamle` clicks completed on `gün`; what it beat is
    // to be written with Kaydet.
    Yenilik Ekle(const SonuçAnahtarı &anahtar, qint64 saniye, qint32 hamle, QDate gün = QDate::currentDate());

    // Every photo and division: by the photo's file name as people sort words, then its folder,
    // then the division.
    QList<SonuçSatırı> Tümü() const;

    // Forgets every result and writes the empty file. Throws ÇalışmaHatası when it cannot; the
    // results are then kept.
    void Temizle();

    // Writes the results to the file at once, as many as the reader takes: when they would not
    // fit, the photos left longest unplayed are dropped. Throws ÇalışmaHatası with the system's
    // reason when it cannot write; the results are then kept for as long as the program runs.
    void Kaydet() const;

    // Where a damaged file was set aside when it was read; empty when it was sound.
    const QString &BozukDosyaKopyası() const { return bozukDosyaKopyası; }

private:
    void Yaz(const QList<SonuçSatırı> &yazılacak) const;
    static QByteArray Yazıya(const QList<SonuçSatırı> &yazılacak);

    QString dosyaYolu;
    QString bozukDosyaKopyası;
    QList<SonuçSatırı> kayıtlar;
    bool yazmaKapalı = false;
};

// The results file: in the user's data folder unless a test points it elsewhere.
QString EnİyiSonuçlarDosyası();
void EnİyiSonuçlarKlasörünüBelirle(const QString &klasör);

// The line shown with the congratulation when a game beat a best result; empty when it beat none.
QString YenilikMetni(const Yenilik &yenilik, int bölmeSayısı);

// The best results of a photo at a division as the player reads them, or that there are none
// yet; then where to see them all.
QString EnİyiSonuçMetni(const std::optional<EnİyiSonuç> &sonuç, int bölmeSayısı);
