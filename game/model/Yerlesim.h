#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the tiles of an N x N division lie inside the board's frame, in twips.
struct Yerleşim {
    static constexpr int SolKenar = 210;
    static constexpr int ÜstKenar = 300;
    static constexpr int Aralık = 22;
    static constexpr int ÇerçeveGenişliği = 5745;
    static constexpr int ÇerçeveYüksekliği = 4485;
};

// The size of one tile (twips) for a frame of the given size.
QSize ParçaBoyutu(int bölmeSayısı, QSize çerçeve = {Yerleşim::ÇerçeveGenişliği, Yerleşim::ÇerçeveYüksekliği});

// The top-left corner (twips) of position `konum`.
QPoint ParçaKonumu(int konum, int bölmeSayısı, QSize parçaBoyutu);

// The rectangle of the photo (its own pixels) that piece `parça` shows. Every cell has the same
// rounded size and is placed by rounding its own start, so at some joins one column or row of
// the photo belongs to no piece, or to two. A cell never lies outside the photo and is never
// empty, however small the photo.
QRect ParçaKaynağı(int parça, int bölmeSayısı, QSize fotoğraf);
