#pragma once

#include "Tahta.h"

#include <QString>

// What a screen reader says of position `konum`: the piece it shows and where it lies (rows,
// columns and pieces counted from 1), or that it is the empty place. During a game the empty
// place shows no piece and every other position the piece of its Tag; without a game the photo
// lies whole, every position showing its own piece.
QString KonumAdı(const Tahta &tahta, int konum, bool oyunSürüyor);

// What the board tells a screen reader after a slide has brought a piece to position `konum`.
QString KaymaAdı(const Tahta &tahta, int konum);

// What the board tells a screen reader when a hint names the tile at position `konum`.
QString İpucuAdı(const Tahta &tahta, int konum);
