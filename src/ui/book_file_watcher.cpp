#include "ui/book_file_watcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include "app/program_files.h"
#include "app/simulator_dialog.h"

namespace quorvel {

void WatchBookFile(QObject& parent, CSimulatorDlg& dlg) {
    const QString book = QString::fromStdString(dlg.HomePath(kBookFile).string());
    const QString folder = QString::fromStdString(dlg.HomePath(kBookFile).parent_path().string());
    auto* watcher = new QFileSystemWatcher(&parent);
    auto* settle = new QTimer(watcher);
    settle->setSingleShot(true);
    settle->setInterval(50);
    // The file is watched again each time, since a rename over it ends the watch.
    const auto watch = [watcher, book, folder] {
        if (!watcher->directories().contains(folder)) watcher->addPath(folder);
        if (!watcher->files().contains(book) && QFileInfo::exists(book)) watcher->addPath(book);
    };
    watch();
    QObject::connect(settle, &QTimer::timeout, watcher, [&dlg, watch] {
        watch();
        dlg.Run(Action::BookFileChanged);
    });
    const auto changed = [settle](const QString&) { settle->start(); };
    QObject::connect(watcher, &QFileSystemWatcher::fileChanged, settle, changed);
    QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, settle, changed);
}

}  // namespace quorvel
