#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <optional>

using AyarGirdisi = QPair<QString, QString>;

// The per-user store of text settings: an ordered INI file. Sections keep the order in which
// they were created and keys the order in which they were first written; a "\" in a section
// name nests it ("Oyun\Bilgiler" lies inside "Oyun"); names match exactly, case included. Every
// change reaches the disk atomically, rewriting the whole file from memory.
//
// The file is UTF-8: "[section]" lines with the name verbatim, then "key=value" lines. Keys and
// values are escaped so that any text comes back exactly: \\ \n \r \t, \uXXXX for other control
// characters and lone surrogates, \s for a blank at either end (other blanks there as \uXXXX),
// and in keys \= as well as \[ \; \# at the start. Blank lines and lines starting with ";" or "#"
// are ignored when reading.
class AyarDeposu {
public:
    // Opens the store kept in `dosyaYolu`; a missing file is an empty store. A file that cannot
    // be parsed, or far larger than any settings file, is set aside (see BozukDosyaKopyası) and
    // the store starts empty; a link to such a file is set aside itself, so the next write makes
    // a regular file in its place instead of writing through it. A file that exists but cannot
    // be read, or is no regular file, leaves the store empty and refuses every write, so it
    // survives.
    explicit AyarDeposu(QString dosyaYolu);

    // The stored text, or `varsayılan` when the section or the key does not exist.
    QString Oku(const QString &bölüm, const QString &anahtar, const QString &varsayılan = {}) const;

    // Creates section and key as needed and replaces an existing value; a rewritten key keeps
    // its place. Throws ÇalışmaHatası when the file cannot be written (memory then unchanged),
    // and GeçersizÇağrı for a section name holding a control character or "]".
    void Yaz(const QString &bölüm, const QString &anahtar, const QString &değer);

    // Removes the section with its keys and its nested sections. Throws ÇalışmaHatası when the
    // section does not exist (neither it nor a section nested in it) or the file cannot be
    // written.
    void BölümüSil(const QString &bölüm);

    // The keys stored directly in the section, in the order they were first written; empty when
    // the section has no keys or does not exist.
    QList<AyarGirdisi> BölümüOku(const QString &bölüm) const;

    // Runs `değişiklikler`, any number of Yaz and BölümüSil calls on this store, and writes the
    // file once at the end: a crash or a kill at any moment leaves the file as it was before or
    // with every change, never some of them. A change that throws inside is left out, as it
    // would be on its own; when the final write fails (a full disk), nothing has changed and
    // ÇalışmaHatası is thrown with the system's reason as its description. A store that refuses
    // every write throws at once.
    void TekYazımda(const std::function<void()> &değişiklikler);

    // Where a damaged file was set aside at opening; empty when the file was sound.
    const QString &BozukDosyaKopyası() const { return bozukDosyaKopyası; }

    // A section as the file holds it. The file's text is made and read by the two functions
    // below alone, so the format can be checked apart from the disk.
    struct Bölüm {
        QString ad;
        QList<AyarGirdisi> girdiler;
        bool operator==(const Bölüm &) const = default;
    };
    static QByteArray Yazıya(const QList<Bölüm> &bölümler);
    // The sections held in `bayt`, or nothing when the bytes are not a sound settings file. Takes
    // time in proportion to the bytes, however many sections and keys they hold.
    static std::optional<QList<Bölüm>> Ayrıştır(const QByteArray &bayt);

private:
    // Writes `yeni` to the file atomically and only then takes it as the store's content; inside
    // TekYazımda it only takes it, and the write waits for the end.
    void Kaydet(const QList<Bölüm> &yeni);
    void DosyayaYaz(const QList<Bölüm> &yeni) const;

    QString dosyaYolu;
    QString bozukDosyaKopyası;
    QList<Bölüm> bölümler;
    // The file on disk could not be read or set aside: it must not be replaced.
    bool yazmaKapalı = false;
    // Inside TekYazımda: changes wait in memory for the one write at its end.
    bool tekYazım = false;
    bool bekleyenDeğişiklik = false;
};

// The folder that holds the settings files: the user's configuration folder unless a test
// points it elsewhere.
QString AyarKlasörü();
void AyarKlasörünüBelirle(const QString &klasör);

// The store of the application `AyarUygulaması`, opened on first use in AyarKlasörü() as
// "<application name with \ as />.ini". AyarlarıKapat drops it, so the next use reads the file anew.
AyarDeposu &Ayarlar();

// The game's own options, apart from the classic settings: "tilora/tilora.ini" in AyarKlasörü(),
// opened on first use. AyarlarıKapat drops it too.
AyarDeposu &OyunSeçenekleri();

void AyarlarıKapat();
