// Placeholder until the espionage report reader is wired in.
#include "app/simulator_dialog.h"

namespace quorvel {

void CSimulatorDlg::OnReadReport() {}
void CSimulatorDlg::OnClearReport() {}

}  // namespace quorvel
