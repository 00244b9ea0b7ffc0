#pragma once

#include <QList>
#include <QPair>
#include <QString>

using AyarGirdisi = QPair<QString, QString>;

// The per-user store of text settings: an ordered INI file. Sections keep the order in which
// they were created and keys the order in which they were first written; a "\" in a section
// name nests it ("Oyun\Bilgiler" lies inside "Oyun"). Every change reaches the disk atomically.
class AyarDeposu {
public:
    // Opens the store kept in `dosyaYolu`; a missing file is an empty store. A file that cannot
    // be parsed is copied aside (see BozukDosyaKopyası) and the store starts empty.
    explicit AyarDeposu(QString dosyaYolu);

    // The stored text, or `varsayılan` when the section or the key does not exist.
    QString Oku(const QString &bölüm, const QString &anahtar, const QString &varsayılan = {}) const;

    // Creates section and key as needed and replaces an existing value; a rewritten key keeps
    // its place. Throws ÇalışmaHatası when the file cannot be written (memory then unchanged).
    void Yaz(const QString &bölüm, const QString &anahtar, const QString &değer);

    // Removes the section with its keys and its nested sections. Throws ÇalışmaHatası when the
    // section does not exist or the file cannot be written.
    void BölümüSil(const QString &bölüm);

    // The keys stored directly in the section, in the order they were first written; empty when
    // the section has no keys or does not exist.
    QList<AyarGirdisi> BölümüOku(const QString &bölüm) const;

    const QString &DosyaYolu() const { return dosyaYolu; }

    // Where a damaged file was set aside at opening; empty when the file was sound.
    const QString &BozukDosyaKopyası() const { return bozukDosyaKopyası; }

private:
    struct Bölüm {
        QString ad;
        QList<AyarGirdisi> girdiler;
    };
    void Kaydet(const QList<Bölüm> &yeni);

    QString dosyaYolu;
    QString bozukDosyaKopyası;
    QList<Bölüm> bölümler;
};

// The folder that holds the settings files: the user's configuration folder unless a test
// points it elsewhere.
QString AyarKlasörü();
void AyarKlasörünüBelirle(const QString &klasör);

// The store of the application `AyarUygulaması`, opened on first use in AyarKlasörü() as
// "<application name with \ as />.ini". AyarlarıKapat drops it, so the next use reads the file anew.
AyarDeposu &Ayarlar();
void AyarlarıKapat();
