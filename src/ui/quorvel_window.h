#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QString>
#include <QTranslator>
#include <filesystem>
#include <map>
#include <memory>

#include "app/main_form.h"
#include "ui/control_widgets.h"

namespace quorvel {

class CSimulatorDlg;
class CurveWindow;
class CurveWindowHandle;
class ShareActions;
class TargetListWindow;
class WorkActions;

// The main window: real widgets behind the MainForm the logic talks to. It only wires: buttons,
// lists and keys go to the handlers of the attached CSimulatorDlg, texts go to and from widgets.
class QuorvelWindow : public QDialog, public MainForm {
    Q_OBJECT

public:
    QuorvelWindow();
    ~QuorvelWindow() override;

    // The logic the controls call; it must outlive every event the window handles.
    void Attach(CSimulatorDlg& dlg) { m_dlg = &dlg; }

    QWidget* Control(ControlId id) const { return m_controls.Widget(id); }

    std::string GetText(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    int GetSelection(ControlId id) const override;
    void ShowMessage(std::string_view text) override;
    void ShowError(std::string_view text) override;
    void ShowWarning(std::string_view text) override;
    void FocusField(ControlId id) override;
    void SetColour(ControlId id, TextColour colour) override;
    TextColour GetColour(ControlId id) const override;
    void CloseOk() override;
    void ClearList(ControlId id) override;
    void InsertListItem(ControlId id, int position, std::string_view text) override;
    void RemoveListItem(ControlId id, int position) override;
    void SelectListItem(ControlId id, int position) override;
    void SetToolTip(ControlId id, std::string_view text) override;
    void SetAccessibleName(ControlId id, std::string_view text) override;
    void SetClipboardText(std::string_view text) override;
    std::string GetClipboardText() const override;
    std::optional<std::string> AskSavePath() override;
    LanguageDialogAnswer RunLanguageDialog(const LanguageDialogTexts& texts) override;
    void ShowAbout() override;
    // A box with the question and its three buttons; Escape cancels.
    PlanLoadChoice AskPlanLoad(const PlanLoadQuestion& question) override;
    // Opens the loss curve window, creating it the first time from the chart module; a module that
    // cannot be loaded is said in an error box naming its file.
    void ShowCurve() override;
    // The loss curve window once it was opened, else nullptr.
    CurveWindow* Curve() const;
    // The chart module the loss curve window comes from: the one ChartModuleFile() finds for this
    // executable, unless another was set before the first open.
    const std::filesystem::path& ChartModule();
    void UseChartModule(std::filesystem::path file) { m_chartModule = std::move(file); }
    // Creates the loss curve window on its first call and shows it; false with the error box's text
    // when the chart module cannot be loaded.
    bool OpenCurveWindow(std::string* problem);
    void UseLanguage(const LanguageTexts& texts, std::string_view locale) override;
    // Opens the target list window, creating it the first time, with the target panel's rows.
    void ShowTargetList() override;
    // The target list window once it was opened, else nullptr.
    TargetListWindow* TargetList() const { return m_targetList; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void setVisible(bool visible) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void Wire();
    void AddAboutEntry();
    void AddCurveEntry();
    // The context-menu entry and Ctrl+Shift+L that open the target list, and drops that fill it.
    void AddTargetListEntry();
    // An open loss curve window follows the strike the window last simulated.
    void FollowInCurveWindow();
    void LinkLabels();
    void ScheduleLineUp();
    // After an action: when results or messages asked for more room, line the boxes up again and
    // let the window grow to its contents, up to the screen.
    void GrowToResults();
    // Once a window manager has framed the window: the frame, title bar included, fits the screen.
    void KeepOnScreen();
    // Fits the window to the screen once the window manager's frame is known, and while the window
    // settles brings a frame that runs off the screen back onto it.
    void SettleOnScreen();
    // The window's size for `wanted` within `room`: a side cut short scrolls, and the other side
    // grows by the scroll bar where the room allows.
    QSize FittingSize(QSize wanted, QSize room) const;
    // Resized to `fitting` and its frame moved back within `room` where it runs past an edge.
    void PlaceOnScreen(QSize fitting, const QRect& room);
    // A window of ours on the side of this one where the screen has more room, so that it covers
    // as little of the results as it can (none where the room is wide enough).
    void PlaceBeside(QWidget& other) const;
    // After an action of the window: the undo entries follow, the window grows to new results.
    void AfterAction();
    // The shade of red or green that stays readable on the current palette, or the palette's own.
    void ApplyColour(ControlId id, TextColour colour);
    bool m_shownOnce = false;
    bool m_framed = false;    // the window manager's frame is known
    QSize m_fittedFrame;      // the frame's extent the window was last fitted to the screen with
    QElapsedTimer m_shownAt;  // since the window was first shown
    static constexpr qint64 kSettlingMs = 5000;

    // The boxes stand in a scroll area that scrolls only on a screen too small for them.
    QScrollArea* m_scroll;
    ControlWidgets m_controls;
    CSimulatorDlg* m_dlg = nullptr;
    std::map<ControlId, TextColour> m_colours;  // the cells the logic coloured
    bool m_lineUpPending = false;
    bool m_resultsGrew = false;
    // The texts of the window's own boxes and dialogs; until a language file is applied the save
    // filter and the about entry keep the template's German.
    LanguageTexts m_texts;
    bool m_languageApplied = false;
    QAction* m_aboutEntry = nullptr;
    ShareActions* m_shareActions = nullptr;
    WorkActions* m_workActions = nullptr;
    QTranslator m_qtTexts;  // Qt's own texts (dialog buttons) in the window's language
    QString m_lastExportFolder;
    QAction* m_curveEntry = nullptr;
    std::filesystem::path m_chartModule;
    std::unique_ptr<CurveWindowHandle> m_curveWindow;
    QAction* m_targetListEntry = nullptr;
    TargetListWindow* m_targetList = nullptr;
    std::uint64_t m_workMoves = 0;  // the work view's moves when the report field's typing was last folded
};

}  // namespace quorvel
