#pragma once

#include <QString>

// The program's identity: its version record and names.
namespace Kimlik {
inline constexpr int AnaSürüm = 1;
inline constexpr int AltSürüm = 2;
inline constexpr int Revizyon = 1;
inline constexpr auto ÜrünAdı = "Velbor-Eng";
// Title of every message box that passes none of its own.
inline constexpr auto UygulamaBaşlığı = "Tilora";
inline constexpr auto YasalUyarı = "Copyright \u00A9 2026 Orvane. All rights reserved.";
inline constexpr auto Yapımcı = "Orvane";
}  // namespace Kimlik

// Major "." minor, then the revision with nothing between: "1.21".
QString SürümMetni();

// The main window's caption and the key of the single-instance test: string 10, a blank, the version.
QString PencereBaşlığı();

// "Orvane\" and the product name: the settings of each edition stay apart.
QString AyarUygulamasıAdı(const QString &ürünAdı);

// The photo a first start shows: "Sample-1.jpg" for the Turkish edition, else "Sample-2.jpg".
QString VarsayılanFotoğrafYolu(const QString &programKlasörü, const QString &ürünAdı);
