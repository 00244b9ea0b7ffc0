#pragma once

#include <atomic>

// When a search must stop: the caller gave up. Searches end by the positions they look at,
// never by the clock, so that a board always gets the same answer however busy the machine.
class AramaSınırı {
public:
    explicit AramaSınırı(const std::atomic<bool> &vazgeç) : vazgeç(vazgeç) {}

    bool Vazgeçildi() const { return vazgeç.load(std::memory_order_relaxed); }

private:
    const std::atomic<bool> &vazgeç;
};
