#include "OkHamlesi.h"

std::optional<int> OkunKaydırdığıKonum(const Tahta &tahta, Yön yön)
{
    const int n = tahta.BölmeSayısı();
    const int boş = tahta.BoşParçaNo();
    const int satır = boş / n;
    const int sütun = boş % n;
    switch (yön) {
    case Yön::Sol: return sütun < n - 1 ? std::optional(boş + 1) : std::nullopt;
    case Yön::Sağ: return sütun > 0 ? std::optional(boş - 1) : std::nullopt;
    case Yön::Yukarı: return satır < n - 1 ? std::optional(boş + n) : std::nullopt;
    case Yön::Aşağı: return satır > 0 ? std::optional(boş - n) : std::nullopt;
    }
    return std::nullopt;
}
