#pragma once

#include <filesystem>
#include <string>

#include "app/memory_form.h"
#include "app/simulator_dialog.h"

namespace quorvel::testing {

// A temporary home folder with languages/ and data/, removed again at the end of the test.
class TestHome {
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    void Write(const std::string& relative, const std::string& content) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    // languages/eng_lang.dat whose line N reads "L<N>", so tests see which line a text came from.
    void WriteNumberedLanguageFile(const std::string& fileName = "eng_lang.dat") const;

private:
    std::filesystem::path m_path;
};

// A dialog on an in-memory form in a fresh home whose English file has numbered lines, started
// as the program starts.
struct Program {
    TestHome home;
    MemoryForm form;
    CSimulatorDlg dlg{form, home.Path()};

    Program();
    void Set(ControlId id, const std::string& text) { form.SetText(id, text); }
    std::string Get(ControlId id) const { return form.GetText(id); }
};

}  // namespace quorvel::testing
