#pragma once

#include <QList>
#include <QString>

#include <atomic>
#include <memory>

class TabloHazırlığı;

// The solver's answer for one board.
struct Çözüm {
    enum class Durum { Çözüldü, Çözülemez, Vazgeçildi };
    Durum durum = Durum::Vazgeçildi;
    // When solved: the positions to click, in order, each next to the empty place at its turn;
    // empty for a board already home.
    QList<int> hamleler;
    // When solved: no shorter series of slides exists. Always so on 3 x 3 and 4 x 4 boards.
    bool enKısa = false;
};

// Solves boards as the game holds them: every position's Tag and the empty place. The pieces of
// positions 0..N²-2 come home and the empty place ends bottom-right. 3 x 3 and 4 x 4 boards get
// a solution with the fewest slides, 5 x 5 boards a short one within a second.
//
// The 4 x 4 pattern tables (about 11.5 MB) are loaded from the cache folder or, when missing or
// damaged there, built once in a worker thread (a few seconds) and written back; a folder that
// cannot be written only means they are built again next time.
//
// Çöz may run in several threads at once. The solver must outlive every call of Çöz.
class Çözücü {
public:
    explicit Çözücü(const QString &önbellekKlasörü);
    // Tile groups of one's own for the 4 x 4 tables: each of the tiles 0..14 in exactly one group
    // of at most six; smaller groups build faster and bound less tightly. Unfit groups are
    // replaced by VarsayılanDesenler().
    Çözücü(const QString &önbellekKlasörü, const QList<QList<int>> &desenler);
    // Stops a table build still running.
    ~Çözücü();

    // Six tiles of the left half, six of the right half (top three rows), the bottom row's three.
    static QList<QList<int>> VarsayılanDesenler();

    // Starts loading or building the 4 x 4 tables in the background unless started; returns at
    // once. The first 4 x 4 search starts it too, and then waits for it.
    void TablolarıHazırla();
    // Starts the tables if need be and waits until they are ready (true) or `vazgeç` is set (false).
    bool TablolarıBekle(const std::atomic<bool> &vazgeç);

    // The solution of the board whose position p shows piece `etiketler[p]`, the Tag at `boşKonum`
    // being ignored. Unsolvable, at once, for a board no slides can bring home: the wrong parity,
    // or not a 3 x 3, 4 x 4 or 5 x 5 board holding each piece once. Abandoned within a few
    // milliseconds of `vazgeç` being set, also while waiting for the tables. A 5 x 5 board does
    // not wait for them: until they are ready its answers are longer.
    Çözüm Çöz(const QList<int> &etiketler, int boşKonum, const std::atomic<bool> &vazgeç) const;

private:
    std::unique_ptr<TabloHazırlığı> hazırlık;
};
