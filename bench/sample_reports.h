#pragma once

// The nine sample espionage reports of the report tests, one per language, for the benchmarks.

#include <fstream>
#include <sstream>
#include <string>

namespace quorvel::bench {

inline constexpr const char* kSampleReports[] = {"de", "en", "nl", "it", "pl", "fr", "es", "tr", "pt"};

inline std::string ReadSampleReport(const char* name) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/tests/report/reports/" + name + ".txt",
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace quorvel::bench
