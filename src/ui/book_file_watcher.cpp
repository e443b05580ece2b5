#include "ui/book_file_watcher.h"

#include <sys/stat.h>

#include <QEvent>
#include <QWidget>
#include <filesystem>
#include <string>

#include "app/program_files.h"
#include "app/simulator_dialog.h"

namespace quorvel {
namespace {

// What tells one state of the book file from another; all zero while there is none.
struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    static FileState Of(const std::filesystem::path& file) {
        struct stat status {};
        if (::stat(file.c_str(), &status) != 0) return {};
        return {status.st_dev, status.st_ino, status.st_size, status.st_mtim};
    }
    bool operator==(const FileState& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
    }
};

class BookFileLooker : public QObject {
public:
    BookFileLooker(QWidget& window, CSimulatorDlg& dlg)
        : QObject(&window),
          m_window(window),
          m_dlg(dlg),
          m_book(dlg.HomePath(kBookFile)),
          m_seen(FileState::Of(m_book)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::ActivationChange && m_window.isActiveWindow()) {
            const FileState now = FileState::Of(m_book);
            if (!(now == m_seen)) {
                m_seen = now;
                m_dlg.Run(Action::BookFileChanged);
            }
        }
        return false;
    }

private:
    QWidget& m_window;
    CSimulatorDlg& m_dlg;
    const std::filesystem::path m_book;
    FileState m_seen;
};

}  // namespace

void WatchBookFile(QWidget& window, CSimulatorDlg& dlg) { new BookFileLooker(window, dlg); }

}  // namespace quorvel
