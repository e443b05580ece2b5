#include "support/test_home.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/program_files.h"

namespace quorvel::testing {

TestHome::TestHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
    std::filesystem::create_directories(m_path / kLanguageFolder);
    std::filesystem::create_directories(m_path / kDataFolder);
}

TestHome::~TestHome() {
    std::error_code ignored;
    std::filesystem::permissions(m_path / kDataFolder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void TestHome::Write(const std::string& relative, const std::string& content) const {
    std::filesystem::create_directories((m_path / relative).parent_path());
    std::ofstream out(m_path / relative, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string TestHome::Read(const std::string& relative) const {
    std::ifstream in(m_path / relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TestHome::Exists(const std::string& relative) const { return std::filesystem::exists(m_path / relative); }

void TestHome::WriteNumberedLanguageFile(const std::string& fileName) const {
    std::string content;
    for (int line = 1; line <= 72; ++line) content += "L" + std::to_string(line) + "\n";
    Write(std::string(kLanguageFolder) + "/" + fileName, content);
}

Program::Program() {
    home.WriteNumberedLanguageFile();
    dlg.OnMainWindowInit();
}

}  // namespace quorvel::testing
