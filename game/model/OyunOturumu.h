#pragma once

#include "AyarDeposu.h"
#include "OkHamlesi.h"
#include "OyunGecmisi.h"
#include "OyunSaati.h"
#include "Tahta.h"
#include "YardimKaydi.h"

#include <QList>

#include <functional>
#include <optional>

// What one input did to the game.
struct Hamle {
    enum class Sonuç {
        OyunYok,      // no game runs: nothing moved (a click then deals, an arrow does nothing)
        Reddedildi,   // the tile is no neighbour of the gap, or the arrow points off the board
        Kaydı,        // a tile slid
    };
    Sonuç sonuç = Sonuç::OyunYok;
    // The tile slid from `nereden`, the empty place now, into `nereye`, where the gap was.
    int nereden = -1;
    int nereye = -1;
    // The click count moved with the slide; false only when it stood at its largest.
    bool sayıldı = false;
    // The slide brought the photo home: the game has ended, its clock stands still.
    bool tamamlandı = false;
};

// Who made a slide: the player, or the solver playing the rest of the game.
enum class Kaydıran { Oyuncu, Çözücü };

// The game in play: the board, the click count, the clock, the slides' history, the help the
// solver gave and the completion rule, and the saved game that the settings store keeps of it.
// Every input is one call that says what it did; the window draws the answer.
//
// A game in which a hint was shown or Solve slid a tile is a helped game until the next deal or
// division, whatever is taken back; its completion is not the player's own. The help is kept with
// the saved game in a file of the game's own, tied to that saved game.
class OyunOturumu {
public:
    explicit OyunOturumu(int bölmeSayısı = 3);

    const Tahta &Tahtası() const { return tahta; }
    int BölmeSayısı() const { return tahta.BölmeSayısı(); }
    // A game runs from its deal (or its restore) to its completion; only then does the clock tick.
    bool Sürüyor() const { return sürüyor; }
    const OyunSaati &Saat() const { return saat; }
    qint32 HamleSayısı() const { return hamleSayısı; }
    bool GeriAlınabilir() const { return geçmiş.GeriAlınabilir(); }
    bool Yinelenebilir() const { return geçmiş.Yinelenebilir(); }
    const Yardım &Yardımı() const { return yardım; }
    // The solver slid tiles in this game.
    bool BilgisayarÇözdü() const { return yardım.çözücü; }
    // A hint was shown to the player.
    void İpucuGösterildi();

    // While paused (the window minimised) the clock does not move; the game goes on otherwise.
    void Duraklat(bool duraklat) { duraklatıldı = duraklat; }
    bool Duraklatıldı() const { return duraklatıldı; }

    // A new division: no position holds a piece yet, the bottom-right one is the empty place, and
    // neither slides to take back nor help given. A game that runs goes on running; the caller deals it anew.
    void Böl(int bölmeSayısı);

    // A new game: the pieces dealt by `rastgele` (uniform in [0, 1)), the bottom-right place
    // empty, clock and count at zero, nothing to take back, no help given.
    void Dağıt(const std::function<float()> &rastgele);

    // A click on the tile at `konum`, or the solver's next slide.
    Hamle Tıkla(int konum, Kaydıran kaydıran = Kaydıran::Oyuncu);
    // An arrow key: the tile on that side of the gap slides the way the arrow points.
    Hamle Ok(Yön yön);
    // Takes back the last slide, or makes the last one taken back again; the count follows.
    // Nothing when there is none.
    std::optional<Hamle> GeriAl();
    std::optional<Hamle> Yinele();

    // One second of play, none while paused. True when the clock has reached 24 hours: the caller
    // tells the player and then turns it back with SaatiSıfırla.
    bool Saatiİlerlet();
    void SaatiSıfırla() { saat.Sıfırla(); }
    // After the congratulation: clock and count back to zero for the next game.
    void SayaçlarıSıfırla();

    // The saved game of the settings store, section "Oyun" with its counters in "Oyun\Bilgiler".
    // Reads the section as the start finds it: true when a saved game is waiting.
    bool KayıtlıOyunuBul(const AyarDeposu &depo);
    bool KayıtlıOyunVar() const { return !kayıtlıOyun.isEmpty(); }
    // Lays the saved game found on the board as a running game, with the help kept for it in
    // `yardımDosyası`. A saved game that makes no sense throws ÇalışmaHatası and is forgotten, so
    // nothing later deletes what the player had.
    void KayıtlıOyunuGeriYükle(const AyarDeposu &depo, const QString &yardımDosyası = YardımDosyası());
    // Replaces the stored game by the one in play, the old entries deleted first so that a
    // whole-section read gives the new ones in position order, and keeps its help in
    // `yardımDosyası`. A failing write is skipped.
    void OyunuKaydet(AyarDeposu &depo, const QString &yardımDosyası = YardımDosyası());
    // Deletes the saved game found at the start or written since, in one write, and the help
    // kept for it; failures ignored.
    void KayıtlıOyunuSil(AyarDeposu &depo, const QString &yardımDosyası = YardımDosyası()) const;

private:
    Tahta tahta;
    bool sürüyor = false;
    OyunSaati saat;
    qint32 hamleSayısı = 0;
    OyunGeçmişi geçmiş;
    Yardım yardım;
    bool duraklatıldı = false;
    // The saved game's entries as last read from the store; empty when there is none.
    QList<AyarGirdisi> kayıtlıOyun;
};
