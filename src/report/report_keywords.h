#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "text/utf8.h"

namespace quorvel {

inline constexpr std::size_t kReportLanguageCount = 9;
inline constexpr std::size_t kReportItemCount = 10;
inline constexpr std::size_t kReportKeywordCount = kReportLanguageCount * kReportItemCount;

// The words the game's espionage reports use for the ten items of a language block, in item order:
// armour technology, anti-ballistic missiles, then the eight defence types in their usual order, one block per language in the order
// German, English, Dutch, Italian, Polish, French, Spanish, Turkish, Portuguese. UTF-8; letter case
// and accents matter. Some look odd (the Dutch and French armour rows say "weapons", the Spanish one
// lacks its first letter); they are kept exactly as they are.
inline constexpr std::array<std::array<std::string_view, kReportItemCount>, kReportLanguageCount>
    kReportKeywordTexts = {{
        {"Raumschiffpanzerung", "Abfangrakete", "Raketenwerfer", "Leichtes Lasergeschütz",
         "Schweres Lasergeschütz", "Gaußkanone", "Ionengeschütz", "Plasmawerfer", "Kleine Schildkuppel",
         "Große Schildkuppel"},
        {"Armour Technology", "Anti-Ballistic Missiles", "Rocket Launcher", "Light Laser", "Heavy Laser",
         "Gauss Cannon", "Ion Cannon", "Plasma Turret", "Small Shield Dome", "Large Shield Dome"},
        {"Wapen techniek", "Anti-ballistische raket", "Raket lanceerder", "Kleine laser", "Grote laser",
         "Gauss kanon", "Ion kanon", "Plasma kanon", "Kleine planetaire schildkoepel",
         "Grote planetaire schildkoepel"},
        {"Tecnologia delle corazze", "Missili anti-balistici", "Lanciamissili", "Laser leggero",
         "Laser pesante", "Cannone gauss", "Cannone ionico", "Cannone al plasma", "Cupola scudo",
         "Cupola scudo potenziata"},
        {"Opancerzenie", "Przeciwrakieta", "Wyrzutnia rakiet", "Lekkie działo laserowe",
         "Ciężkie działo laserowe", "Działo Gaussa", "Działo jonowe", "Wyrzutnia plazmy",
         "Mała powłoka ochronna", "Duża powłoka ochronna"},
        {"Technologie Armes", "Missile Interception", "Lanceur de missiles", "Artillerie laser légère",
         "Artillerie laser lourde", "Canon de Gauss", "Artillerie à ions", "Lanceur de plasma",
         "Petit bouclier", "Grand bouclier"},
        {"ecnología de blindaje", "Misil de intercepción", "Lanzamisiles", "Láser pequeño", "Láser grande",
         "Cañón Gauss", "Cañón iónico", "Cañón de plasma", "Cúpula pequeña de protección",
         "Cúpula grande de protección"},
        {"Uzay Gemilerinin Zirhlandirilmasi", "Yakaliyici Roketler", "Roketatar", "Hafif Lazer Topu",
         "Agir Lazer Topu", "Gaus Topu", "Iyon Topu", "Plazma Aticilar", "Küçük Kalkan Kubbesi",
         "Büyük Kalkan Kubbesi"},
        {"Tecnologia de Escudo", "Míssil de Intercepção", "Lançador de Mísseis", "Laser Ligeiro",
         "Laser Pesado", "Canhão de Gauss", "Canhão de Iões", "Canhão de Plasma", "Pequeno Escudo Planetário",
         "Grande Escudo Planetário"},
    }};

// One row of the import: a keyword and how many characters from the keyword's start the number
// begins (the keyword's length and the one character after it, whatever that is). Row r is item
// r % kReportItemCount of its language block.
struct ReportKeyword {
    std::string_view text;
    std::size_t skip;
};

// The 90 rows, language block by language block, each block in item order. The import reads them
// in this order, so when several rows fill the same input the later row wins.
inline constexpr std::array<ReportKeyword, kReportKeywordCount> kReportKeywords = [] {
    std::array<ReportKeyword, kReportKeywordCount> rows{};
    for (std::size_t language = 0; language < kReportLanguageCount; ++language) {
        for (std::size_t item = 0; item < kReportItemCount; ++item) {
            const std::string_view text = kReportKeywordTexts[language][item];
            rows[language * kReportItemCount + item] = {text, Utf8Length(text) + 1};
        }
    }
    return rows;
}();

// The reader finds keywords by their first character through a table of the ASCII characters.
static_assert([] {
    for (const ReportKeyword& row : kReportKeywords) {
        if (row.text.empty() || static_cast<unsigned char>(row.text.front()) >= 0x80) return false;
    }
    return true;
}());

}  // namespace quorvel
