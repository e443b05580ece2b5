#pragma once

#include <ostream>

#include "app/memory_form.h"

namespace quorvel {

// The batch mode's window: a MemoryForm that prints what the program shows on its own (messages,
// focus, dialogs, closing) as one line each, at the moment it happens.
class ScriptForm : public MemoryForm {
public:
    explicit ScriptForm(std::ostream& out) : m_out(out) {}

protected:
    void Notify(const Event& event) override;

private:
    std::ostream& m_out;
};

}  // namespace quorvel
