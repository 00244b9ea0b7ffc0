#pragma once

#include "AyarDeposu.h"
#include "CalismaHatasi.h"

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
