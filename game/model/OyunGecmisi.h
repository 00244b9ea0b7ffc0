#pragma once

#include <QList>

#include <optional>

// The slides of the running game since its deal, to take them back one by one and to make
// the ones taken back again. It holds positions only: each answer is a position whose tile
// the caller slides into the empty place, as a click would.
class OyunGeçmişi {
public:
    // The player slid the tile at `tıklanan` into the empty place `boş`. The slides taken back
    // before it can no longer be made again.
    void Kaydet(int tıklanan, int boş);

    // Takes back the last slide made: the position whose tile goes back into the empty place
    // (where the gap was before that slide). Nothing when no slide is left.
    std::optional<int> GeriAl();

    // Makes the last slide taken back again: the position that was clicked for it. Nothing
    // when none was taken back.
    std::optional<int> Yinele();

    bool GeriAlınabilir() const { return !yapılanlar.isEmpty(); }
    bool Yinelenebilir() const { return !geriAlınanlar.isEmpty(); }

    // A new deal, a division or a completion: nothing to take back or make again.
    void Temizle();

private:
    struct Kayma {
        int tıklanan;
        int boş;
    };
    QList<Kayma> yapılanlar;
    QList<Kayma> geriAlınanlar;
};
