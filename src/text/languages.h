#pragma once

// The languages the program speaks, one row each. The language files and the language dialog
// (i18n/) and the espionage report reader (report/) both read this table, so it sits below both.

#include <array>
#include <cstddef>
#include <string_view>

#include "text/plural.h"
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
    PluralRule plural;        // which form of a counted text a count takes
    // What an older file of this language that is not UTF-8 was written in.
    SingleByteCodepage legacyCodepage;
    // Where the report reader takes this language's keywords: it reads the blocks in ascending
    // order, and where two blocks fill the same input the later one wins.
    int reportBlock;
    // The words the game's espionage reports in this language use for the report items. UTF-8;
    // letter case and accents matter. Some look odd (the Dutch and French armour words say
    // "weapons", the Spanish one lacks its first letter); they are kept exactly as they are.
    ReportItemWords reportKeywords;
    // What a report's header line says before the planet's name ("Resources at Hyperion [4:127:9]").
    std::string_view reportHeaderLead;
};

// Row number = language index, the value kept in the saved choice.
// clang-format off
inline constexpr std::array kLanguages = std::to_array<LanguageEntry>({
    {"English", "eng_lang.dat", "en", PluralRule::OneOther, SingleByteCodepage::Windows1252, 1,
     {"Armour Technology", "Anti-Ballistic Missiles", "Rocket Launcher", "Light Laser", "Heavy Laser",
      "Gauss Cannon", "Ion Cannon", "Plasma Turret", "Small Shield Dome", "Large Shield Dome"},
     "Resources at "},
    {"Deutsch", "ger_lang.dat", "de", PluralRule::OneOther, SingleByteCodepage::Windows1252, 0,
     {"Raumschiffpanzerung", "Abfangrakete", "Raketenwerfer", "Leichtes Lasergeschütz",
      "Schweres Lasergeschütz", "Gaußkanone", "Ionengeschütz", "Plasmawerfer", "Kleine Schildkuppel",
      "Große Schildkuppel"}, "Rohstoffe auf "},
    {"Nederlands", "nl_lang.dat", "nl", PluralRule::OneOther, SingleByteCodepage::Windows1252, 2,
     {"Wapen techniek", "Anti-ballistische raket", "Raket lanceerder", "Kleine laser", "Grote laser",
      "Gauss kanon", "Ion kanon", "Plasma kanon", "Kleine planetaire schildkoepel",
      "Grote planetaire schildkoepel"}, "Grondstoffen op "},
    {"Italiano", "it_lang.dat", "it", PluralRule::OneOther, SingleByteCodepage::Windows1252, 3,
     {"Tecnologia delle corazze", "Missili anti-balistici", "Lanciamissili", "Laser leggero",
      "Laser pesante", "Cannone gauss", "Cannone ionico", "Cannone al plasma", "Cupola scudo",
      "Cupola scudo potenziata"}, "Risorse su "},
    {"Polski", "pl_lang.dat", "pl", PluralRule::Polish, SingleByteCodepage::Windows1250, 4,
     {"Opancerzenie", "Przeciwrakieta", "Wyrzutnia rakiet", "Lekkie działo laserowe",
      "Ciężkie działo laserowe", "Działo Gaussa", "Działo jonowe", "Wyrzutnia plazmy",
      "Mała powłoka ochronna", "Duża powłoka ochronna"}, "Surowce na planecie "},
    {"Français", "fr_lang.dat", "fr", PluralRule::ZeroOneOther, SingleByteCodepage::Windows1252, 5,
     {"Technologie Armes", "Missile Interception", "Lanceur de missiles", "Artillerie laser légère",
      "Artillerie laser lourde", "Canon de Gauss", "Artillerie à ions", "Lanceur de plasma",
      "Petit bouclier", "Grand bouclier"}, "Ressources sur "},
    {"Español", "es_lang.dat", "es", PluralRule::OneOther, SingleByteCodepage::Windows1252, 6,
     {"ecnología de blindaje", "Misil de intercepción", "Lanzamisiles", "Láser pequeño", "Láser grande",
      "Cañón Gauss", "Cañón iónico", "Cañón de plasma", "Cúpula pequeña de protección",
      "Cúpula grande de protección"}, "Recursos en "},
    {"Türkçe", "tr_lang.dat", "tr", PluralRule::Single, SingleByteCodepage::Windows1252, 7,
     {"Uzay Gemilerinin Zirhlandirilmasi", "Yakaliyici Roketler", "Roketatar", "Hafif Lazer Topu",
      "Agir Lazer Topu", "Gaus Topu", "Iyon Topu", "Plazma Aticilar", "Küçük Kalkan Kubbesi",
      "Büyük Kalkan Kubbesi"}, "Kaynaklar "},
    {"Português", "pt_lang.dat", "pt", PluralRule::OneOther, SingleByteCodepage::Windows1252, 8,
     {"Tecnologia de Escudo", "Míssil de Intercepção", "Lançador de Mísseis", "Laser Ligeiro",
      "Laser Pesado", "Canhão de Gauss", "Canhão de Iões", "Canhão de Plasma", "Pequeno Escudo Planetário",
      "Grande Escudo Planetário"},
     "Recursos em "},
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
