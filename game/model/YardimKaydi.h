#pragma once

#include "AyarDeposu.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The help the solver gave in one game: the hints shown and whether Solve slid tiles. A helped
// game is never the player's own, however it ends.
struct Yardım {
    qint32 ipucu = 0;
    bool çözücü = false;

    bool VerildiMi() const { return ipucu > 0 || çözücü; }
    bool operator==(const Yardım &) const = default;
};

// What identifies a saved game: a digest of its entries, positions and counters alike, so that a
// saved game edited or replaced by hand is another game.
QByteArray KayıtlıOyunÖzeti(const QList<AyarGirdisi> &konumlar, const QList<AyarGirdisi> &bilgiler);

// The help given in the saved game `özet`, kept in the JSON file `dosya`. No help when the file
// is missing, damaged, or speaks of another saved game.
Yardım YardımıOku(const QString &dosya, const QByteArray &özet);

// Keeps the help given in the saved game `özet` in `dosya`, atomically; a game without help
// leaves no file. Throws ÇalışmaHatası when it cannot.
void YardımıYaz(const QString &dosya, const QByteArray &özet, const Yardım &yardım);

// The help file: beside the best results.
QString YardımDosyası();
