#pragma once

#include <cstdlib>
#include <utility>
#include <vector>

// A square board of any size as cells row by row, each holding its tile or the gap (n² - 1).
struct KareTahta {
    int n = 0;
    std::vector<int> hücreler;
    int boş = 0;

    // True when the tile at `hücre` lies directly beside or above or below the gap.
    bool KomşuMu(int hücre) const
    {
        return hücre >= 0 && hücre < n * n && std::abs(hücre / n - boş / n) + std::abs(hücre % n - boş % n) == 1;
    }

    // The tile at `hücre`, next to the gap, slides into it.
    void Kaydır(int hücre)
    {
        std::swap(hücreler[hücre], hücreler[boş]);
        boş = hücre;
    }

    // True when every cell holds its own tile, the gap in the last.
    bool Evde() const
    {
        for (int hücre = 0; hücre < n * n; ++hücre)
            if (hücreler[hücre] != hücre)
                return false;
        return true;
    }
};
