#pragma once

class QWidget;

namespace quorvel {

class CSimulatorDlg;

// Keeps the window's book list in step with the book file when another window (or program)
// changes it: whenever the window becomes active, the book file is looked at, and when it is no
// longer the file the window last saw (another inode, size or modification time) OnBookFileChanged
// runs. The player works with the list only in the active window, so the list is current whenever
// it is used; no file watch is held, whose teardown in the kernel would lengthen every exit. The
// looker belongs to window; dlg must outlive it.
void WatchBookFile(QWidget& window, CSimulatorDlg& dlg);

}  // namespace quorvel
