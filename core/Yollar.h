#pragma once

#include <QString>
#include <QStringList>

// A folder path that ends in exactly one "/", also for the root folder.
QString AyırıcıylaBiten(const QString &klasör);

// A file's full path in a folder: one "/" between them, also in the root folder.
QString KlasördekiDosya(const QString &klasör, const QString &dosyaAdı);

// The names a damaged file may be kept under beside itself, in the order to try them:
// "<path>.damaged-<date>-<time>", then the same with "-2" up to "-100".
QStringList BozukKopyaAdları(const QString &yol);
