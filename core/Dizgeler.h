#pragma once

#include <QHash>
#include <QString>

// The numbered string table of every text the player sees, compiled into the program. Its texts
// are the English ones; a translation of the player's language, once installed (Çeviriler.h),
// gives each id's text in that language, and an id it lacks keeps its English.

const QHash<int, QString> &DizgeTablosu();

// The text of string `kimlik`; throws ÇalışmaHatası when the table has no such string.
QString Dizge(int kimlik);

// The text of string `kimlik` for the number `sayı`, which stands in it as %n, in the wording the
// number calls for: such a string is kept in the table as its forms ("one", "other"), as in
// "%n minute" and "%n minutes", and a translation has as many forms as its language needs.
// Throws ÇalışmaHatası when the table has no such string.
QString DizgeSayılı(int kimlik, qint64 sayı);

// The ids of the strings whose wording follows a number.
QList<int> SayılıDizgeler();

// Replaces the table (tests use it to take a string away); an empty table restores the built-in one.
void DizgeTablosunuDeğiştir(QHash<int, QString> yeni);
