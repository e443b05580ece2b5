#include "support/program.h"

namespace quorvel::testing {

Program::Program() {
    home.WriteShortNumberedLanguage();
    dlg.OnMainWindowInit();
}

}  // namespace quorvel::testing
