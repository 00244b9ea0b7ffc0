#include "UcluTablo.h"

#include <bit>
#include <utility>

namespace {

constexpr std::uint8_t Ulaşılmaz = 0xFF;
constexpr int Boşluk = 8;

// The cells next to each cell, at most four, padded with -1.
constexpr std::array<std::array<int, 4>, 9> Komşular{{
    {1, 3, -1, -1}, {0, 2, 4, -1}, {1, 5, -1, -1},
    {0, 4, 6, -1}, {1, 3, 5, 7}, {2, 4, 8, -1},
    {3, 7, -1, -1}, {4, 6, 8, -1}, {5, 7, -1, -1},
}};

// Lexicographic rank of the arrangement among the 9! permutations.
std::uint32_t Sıra(const ÜçlüHücreler &hücreler)
{
    std::uint32_t sıra = 0;
    unsigned kullanılan = 0;
    for (int hücre = 0; hücre < 9; ++hücre) {
        const unsigned değer = hücreler[hücre];
        const unsigned küçükKalan = değer - std::popcount(kullanılan & ((1u << değer) - 1));
        kullanılan |= 1u << değer;
        sıra = sıra * (9 - hücre) + küçükKalan;
    }
    return sıra;
}

int BoşHücre(const ÜçlüHücreler &hücreler)
{
    for (int hücre = 0;; ++hücre)
        if (hücreler[hücre] == Boşluk)
            return hücre;
}

}  // namespace

const ÜçlüTablo &ÜçlüTablo::Ortak()
{
    static const ÜçlüTablo tablo;
    return tablo;
}

ÜçlüTablo::ÜçlüTablo()
    : uzaklıklar(362880, Ulaşılmaz)
{
    std::vector<ÜçlüHücreler> kuyruk;
    kuyruk.reserve(181440);
    kuyruk.push_back({0, 1, 2, 3, 4, 5, 6, 7, Boşluk});
    uzaklıklar[Sıra(kuyruk.front())] = 0;
    for (std::size_t baş = 0; baş < kuyruk.size(); ++baş) {
        ÜçlüHücreler hücreler = kuyruk[baş];
        const std::uint8_t sonraki = uzaklıklar[Sıra(hücreler)] + 1;
        const int boş = BoşHücre(hücreler);
        for (const int komşu : Komşular[boş]) {
            if (komşu < 0)
                break;
            std::swap(hücreler[boş], hücreler[komşu]);
            std::uint8_t &uzaklık = uzaklıklar[Sıra(hücreler)];
            if (uzaklık == Ulaşılmaz) {
                uzaklık = sonraki;
                kuyruk.push_back(hücreler);
            }
            std::swap(hücreler[boş], hücreler[komşu]);
        }
    }
}

std::vector<int> ÜçlüTablo::Çöz(ÜçlüHücreler hücreler) const
{
    std::vector<int> hamleler;
    int boş = BoşHücre(hücreler);
    const int uzaklık = uzaklıklar[Sıra(hücreler)];
    if (uzaklık == Ulaşılmaz)
        return hamleler;
    for (int kalan = uzaklık; kalan > 0; --kalan) {
        // Some neighbour is one slide nearer home; take the first.
        for (const int komşu : Komşular[boş]) {
            std::swap(hücreler[boş], hücreler[komşu]);
            if (uzaklıklar[Sıra(hücreler)] == kalan - 1) {
                hamleler.push_back(komşu);
                boş = komşu;
                break;
            }
            std::swap(hücreler[boş], hücreler[komşu]);
        }
    }
    return hamleler;
}
