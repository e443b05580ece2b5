#pragma once

// The languages the program speaks, one row each. The language files and the language dialog
// (i18n/) and the espionage report reader (report/) both read this table, so it sits below both.

#include <array>
#include <cstddef>
#include <string_view>

#include "text/single_byte_codepage.h"

namespace quorvel {

// The items of a report's language block, in this order: armour technology, anti-ballistic
// missiles, then the eight defence types in their usual order.
inline constexpr std::size_t kReportItemCount = 10;
using ReportItemWords = std::array<std::string_view, kReportItemCount>;

struct LanguageEntry {
    std::string_view displayName;
    std::string_view fileName;
    std::string_view locale;  // the language of Qt's own texts (dialog buttons) beside the file
    // What an older file of this language that is not UTF-8 was written in.
    SingleByteCodepage legacyCodepage;
    // Where the report reader takes this language's keywords: it reads the blocks in ascending
    // order, and where two blocks fill the same input the later one wins.
    int reportBlock;
    // The words the game's espionage reports in this language use for the report items. UTF-8;
    // letter case and accents matter. Some look odd (the Dutch and French armour words say
    // "weapons", the Spanish one lacks its first letter); they are kept exactly as they are.
    ReportItemWords reportKeywords;
};

// Row number = language index, the value kept in the saved choice.
// clang-format off
inline constexpr std::array kLanguages = std::to_array<LanguageEntry>({
    {"English", "eng_lang.dat", "en", SingleByteCodepage::Windows1252, 1,
     {"Armour Technology", "Anti-Ballistic Missiles", "Rocket Launcher", "Light Laser", "Heavy Laser",
      "Gauss Cannon", "Ion Cannon", "Plasma Turret", "Small Shield Dome", "Large Shield Dome"}},
    {"Deutsch", "ger_lang.dat", "de", SingleByteCodepage::Windows1252, 0,
     {"Raumschiffpanzerung", "Abfangrakete", "Raketenwerfer", "Leichtes Lasergeschütz",
      "Schweres Lasergeschütz", "Gaußkanone", "Ionengeschütz", "Plasmawerfer", "Kleine Schildkuppel",
      "Große Schildkuppel"}},
    {"Nederlands", "nl_lang.dat", "nl", SingleByteCodepage::Windows1252, 2,
     {"Wapen techniek", "Anti-ballistische raket", "Raket lanceerder", "Kleine laser", "Grote laser",
      "Gauss kanon", "Ion kanon", "Plasma kanon", "Kleine planetaire schildkoepel",
      "Grote planetaire schildkoepel"}},
    {"Italiano", "it_lang.dat", "it", SingleByteCodepage::Windows1252, 3,
     {"Tecnologia delle corazze", "Missili anti-balistici", "Lanciamissili", "Laser leggero",
      "Laser pesante", "Cannone gauss", "Cannone ionico", "Cannone al plasma", "Cupola scudo",
      "Cupola scudo potenziata"}},
    {"Polski", "pl_lang.dat", "pl", SingleByteCodepage::Windows1250, 4,
     {"Opancerzenie", "Przeciwrakieta", "Wyrzutnia rakiet", "Lekkie działo laserowe",
      "Ciężkie działo laserowe", "Działo Gaussa", "Działo jonowe", "Wyrzutnia plazmy",
      "Mała powłoka ochronna", "Duża powłoka ochronna"}},
    {"Français", "fr_lang.dat", "fr", SingleByteCodepage::Windows1252, 5,
     {"Technologie Armes", "Missile Interception", "Lanceur de missiles", "Artillerie laser légère",
      "Artillerie laser lourde", "Canon de Gauss", "Artillerie à ions", "Lanceur de plasma",
      "Petit bouclier", "Grand bouclier"}},
    {"Español", "es_lang.dat", "es", SingleByteCodepage::Windows1252, 6,
     {"ecnología de blindaje", "Misil de intercepción", "Lanzamisiles", "Láser pequeño", "Láser grande",
      "Cañón Gauss", "Cañón iónico", "Cañón de plasma", "Cúpula pequeña de protección",
      "Cúpula grande de protección"}},
    {"Türkçe", "tr_lang.dat", "tr", SingleByteCodepage::Windows1252, 7,
     {"Uzay Gemilerinin Zirhlandirilmasi", "Yakaliyici Roketler", "Roketatar", "Hafif Lazer Topu",
      "Agir Lazer Topu", "Gaus Topu", "Iyon Topu", "Plazma Aticilar", "Küçük Kalkan Kubbesi",
      "Büyük Kalkan Kubbesi"}},
    {"Português", "pt_lang.dat", "pt", SingleByteCodepage::Windows1252, 8,
     {"Tecnologia de Escudo", "Míssil de Intercepção", "Lançador de Mísseis", "Laser Ligeiro",
      "Laser Pesado", "Canhão de Gauss", "Canhão de Iões", "Canhão de Plasma", "Pequeno Escudo Planetário",
      "Grande Escudo Planetário"}},
});
// clang-format on

inline constexpr int kEnglish = 0;

// Every language has its own report block, numbered from 0 without a gap.
static_assert([] {
    std::array<bool, kLanguages.size()> taken{};
    for (const LanguageEntry& language : kLanguages) {
        const auto block = static_cast<std::size_t>(language.reportBlock);
        if (language.reportBlock < 0 || block >= taken.size() || taken[block]) return false;
        taken[block] = true;
    }
    return true;
}());

}  // namespace quorvel
