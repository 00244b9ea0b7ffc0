#pragma once

#include <QFile>
#include <QString>

enum class AçılışSonucu { Açıldı, Yok, DüzenliDosyaDeğil, Okunamıyor };

// Opens `yol` for reading into `dosya` when it names a regular file. A FIFO, a socket or a device
// named where a file is expected is never opened for good: opening a FIFO for reading waits for
// a writer, for ever, and no signal could end the wait. The open itself never blocks.
AçılışSonucu DüzenliDosyayıAç(QFile &dosya, const QString &yol);
