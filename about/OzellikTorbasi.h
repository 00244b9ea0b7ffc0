#pragma once

#include <QFont>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A font as a control keeps it. Text here is Unicode, so the character set changes nothing on
// screen; it is kept so that a stored font reads back as it was written.
struct YazıTipi {
    // The character set of a font that names none: whatever the system uses.
    static constexpr int VarsayılanKarakterKümesi = 1;

    QFont yazı;
    int karakterKümesi = VarsayılanKarakterKümesi;

    bool operator==(const YazıTipi &) const = default;
};

// The named values in which a control keeps its properties between sessions. Keys are matched
// without regard to case, stored in lower case, and keep the order in which they were first
// written. Reading an absent key gives the caller's default; writing a value equal to the
// caller's default stores nothing.
//
// As text, a bag is a JSON array of [key, value] pairs: strings and Booleans as themselves,
// colours as "0x" and eight hex digits, fonts as an object with "name", "size", "weight",
// "italic", "underline", "strikethrough" and "charset".
class ÖzellikTorbası {
public:
    // Reading throws ÇalışmaHatası 13 (type mismatch) when the stored value is not of the kind
    // asked for, and 380 (invalid property value) when it is out of range.
    QString MetinOku(const QString &anahtar, const QString &varsayılan) const;
    bool MantıksalOku(const QString &anahtar, bool varsayılan) const;
    quint32 RenkOku(const QString &anahtar, quint32 varsayılan) const;
    // Attributes the stored font leaves out are taken from `varsayılan`.
    YazıTipi YazıTipiOku(const QString &anahtar, const YazıTipi &varsayılan) const;

    void MetinYaz(const QString &anahtar, const QString &değer, const QString &varsayılan);
    void MantıksalYaz(const QString &anahtar, bool değer, bool varsayılan);
    void RenkYaz(const QString &anahtar, quint32 değer, quint32 varsayılan);
    void YazıTipiYaz(const QString &anahtar, const YazıTipi &değer, const YazıTipi &varsayılan);

    // The stored keys, in order.
    QStringList Anahtarlar() const;

    QByteArray Metin() const;
    // Throws ÇalışmaHatası 380 when the text is no bag.
    static ÖzellikTorbası Çözümle(const QByteArray &metin);
    // Throws ÇalışmaHatası 53 when the file cannot be read, 380 when it holds no bag.
    static ÖzellikTorbası Yükle(const QString &dosyaYolu);

private:
    const QJsonValue *Bul(const QString &anahtar) const;
    void Ata(const QString &anahtar, const QJsonValue &değer);
    void Yaz(const QString &anahtar, const QJsonValue &değer, bool varsayılanMı);
    void Sil(const QString &anahtar);

    QList<QPair<QString, QJsonValue>> girdiler;
};
