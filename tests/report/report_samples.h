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
};

// In the order of the language blocks of the keyword table.
inline const std::array<ReportSample, kReportLanguageCount> kReportSamples = {{
    {"de", {17, 48, 2400, 1150, 210, 64, 35, 12, 1, 1}, {7, 312, 11}},
    {"en", {15, 20, 1250, 830, 120, 42, 15, 6, 1, 1}, {4, 127, 9}},
    {"nl", {11, 30, 800, 400, 95, 20, 8, 3, 1, kNotInReport}, {2, 45, 6}},
    {"it", {13, 16, 3100, 960, 150, 40, 22, 9, 1, 1}, {9, 5, 12}},
    {"pl", {9, 12, 540, 300, 60, 14, 10, 2, 1, kNotInReport}, {11, 402, 3}},
    {"fr", {14, 25, 1800, 700, 130, 33, 18, 5, 1, 1}, {3, 88, 8}},
    {"es", {12, 18, 2050, 610, 90, 27, 12, 4, 1, 1}, {5, 219, 7}},
    {"tr", {10, 8, 420, 260, 45, 11, 6, 1, 1, kNotInReport}, {14, 330, 4}},
    {"pt", {16, 35, 12345, 2200, 300, 80, 44, 20, 1, 1}, {1, 499, 15}},
}};

inline std::string ReadReportSample(const ReportSample& sample) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/tests/report/reports/" + sample.file + ".txt",
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace quorvel::testing
