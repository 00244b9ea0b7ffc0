#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>

// When a search must stop: the caller gave up, or the search's own time is over.
class AramaSınırı {
public:
    using Saat = std::chrono::steady_clock;

    explicit AramaSınırı(const std::atomic<bool> &vazgeç, Saat::time_point sonAn = Saat::time_point::max())
        : vazgeç(vazgeç), sonAn(sonAn)
    {
    }

    bool Vazgeçildi() const { return vazgeç.load(std::memory_order_relaxed); }
    bool Aşıldı() const { return Vazgeçildi() || Saat::now() >= sonAn; }
    // The same caller with an earlier end, never a later one.
    AramaSınırı Erken(Saat::time_point yeniSonAn) const { return AramaSınırı(vazgeç, std::min(sonAn, yeniSonAn)); }

private:
    const std::atomic<bool> &vazgeç;
    Saat::time_point sonAn;
};
