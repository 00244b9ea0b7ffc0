#pragma once

#include "DesenTablosu.h"

#include <QString>

// Pattern tables kept in a cache folder, one file a group, named by its tiles. A file holds a
// header naming its tiles, the entries, and a SHA-256 of both; one whose size, header or
// checksum is wrong is never used.

// Loads the table of `tablo.taşlar` from `klasör`; false, with the entries untouched, when
// there is no sound file for it.
bool DesenTablosunuYükle(const QString &klasör, DesenTablosu &tablo);

// Writes the table atomically (a file is either the old one or whole); false when the folder
// cannot take it.
bool DesenTablosunuYaz(const QString &klasör, const DesenTablosu &tablo);
