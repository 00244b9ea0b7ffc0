#pragma once

#include "AyarDeposu.h"
#include "OyunSaati.h"
#include "Tahta.h"

#include <QList>

// The saved game's entries of section "Oyun", one per position in position order: key "Foto-"
// and the position; value the Tag of the tile there, or for the empty place its own number
// followed by "B".
QList<AyarGirdisi> KayıtGirdileri(const Tahta &tahta);

// The four counters of section "Oyun\Bilgiler" as stored.
struct KayıtBilgileri {
    QString saniye, dakika, saat, hamle;
};

struct KayıtlıDurum {
    QList<int> etiketler;
    int boşKonum = 0;
    OyunSaati oyunSaati;
    qint32 hamleSayısı = 0;
};

// Reads a saved game back for an N x N board, taking the entries by their order. Throws
// ÇalışmaHatası with a description of what makes no sense: not one entry per position, tiles
// that are not each piece but the bottom-right one exactly once, not exactly one empty place,
// an empty place that names another position, pieces that no slides can bring home, or a value or
// counter out of range or no number. Stored values are quoted in the description only in part.
KayıtlıDurum KayıtlıOyunuOku(const QList<AyarGirdisi> &girdiler, const KayıtBilgileri &bilgiler, int bölmeSayısı);
