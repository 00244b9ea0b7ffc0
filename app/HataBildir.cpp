#include "HataBildir.h"

#include "Dizgeler.h"
#include "MesajKutusu.h"
#include "SistemKapanisi.h"

#include <exception>
#include <new>

QString HataMetni(int numara, const QString &açıklama)
{
    return Dizge(40) + QStringLiteral("\n\n") + Dizge(50) + QLatin1Char(' ') + QString::number(numara)
           + QStringLiteral("\n\n") + Dizge(60) + QLatin1Char(' ') + açıklama;
}

void HataBildir(const ÇalışmaHatası &hata)
{
    MesajKutusunuOrtala();
    const MesajYanıtı yanıt = MesajGöster(HataMetni(hata.Numara(), hata.Açıklama()),
                                          MesajDüğmeleri::EvetHayır, MesajSimgesi::Kritik, Dizge(70));
    // Closed by the system rather than answered: the close the system asked for saves as usual.
    if (yanıt != MesajYanıtı::Evet && !SistemKapanışı::İstendi())
        ortam().programıSonlandır();
}

void Adım(HataTarzı tarz, const std::function<void()> &iş)
{
    std::optional<ÇalışmaHatası> hata;
    try {
        iş();
    } catch (const ÇalışmaHatası &h) {
        hata = h;
    } catch (const std::bad_alloc &) {
        hata = ÇalışmaHatası(HataNo::BellekYetersiz);
    } catch (const std::exception &h) {
        hata = ÇalışmaHatası(HataNo::GeçersizÇağrı, QString::fromLocal8Bit(h.what()));
    }
    if (hata && tarz == HataTarzı::Bildir)
        HataBildir(*hata);
}
