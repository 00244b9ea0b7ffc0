#pragma once

#include <QString>

// Process-wide values shared by every window.

// The executable's folder, always ending in exactly one "/".
inline QString ProgramKlasörü;
// The settings application name: "Orvane\" and the product name.
inline QString AyarUygulaması;
// The platform reports the modern (NT-like) family.
inline bool NTMi = false;
// Full path of the current photo.
inline QString FotoğrafYolu;
// Division index: 0 = 3 x 3, 1 = 4 x 4, 2 = 5 x 5.
inline qint16 SonBölme = 0;
