#pragma once

#include "SurumDenetimi.h"

#include <QRect>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

enum class MesajDüğmeleri { Tamam, EvetHayır };
enum class MesajSimgesi { Bilgi, Soru, Kritik };
enum class MesajYanıtı { Tamam, Evet, Hayır };

struct MesajKutusuİsteği {
    QString metin;
    MesajDüğmeleri düğmeler = MesajDüğmeleri::Tamam;
    MesajSimgesi simge = MesajSimgesi::Bilgi;
    QString başlık;
    // The outer frame (screen pixels) of the window the box is to be centred over, when the
    // caller asked for centring; the screen when no window was active.
    std::optional<QRect> ortalanacağıPencere;
    // One more line under the text, set in a lighter weight; none when empty.
    QString ekMetin;
};

// The platform services the program uses, each behind a seam that tests replace with fakes.
struct Ortam {
    std::function<MesajYanıtı(const MesajKutusuİsteği &)> mesajKutusu;
    std::function<bool()> sesAygıtıVar;
    // Starts one of "DUR", "TAMAM", "TEBRIK" and returns at once; cuts off a sound still playing.
    std::function<void(const QString &ad)> sesÇal;
    // Asks the desktop to open an address; a failure is ignored.
    std::function<void(const QUrl &)> adresAç;
    // Ends the process at once: no window is asked and nothing is saved.
    std::function<void()> programıSonlandır;
    std::function<std::optional<SürümKaydı>()> sürümSorgula;
    // Uniform in [0, 1).
    std::function<float()> rastgele;
};

// The services in use: the real ones unless a test has replaced them.
Ortam &ortam();
