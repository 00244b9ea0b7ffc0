#pragma once

#include "Cozucu.h"

#include <optional>

// The last solution the solver gave, kept so that the next hint needs no search while the player
// follows it: a board that its first slides lead to is answered by the rest of it, and a board
// one slide off that path by the slide back and the rest. The latter is not known to be the
// shortest: on a 4 x 4 board it is exactly when the stray slide took the board one slide further
// from home, which a search for an answer two slides shorter decides. A 5 x 5 board answered from
// here may get another answer than the solver would give it afresh.
class ÇözümBelleği {
public:
    // Keeps `çözüm`, the solver's answer for the board `etiketler` with the empty place `boşKonum`.
    void Hatırla(const QList<int> &etiketler, int boşKonum, const Çözüm &çözüm);
    void Unut();

    // The kept solution's rest for this board, when the board lies on its path or one slide off.
    std::optional<Çözüm> Sor(const QList<int> &etiketler, int boşKonum) const;

private:
    // The board's Tags with the empty place's as N² - 1, so that boards compare as they look.
    static QList<int> Hücreler(QList<int> etiketler, int boşKonum);

    QList<int> başlangıç;
    int boş = -1;
    QList<int> hamleler;
    bool enKısa = false;
};
