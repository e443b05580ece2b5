#include "support/test_home.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "fileio/atomic_file.h"
#include "i18n/language_lines.h"
#include "i18n/language_table.h"

namespace quorvel::testing {

TestHome::TestHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
    std::filesystem::create_directories(m_path / kLanguageFolder);
    std::filesystem::create_directories(m_path / kDataFolder);
}

TestHome::~TestHome() {
    std::error_code ignored;
    // Start-up makes the home the working folder; leave it before it goes, so that later tests in
    // the same process still have a working folder.
    const std::filesystem::path working = std::filesystem::current_path(ignored);
    if (!ignored && working.string().rfind(m_path.string(), 0) == 0) {
        std::filesystem::current_path(std::filesystem::temp_directory_path(ignored), ignored);
    }
    std::filesystem::permissions(m_path / kDataFolder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void TestHome::Write(std::string_view relative, std::string_view bytes) const {
    const std::filesystem::path file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TestHome::Read(std::string_view relative) const {
    std::ifstream in(m_path / relative, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TestHome::Exists(std::string_view relative) const { return std::filesystem::exists(m_path / relative); }

void TestHome::RemoveDataFolder() const { std::filesystem::remove_all(m_path / kDataFolder); }

void TestHome::WriteLanguage(int index, std::string_view tag) const {
    Write(LanguagePath(index).string(), NumberedLines(tag));
}

void TestHome::WriteShortNumberedLanguage() const {
    std::string text;
    // Lines 73-92 (file errors, the window's own boxes) are left empty, so those texts are the
    // English fallback. Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict) on
    // "L" + std::to_string(n).
    for (int n = 1; n <= kLanguageLineCount; ++n) {
        if (n <= kLinePlanMissilesCaption || n >= kLineCopyButton) {
            text += 'L';
            text += std::to_string(n);
        }
        text += '\n';
    }
    Write(LanguagePath(kEnglish).string(), text);
}

std::optional<std::string> TestHome::BookText() const { return ReadWholeFile(BookFile()); }

std::string NumberedLine(std::string_view tag, int n) { return std::string(tag) + ' ' + std::to_string(n); }

std::string NumberedLines(std::string_view tag, int count, std::string_view lineEnd) {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        text += NumberedLine(tag, n);
        text += lineEnd;
    }
    return text;
}

void RunWithFilePermissions(const TestHome& home, const std::function<void()>& body) {
    if (::geteuid() != 0) {
        body();
        return;
    }
    std::filesystem::permissions(home.Path(), std::filesystem::perms::all);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(77);
        body();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot give up root privileges here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the checks in the unprivileged child failed";
}

}  // namespace quorvel::testing
