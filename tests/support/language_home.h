#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel::test {

// A fresh temporary home folder with languages/ and data/, removed again at the end of a test.
class LanguageHome {
public:
    LanguageHome();
    ~LanguageHome();
    LanguageHome(const LanguageHome&) = delete;
    LanguageHome& operator=(const LanguageHome&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view relative) const { return m_path / relative; }

    // Writes bytes to a file below the home folder, creating its folders.
    void Write(std::string_view relative, std::string_view bytes) const;
    // The whole file, or "<missing>".
    std::string Read(std::string_view relative) const;
    // languages/<file name of that language index> holding NumberedLines(tag).
    void WriteLanguage(int index, std::string_view tag) const;

private:
    std::filesystem::path m_path;
};

// "<tag> 1\n<tag> 2\n..." up to `count` lines, each ended by lineEnd.
std::string NumberedLines(std::string_view tag, int count = 72, std::string_view lineEnd = "\n");

// The text NumberedLines gives line n.
std::string NumberedLine(std::string_view tag, int n);

}  // namespace quorvel::test
