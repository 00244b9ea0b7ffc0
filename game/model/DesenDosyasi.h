#pragma once

#include "DesenTablosu.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

// The pattern tables of one partition of an n x n board in one file: a header naming the board
// and the groups, then each group's table as SıkıDesen packs it followed by a 64-bit checksum.
// A file whose size, header or checksums are not exactly those of the partition is never used.

// "desen-4x4.bin", "desen-5x5.bin": the same name beside the program and in the cache folder.
QString DesenDosyasıAdı(int n);

// The file's bytes for the partition's tables, packed, in the order of its groups.
QByteArray DesenDosyasıBaytları(int n, const DesenBölümü &bölüm, const std::vector<std::vector<std::uint8_t>> &tablolar);

// Writes a table file whole into `klasör`, under DesenDosyasıAdı(n). Throws ÇalışmaHatası, with
// the system's reason and the old file as it was, when the folder cannot take it.
void DesenDosyasınıYaz(const QString &klasör, int n, const QByteArray &baytlar);

// Where each group's table lies within `baytlar`, when they are a whole file of this partition;
// empty otherwise.
std::vector<const std::uint8_t *> DesenTabloları(const uchar *baytlar, qint64 boyut, int n, const DesenBölümü &bölüm);

// A table file mapped read-only, the tables valid while it lives.
class EşlenmişDesenDosyası {
public:
    // Nothing when there is no regular file at `yol`, or it is not a whole file of the partition.
    static std::unique_ptr<EşlenmişDesenDosyası> Aç(const QString &yol, int n, const DesenBölümü &bölüm);

    const std::vector<const std::uint8_t *> &Tablolar() const { return tablolar; }

private:
    QFile dosya;
    std::vector<const std::uint8_t *> tablolar;
};
