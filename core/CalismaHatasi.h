#pragma once

#include <QString>

// The classic runtime error numbers, so that the error report reads as players of such
// programs expect.
namespace HataNo {
inline constexpr int GeçersizÇağrı = 5;
inline constexpr int Taşma = 6;
inline constexpr int BellekYetersiz = 7;
inline constexpr int AltSimgeAralıkDışı = 9;
inline constexpr int TürUyuşmazlığı = 13;
inline constexpr int KaynakBulunamadı = 326;
inline constexpr int DosyaBulunamadı = 53;
inline constexpr int DosyaErişimHatası = 75;
inline constexpr int DenetimDizisiÖğesiYok = 340;
inline constexpr int GeçersizÖzellikDeğeri = 380;
inline constexpr int GeçersizResim = 481;
}  // namespace HataNo

// A failing step of a handler: an error number and its description.
class ÇalışmaHatası {
public:
    explicit ÇalışmaHatası(int numara);
    ÇalışmaHatası(int numara, QString açıklama);

    int Numara() const { return numara; }
    const QString &Açıklama() const { return açıklama; }

private:
    int numara;
    QString açıklama;
};

// The runtime's own description of a classic error number ("" for numbers it does not know).
QString StandartAçıklama(int numara);
