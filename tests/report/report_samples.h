#pragma once

// The sample espionage reports in tests/report/reports/, one per language, and what each holds.
// They were written for these tests in the layout the game's reports use; the fuzz target takes them
// as its seeds and the benchmark builds its long report from them.

#include <array>
#include <cstdint>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "report/report_keywords.h"
#include "report/report_reader.h"
#include "travel/position.h"

namespace quorvel::testing {

inline constexpr std::int32_t kNotInReport = -1;

struct ReportSample {
    const char* file;  // tests/report/reports/<file>.txt
    // In item order: armour, anti-ballistic missiles, the eight defence types.
    std::array<std::int32_t, kReportItemCount> items;
    Position target;
    ReportNames names;  // the player's and the planet's from the header
};

// In the order of the language blocks of the keyword table.
inline const std::array<ReportSample, kReportLanguageCount> kReportSamples = {{
    {"de", {17, 48, 2400, 1150, 210, 64, 35, 12, 1, 1}, {7, 312, 11}, {"Ordhan", "Velmar"}},
    {"en", {15, 20, 1250, 830, 120, 42, 15, 6, 1, 1}, {4, 127, 9}, {"Corvanth", "Hyperion"}},
    {"nl", {11, 30, 800, 400, 95, 20, 8, 3, 1, kNotInReport}, {2, 45, 6}, {"Mirelle", "Nieuw Haven"}},
    {"it", {13, 16, 3100, 960, 150, 40, 22, 9, 1, 1}, {9, 5, 12}, {"Brandolin", "Aurelia"}},
    {"pl", {9, 12, 540, 300, 60, 14, 10, 2, 1, kNotInReport}, {11, 402, 3}, {"Żelazny", "Wisłoujście"}},
    {"fr", {14, 25, 1800, 700, 130, 33, 18, 5, 1, 1}, {3, 88, 8}, {"Tessaly", "Ombrelune"}},
    {"es", {12, 18, 2050, 610, 90, 27, 12, 4, 1, 1}, {5, 219, 7}, {"Almendro", "Nueva Castilla"}},
    {"tr", {10, 8, 420, 260, 45, 11, 6, 1, 1, kNotInReport}, {14, 330, 4}, {"Kartal", "Yeni Sinop"}},
    {"pt", {16, 35, 12345, 2200, 300, 80, 44, 20, 1, 1}, {1, 499, 15}, {"Caravela", "Nova Lisboa"}},
}};

inline std::string ReadReportSample(const ReportSample& sample) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/tests/report/reports/" + sample.file + ".txt",
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace quorvel::testing
