#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The player's language. The game's texts are translated by the string table's ids (Dizgeler.h);
// the translations are compiled into the program, one a language, and English needs none.

// The languages the game is translated into, as language codes ("de", "tr").
QStringList ÇeviriDilleri();

// The language to show a player who prefers `tercihler`, most preferred first (as
// QLocale::uiLanguages gives them): the first of them that is English or one of `diller`;
// empty for English, also when none of them is either.
QString SeçilenDil(const QStringList &tercihler, const QStringList &diller);

// Installs the translation of the locale's preferred language: the game's own and, where the
// system has it, Qt's own for the standard buttons and the command line's help. Returns the
// language installed, empty when the game stays in English.
QString ÇevirileriYükle(const QLocale &yerel = QLocale::system());
