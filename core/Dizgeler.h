#pragma once

#include <QHash>
#include <QString>

// The numbered string table of every text the player sees, compiled into the program.
const QHash<int, QString> &DizgeTablosu();

// The text of string `kimlik`; throws ÇalışmaHatası when the table has no such string.
QString Dizge(int kimlik);

// Replaces the table (tests use it to take a string away); an empty table restores the built-in one.
void DizgeTablosunuDeğiştir(QHash<int, QString> yeni);
