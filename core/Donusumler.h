#pragma once

#include <QString>

// Conversions of stored or designed text to numbers, failing as the classic runtime does:
// text that is no number is a type mismatch (13), a number too large for its type an overflow (6).
// Surrounding blanks are allowed; a fraction is rounded to the nearest integer, half to even.
qint16 Tamsayıya(const QString &metin);
float TekDuyarlığa(const QString &metin);
