// Placeholder until the attack plan is wired in.
#include "app/simulator_dialog.h"

namespace quorvel {

void CSimulatorDlg::OnRememberAttack() {}
void CSimulatorDlg::OnSavePlan() {}

}  // namespace quorvel
