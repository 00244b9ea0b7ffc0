#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// What the command line asks: `tilora [PHOTO]`, or the help, or the version.
struct KomutSatırı {
    enum class İstek { Oyna, Yardım, Sürüm, Hata };
    İstek istek = İstek::Oyna;
    // The photo to play with, as an absolute path; empty when none was given.
    QString fotoğraf;
    // What to print: the help, the version, or what is wrong with the arguments.
    QString metin;
};

// Reads the program's arguments, its own name first. A relative photo path is taken from `klasör`.
// The help and the version are asked for even among wrong arguments.
KomutSatırı KomutSatırınıOku(const QStringList &argümanlar, const QString &klasör = QDir::currentPath());
