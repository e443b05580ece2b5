// The chart module's entry (built into libquorvel_chart.so only): the loss curve window behind the
// handle the main window knows.

#include <QtGlobal>

#include "ui/chart_module.h"
#include "ui/curve_window.h"

namespace quorvel {
namespace {

class ModuleCurveWindow final : public CurveWindowHandle {
public:
    explicit ModuleCurveWindow(CurveWindow* window) : m_window(window) {}

    QWidget* Widget() const override { return m_window; }
    CurveWindow* Window() const override { return m_window; }
    void UseTexts(const LanguageTexts& texts) override { m_window->UseTexts(texts); }
    void ShowCurve(const CurveView& curve) override { m_window->ShowCurve(curve); }

private:
    CurveWindow* m_window;
};

}  // namespace

extern "C" Q_DECL_EXPORT CurveWindowHandle* quorvel_create_curve_window(
    QWidget* owner, std::function<CSimulatorDlg*()> logic) {
    return new ModuleCurveWindow(new CurveWindow(owner, std::move(logic)));
}

}  // namespace quorvel
