#pragma once

#include <QIcon>

namespace quorvel {

// The program's icon in every size it ships, for the window, the task bar and the about box.
QIcon ProgramIcon();

}  // namespace quorvel
