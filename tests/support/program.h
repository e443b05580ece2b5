#pragma once

#include <string>

#include "app/memory_form.h"
#include "app/simulator_dialog.h"
#include "support/test_home.h"

namespace quorvel::testing {

// A dialog on an in-memory form in a fresh home whose English file has short numbered lines,
// started as the program starts.
struct Program {
    TestHome home;
    MemoryForm form;
    CSimulatorDlg dlg{form, home.Path()};

    Program();
    void Set(ControlId id, const std::string& text) { form.SetText(id, text); }
    std::string Get(ControlId id) const { return form.GetText(id); }
};

}  // namespace quorvel::testing
