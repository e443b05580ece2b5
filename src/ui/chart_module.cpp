#include "ui/chart_module.h"

#include <unistd.h>

#include <QLibrary>
#include <cerrno>

#include "fileio/file_error.h"
#include "ui/qt_text.h"

namespace quorvel {

std::unique_ptr<CurveWindowHandle> CreateCurveWindow(const std::filesystem::path& file, QWidget* owner,
                                                     std::function<CSimulatorDlg*()> logic,
                                                     const FileErrorTexts& texts, std::string* problem) {
    // A module that cannot be opened is said in the words of every other file.
    if (::access(file.c_str(), R_OK) != 0) {
        *problem = FileErrorReason(texts, errno);
        return nullptr;
    }
    // Every symbol is bound now, so that a module that does not fit this program fails here rather
    // than in a later call. The library stays loaded: its window lives until the program ends.
    QLibrary library(ToQString(file.string()));
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const auto create = reinterpret_cast<decltype(&quorvel_create_curve_window)>(
        library.load() ? library.resolve(kCurveWindowFactoryName) : nullptr);
    if (create == nullptr) {
        *problem = ToUtf8(library.errorString());
        return nullptr;
    }
    return std::unique_ptr<CurveWindowHandle>(create(owner, std::move(logic)));
}

}  // namespace quorvel
