#pragma once

#include <QList>

// A position whose Tag holds the empty text.
inline constexpr int EtiketYok = -1;

// The board: N x N positions numbered row by row from the top-left, the Tag of each (the
// number of the piece it shows) and the empty place. A Tag is what the board says a position
// shows; the empty place keeps whatever Tag it had last, as the slides leave it.
class Tahta {
public:
    explicit Tahta(int bölmeSayısı = 3);

    int BölmeSayısı() const { return bölmeSayısı; }
    int KonumSayısı() const { return bölmeSayısı * bölmeSayısı; }
    int BoşParçaNo() const { return boşParçaNo; }
    int Etiket(int konum) const { return etiketler.value(konum, EtiketYok); }

    // A new division: no position has a Tag yet; the bottom-right position is the empty place.
    void Böl(int yeniBölmeSayısı);

    // A new deal: positions take the pieces of `dağıtım` (one per position); the bottom-right
    // position is the empty place and keeps the Tag of the piece it would show.
    void Dağıt(const QList<int> &dağıtım);

    // A saved game laid back: every position's Tag and the empty place.
    void Yerleştir(const QList<int> &yeniEtiketler, int boşKonum);

    // True when the tile at `tıklanan` lies directly left, right, above or below the empty place.
    bool KomşuMu(int tıklanan) const;

    // Slides the tile at `tıklanan` into the empty place, which moves to `tıklanan`; the Tag of
    // the new empty place stays as it was. False, with nothing changed, when it is no neighbour.
    bool Kaydır(int tıklanan);

    // True when every position but the bottom-right one holds its own piece.
    bool TamamlandıMı() const;

private:
    int bölmeSayısı;
    int boşParçaNo;
    QList<int> etiketler;
};

// True when slides can bring the board home: every position but the empty place `boşKonum`
// holds one of the pieces 0..N²-2 once (the Tag at the empty place is not looked at). Exactly
// half of all arrangements can: those whose permutation, with the empty place counted as piece
// N²-1, is as even as the empty place's distance from the bottom-right corner.
bool ÇözülebilirMi(const QList<int> &etiketler, int boşKonum);
