#include "Rastgele.h"

#include <array>
#include <random>

float SistemRastgelesi()
{
    static std::mt19937 üreteç = [] {
        std::random_device entropi;
        std::array<std::random_device::result_type, std::mt19937::state_size> tohum;
        for (auto &sözcük : tohum)
            sözcük = entropi();
        std::seed_seq dizi(tohum.begin(), tohum.end());
        return std::mt19937(dizi);
    }();
    // 24 random bits fill a float's mantissa exactly, so the draw never rounds up to 1.
    return static_cast<float>(üreteç() >> 8) * (1.0f / 16777216.0f);
}
