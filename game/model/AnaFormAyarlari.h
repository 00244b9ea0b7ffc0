#pragma once

#include "AyarDeposu.h"
#include "CalismaHatasi.h"

#include <QSize>
#include <QString>
#include <Qt>

#include <optional>
#include <variant>

// A stored value converted for its use, or the error its conversion raised: the load reports
// the error at the step that uses the value, in the load's own order.
template <typename T>
class Okunan {
public:
    Okunan(T değer) : içerik(std::move(değer)) {}
    Okunan(ÇalışmaHatası hata) : içerik(std::move(hata)) {}

    // The value; throws the conversion's error.
    const T &Değer() const
    {
        if (const auto *hata = std::get_if<ÇalışmaHatası>(&içerik))
            throw *hata;
        return std::get<T>(içerik);
    }

private:
    std::variant<T, ÇalışmaHatası> içerik;
};

// The main window's left and top edges in pixels; an edge that is not stored is none, and the
// window is centred that way.
struct PencereYeri {
    std::optional<int> sol;
    std::optional<int> üst;
};

// Section "Ayarlar" as the main window keeps it: its options, the division, the photo and its
// place. The saved game is the game session's.
struct AnaFormAyarları {
    Okunan<Qt::CheckState> örnekGöster = Qt::Checked;
    Okunan<Qt::CheckState> sesleriKapat = Qt::Unchecked;
    Okunan<Qt::CheckState> oyunuKaydet = Qt::Unchecked;
    QString sonFotoğraf;
    Okunan<qint16> sonBölme = qint16(0);
    Okunan<PencereYeri> yer = PencereYeri{};

    // Reads every key with its default ("Son Fotograf" defaults to `varsayılanFotoğraf`).
    static AnaFormAyarları Oku(const AyarDeposu &depo, const QString &varsayılanFotoğraf);

    // Writes every key in the stored order, each failure skipped: the place only when both edges
    // are known (a window in its normal state).
    void Yaz(AyarDeposu &depo) const;
};

// The window's size and state, kept in the game's own options apart from the classic settings:
// the client area the window has in its normal state (logical pixels; none when not stored or
// senseless), and whether it fills the screen's work area or the whole screen.
struct PencereDurumu {
    std::optional<QSize> alan;
    bool ekranıKaplar = false;
    bool tamEkran = false;

    static PencereDurumu Oku(const AyarDeposu &depo);
    // Throws ÇalışmaHatası when the file cannot be written.
    void Yaz(AyarDeposu &depo) const;
};
