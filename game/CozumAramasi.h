#pragma once

#include "CozumBellegi.h"
#include "Cozucu.h"
#include "Tahta.h"

#include <QFutureWatcher>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// The solver run off the interface thread, one search at a time, so the window never stops
// answering. A new search, Vazgeç or the end of the object abandons the running one, whose
// answer then never arrives; the window abandons the search whenever its board changes. An
// answer arrives on the interface thread. The pointer shows that the game is thinking.
class ÇözümAraması {
public:
    explicit ÇözümAraması(const QString &önbellekKlasörü);
    // Abandons a running search and waits for every thread, so nothing of it outlives the window.
    ~ÇözümAraması();
    ÇözümAraması(const ÇözümAraması &) = delete;
    ÇözümAraması &operator=(const ÇözümAraması &) = delete;

    // Looks for the solution of `tahta` as it stands and hands it to `bitince`: at once when the
    // board lies on the path of the last shortest solution, which the player is following.
    void Başlat(const Tahta &tahta, std::function<void(const Çözüm &)> bitince);
    void Vazgeç();
    // A search has been asked for and its answer has not come yet.
    bool Sürüyor() const { return vazgeç != nullptr; }
    // Starts loading or building the 4 x 4 tables in the background, so that a search asked
    // for soon does not wait for them.
    void TablolarıHazırla() { çözücü.TablolarıHazırla(); }

private:
    Çözücü çözücü;
    ÇözümBelleği bellek;
    // The board the running search is for, kept with its answer.
    QList<int> arananEtiketler;
    int arananBoş = -1;
    // Searches abandoned earlier may still be ending here; the solver must outlive them all.
    QThreadPool iş;
    QFutureWatcher<Çözüm> izleyici;
    // The running search's own flag; empty while none runs.
    std::shared_ptr<std::atomic<bool>> vazgeç;
    std::function<void(const Çözüm &)> bitince;
};
