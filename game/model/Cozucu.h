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
    // When solved: no shorter series of slides exists. So on 3 x 3 boards, and on 4 x 4 boards
    // unless their tables proved wrong.
    bool enKısa = false;
};

// Solves boards as the game holds them: every position's Tag and the empty place. The pieces of
// positions 0..N²-2 come home and the empty place ends bottom-right. 3 x 3 and 4 x 4 boards get
// a solution with the fewest slides, 5 x 5 boards a short one within a second, always the same
// for the same board. Every answer is played on a copy of the board first: one that does not
// bring it home is never given, the tables it came from are built afresh, and the board is
// solved again without them, tile by tile.
//
// The 4 x 4 and 5 x 5 pattern tables (about 43 and 10 MB) are mapped from the files made when the
// program was built, beside it, and verified; when those are missing or damaged they are built
// once in worker threads into the cache folder (the 4 x 4 ones take a minute or two and some
// 750 MB meanwhile), which is then used first. A folder that cannot be written only means they
// are built again next time.
//
// Çöz may run in several threads at once. The solver must outlive every call of Çöz.
class Çözücü {
public:
    // The tables beside the running program, or in `önbellekKlasörü`.
    explicit Çözücü(const QString &önbellekKlasörü);
    // Tables looked for in `kurulumKlasörü` and `önbellekKlasörü`, of tile groups of one's own for
    // each board: each of the tiles 0..N²-2 in exactly one group, of at most seven tiles on 4 x 4
    // and five on 5 x 5. Smaller groups build faster and bound less tightly. Unfit groups are
    // replaced by the game's own.
    Çözücü(const QString &önbellekKlasörü, const QString &kurulumKlasörü, const QList<QList<int>> &dörtlüDesenler,
           const QList<QList<int>> &beşliDesenler);
    // Stops table builds still running.
    ~Çözücü();

    // Starts getting the 4 x 4 and 5 x 5 tables ready in the background unless started; returns
    // at once. The first search on such a board starts them too, and then waits for them.
    void TablolarıHazırla();
    // Starts the tables if need be and waits until they are ready (true) or `vazgeç` is set (false).
    bool TablolarıBekle(const std::atomic<bool> &vazgeç);

    // The solution of the board whose position p shows piece `etiketler[p]`, the Tag at `boşKonum`
    // being ignored. Unsolvable, at once, for a board no slides can bring home: the wrong parity,
    // or not a 3 x 3, 4 x 4 or 5 x 5 board holding each piece once. Abandoned within a few
    // milliseconds of `vazgeç` being set, also while waiting for the tables.
    Çözüm Çöz(const QList<int> &etiketler, int boşKonum, const std::atomic<bool> &vazgeç) const;

private:
    std::unique_ptr<TabloHazırlığı> dörtlü, beşli;
};
