#pragma once

// The loss curve window lives in a module of its own (libquorvel_chart.so, with Qt Charts and Qt
// SVG), loaded when the window is first opened: a start links neither library. The module calls
// back into the program (the logic, the views, the texts), which exports its own symbols for it
// (chart_module.dynamic). Nothing here needs a Qt Charts header.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace quorvel {

class CSimulatorDlg;
class CurveWindow;
struct CurveView;
struct FileErrorTexts;
struct LanguageTexts;

// What the main window knows of the loss curve window.
class CurveWindowHandle {
public:
    virtual ~CurveWindowHandle() = default;
    // The window; a child of the main window, which deletes it.
    virtual QWidget* Widget() const = 0;
    // The same window as its own class, for the window tests.
    virtual CurveWindow* Window() const = 0;
    virtual void UseTexts(const LanguageTexts& texts) = 0;
    virtual void ShowCurve(const CurveView& curve) = 0;
};

// The module's one entry: a loss curve window over the logic `logic` gives.
extern "C" CurveWindowHandle* quorvel_create_curve_window(QWidget* owner,
                                                          std::function<CSimulatorDlg*()> logic);
inline constexpr char kCurveWindowFactoryName[] = "quorvel_create_curve_window";

// A loss curve window made by the module at `file`, which is loaded on the first call and stays
// loaded. Nothing when it cannot be loaded or holds no factory; then `problem` says why (in the
// texts' words for a file that cannot be opened, else in the system loader's).
std::unique_ptr<CurveWindowHandle> CreateCurveWindow(const std::filesystem::path& file, QWidget* owner,
                                                     std::function<CSimulatorDlg*()> logic,
                                                     const FileErrorTexts& texts, std::string* problem);

}  // namespace quorvel
