#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/program_files.h"
#include "i18n/language_lines.h"

namespace quorvel::testing {

// A fresh temporary home folder with languages/ and data/, removed again at the end of a test.
class TestHome {
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view relative) const { return m_path / relative; }

    // Writes bytes to a file below the home folder, creating its folders.
    void Write(std::string_view relative, std::string_view bytes) const;
    // The whole file, or "<missing>".
    std::string Read(std::string_view relative) const;
    bool Exists(std::string_view relative) const;
    void RemoveDataFolder() const;

    // The file of that language index holding NumberedLines(tag).
    void WriteLanguage(int index, std::string_view tag) const;
    // The English file whose line n reads "L<n>", short enough to spell out whole outputs in tests.
    // Lines 73-92 are empty, so the file-error texts and the window's own texts are English.
    void WriteShortNumberedLanguage() const;

    std::filesystem::path BookFile() const { return m_path / kBookFile; }
    void WriteBook(std::string_view text) const { Write(kBookFile, text); }
    // Nothing when there is no book file.
    std::optional<std::string> BookText() const;

private:
    std::filesystem::path m_path;
};

// "<tag> 1\n<tag> 2\n..." up to `count` lines, each ended by lineEnd.
std::string NumberedLines(std::string_view tag, int count = kLanguageLineCount,
                          std::string_view lineEnd = "\n");

// The text NumberedLines gives line n.
std::string NumberedLine(std::string_view tag, int n);

// Runs body where file permissions hold: as it is for an ordinary user; for root in a child process
// that has given up its privileges (root may write any file). body's failures fail the test.
// The home folder is opened up to that user first.
void RunWithFilePermissions(const TestHome& home, const std::function<void()>& body);

}  // namespace quorvel::testing
