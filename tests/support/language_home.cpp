#include "support/language_home.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "i18n/language_table.h"

namespace quorvel::test {

LanguageHome::LanguageHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-i18n-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
    std::filesystem::create_directories(m_path / "languages");
    std::filesystem::create_directories(m_path / "data");
}

LanguageHome::~LanguageHome() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void LanguageHome::Write(std::string_view relative, std::string_view bytes) const {
    const std::filesystem::path file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string LanguageHome::Read(std::string_view relative) const {
    std::ifstream in(m_path / relative, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void LanguageHome::WriteLanguage(int index, std::string_view tag) const {
    Write(LanguagePath(index).string(), NumberedLines(tag));
}

std::string NumberedLine(std::string_view tag, int n) { return std::string(tag) + ' ' + std::to_string(n); }

std::string NumberedLines(std::string_view tag, int count, std::string_view lineEnd) {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        text += NumberedLine(tag, n);
        text += lineEnd;
    }
    return text;
}

}  // namespace quorvel::test
