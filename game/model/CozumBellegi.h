#pragma once

#include "Cozucu.h"

#include <optional>

// The last solution the solver gave, kept so that the next hint needs no search while the player
// follows it: a board that its first slides lead to is answered by the rest of it, which is the
// shortest whenever the whole was. A board off that path is not answered here: a slide back is
// not always the shortest way, and the search is quick.
class ÇözümBelleği {
public:
    // Keeps `çözüm`, the solver's answer for the board `etiketler` with the empty place `boşKonum`.
    void Hatırla(const QList<int> &etiketler, int boşKonum, const Çözüm &çözüm);
    void Unut();

    // The kept solution's rest for this board, when the board lies on its path.
    std::optional<Çözüm> Sor(const QList<int> &etiketler, int boşKonum) const;

private:
    // The board's Tags with the empty place's as N² - 1, so that boards compare as they look.
    static QList<int> Hücreler(QList<int> etiketler, int boşKonum);

    QList<int> başlangıç;
    int boş = -1;
    QList<int> hamleler;
    bool enKısa = false;
};
