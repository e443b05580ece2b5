#pragma once

#include <QObject>

namespace quorvel {

class CSimulatorDlg;

// Keeps the window's book list in step with the book file when another window (or the player)
// changes it: a file watcher on the book and on its folder (a rewrite renames a new file over the
// old one, which ends the watch on the file itself) calls OnBookFileChanged once a burst of changes
// has settled. The watcher belongs to parent; dlg must outlive it.
void WatchBookFile(QObject& parent, CSimulatorDlg& dlg);

}  // namespace quorvel
