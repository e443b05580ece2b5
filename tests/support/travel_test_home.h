#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "travel/position.h"

namespace quorvel {

class CSimulatorDlg;

// A fresh home folder with an empty data/ for the travel tests, removed again afterwards.
class TravelTestHome {
public:
    TravelTestHome();
    ~TravelTestHome();
    TravelTestHome(const TravelTestHome&) = delete;
    TravelTestHome& operator=(const TravelTestHome&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path BookFile() const;
    void WriteBook(std::string_view text) const;
    // Nothing when there is no book file.
    std::optional<std::string> BookText() const;
    void RemoveDataFolder() const;

    // Writes an English language file whose line n reads "line n" and applies it, so that every
    // language text differs from every other one (as long as languages can be applied at all).
    void ApplyNumberedLanguage(CSimulatorDlg& dlg) const;

private:
    std::filesystem::path m_path;
};

// The data file text of these positions, one "g s p" line each.
std::string BookText(std::initializer_list<Position> positions);

// Runs body where file permissions hold: as it is for an ordinary user; for root in a child process
// that has given up its privileges (root may write any file). body's failures fail the test.
// The home folder is opened up to that user first.
void RunWithFilePermissions(const TravelTestHome& home, const std::function<void()>& body);

}  // namespace quorvel
