#pragma once

#include <utility>
#include <vector>

// A square board of any size as cells row by row, each holding its tile or the gap (n² - 1).
struct KareTahta {
    int n = 0;
    std::vector<int> hücreler;
    int boş = 0;

    // The tile at `hücre`, next to the gap, slides into it.
    void Kaydır(int hücre)
    {
        std::swap(hücreler[hücre], hücreler[boş]);
        boş = hücre;
    }
};
