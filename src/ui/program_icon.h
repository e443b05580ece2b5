#pragma once

#include <QIcon>
#include <QPixmap>

namespace quorvel {

// The program's icon for its windows and dialogs, in the one size an X11 window manager needs for
// its title bar and window switcher (it scales it); the desktop shell takes the desktop file's
// icon. Decoded on first use.
QIcon ProgramIcon();

// The icon at one of the sizes the program ships (16, 32, 48, 64, 128, 256), decoded now.
QPixmap ProgramPixmap(int size);

}  // namespace quorvel
