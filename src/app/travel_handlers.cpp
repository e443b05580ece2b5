// Placeholder until flight time, range and the coordinate book are wired in.
#include "app/simulator_dialog.h"

namespace quorvel {

void CSimulatorDlg::OnCalcFlightTime() {}
void CSimulatorDlg::OnCalcRange() {}
void CSimulatorDlg::RefillBookList() {}
void CSimulatorDlg::OnBookSave() {}
void CSimulatorDlg::OnBookDelete() {}
void CSimulatorDlg::OnBookSelChange() {}

}  // namespace quorvel
