#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `yol` by `bayt` atomically, and only when every byte has reached the
// disk: a full disk, a failed flush or a kill at any moment leaves the old file as it was.
// Throws ÇalışmaHatası 75 with the system's reason when the file could not be written.
void DosyayıBütünYaz(const QString &yol, const QByteArray &bayt);
