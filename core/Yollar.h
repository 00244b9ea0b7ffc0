#pragma once

#include <QString>

// A folder path that ends in exactly one "/", also for the root folder.
QString AyırıcıylaBiten(const QString &klasör);

// A file's full path in a folder: one "/" between them, also in the root folder.
QString KlasördekiDosya(const QString &klasör, const QString &dosyaAdı);
