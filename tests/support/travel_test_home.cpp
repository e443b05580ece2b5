#include "support/travel_test_home.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "app/program_files.h"
#include "app/simulator_dialog.h"
#include "fileio/atomic_file.h"
#include "i18n/language_table.h"
#include "travel/book_record.h"

namespace quorvel {

TravelTestHome::TravelTestHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-travel-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a test folder");
    m_path = pattern;
    std::filesystem::create_directories(m_path / kDataFolder);
    std::filesystem::create_directories(m_path / kLanguageFolder);
}

TravelTestHome::~TravelTestHome() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TravelTestHome::BookFile() const { return m_path / kBookFile; }

void TravelTestHome::WriteBook(std::string_view text) const {
    std::ofstream out(BookFile(), std::ios::binary | std::ios::trunc);
    out << text;
}

std::optional<std::string> TravelTestHome::BookText() const { return ReadWholeFile(BookFile()); }

void TravelTestHome::RemoveDataFolder() const { std::filesystem::remove_all(m_path / kDataFolder); }

void TravelTestHome::ApplyNumberedLanguage(CSimulatorDlg& dlg) const {
    const std::filesystem::path file = m_path / LanguagePath(kEnglish);
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        for (int line = 1; line <= 72; ++line) out << "line " << line << '\n';
    }
    dlg.ApplyLanguageFile(file);
}

std::string BookText(std::initializer_list<Position> positions) {
    std::string text;
    for (const Position& p : positions) text += BookLine(p);
    return text;
}

void RunWithFilePermissions(const TravelTestHome& home, const std::function<void()>& body) {
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

}  // namespace quorvel
