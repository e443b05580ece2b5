#include "ui/quorvel_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/button_handlers.h"
#include "app/program_files.h"
#include "app/program_folders.h"
#include "app/simulator_dialog.h"
#include "text/placeholders.h"
#include "ui/about_dialog.h"
#include "ui/chart_module.h"
#include "ui/contrast.h"
#include "ui/language_dialog.h"
#include "ui/message_line.h"
#include "ui/program_icon.h"
#include "ui/qt_text.h"
#include "ui/result_cell.h"
#include "ui/share_actions.h"
#include "ui/target_drop_filter.h"
#include "ui/target_list_window.h"
#include "ui/window_key_filter.h"
#include "ui/work_actions.h"

namespace quorvel {
namespace {

// The template's texts, shown until a language file is applied.
const char* const kTemplateAboutEntry = "&Info über Quorvel...";
const char* const kTemplateSaveFilter = "Text-Dateien (*.txt)";

const QColor kRed(255, 0, 0);
const QColor kGreen(35, 135, 37);

// A scroll area as large as its contents ask (QScrollArea caps its size hint), so that the window
// shows everything wherever the screen has room and scrolls only where it has not.
class WholeContentScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const QWidget* content = widget();
        return content == nullptr ? QScrollArea::sizeHint() : content->sizeHint();
    }
};

// The window's one layout holds the scroll area; the boxes are laid out in the area's widget.
QScrollArea* ScrolledContent(QDialog& window) {
    auto* frame = new QVBoxLayout(&window);
    frame->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new WholeContentScrollArea(&window);
    scroll->setObjectName(QStringLiteral("contentScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The area itself takes no focus: Tab goes from field to field, and the area scrolls to it.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("content"));
    scroll->setWidget(content);
    frame->addWidget(scroll);
    return scroll;
}

// A frame a window manager put around the window: it surrounds the window, and none of its sides is
// as wide as a tenth of the screen. While the window manager takes the window in, Qt may report a
// 1x1 or empty frame, or an old size of the window inside the new frame.
bool IsWindowManagerFrame(const QRect& frame, const QRect& window, const QRect& screen) {
    const QMargins sides(window.left() - frame.left(), window.top() - frame.top(),
                         frame.right() - window.right(), frame.bottom() - window.bottom());
    const int across = screen.width() / 10;
    const int down = screen.height() / 10;
    return frame != window && sides.left() >= 0 && sides.top() >= 0 && sides.right() >= 0 &&
           sides.bottom() >= 0 && sides.left() < across && sides.right() < across && sides.top() < down &&
           sides.bottom() < down;
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, std::string_view text) {
    QMessageBox box(icon, QStringLiteral("Quorvel"), ToQString(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

QuorvelWindow::QuorvelWindow()
    : QDialog(nullptr), m_scroll(ScrolledContent(*this)), m_controls(*m_scroll->widget()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(ToQString(kWindowTitle));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    Wire();
    AddAboutEntry();
    AddCurveEntry();
    AddTargetListEntry();
    LinkLabels();
}

void QuorvelWindow::LinkLabels() {
    // A label names its field for screen readers; on Linux a drop-down list is announced by its
    // current entry and its label relation, so the primary-target list needs its label too.
    const auto link = [this](ControlId label, ControlId field) {
        if (auto* caption = m_controls.As<QLabel>(label)) caption->setBuddy(m_controls.Widget(field));
    };
    for (const DefenceRowControls& row : kDefenceRows) link(row.label, row.input);
    link(ControlId::PrimaryTargetLabel, ControlId::PrimaryTargetList);
}

QuorvelWindow::~QuorvelWindow() = default;

void QuorvelWindow::Wire() {
    for (const ControlRow& control : ControlTable()) {
        const ControlId id = control.id;
        if (auto* button = m_controls.As<QPushButton>(id)) {
            connect(button, &QPushButton::clicked, this, [this, id] {
                if (m_dlg != nullptr) PressButton(*m_dlg, id);
                AfterAction();
            });
        } else if (auto* list = m_controls.As<QComboBox>(id)) {
            // Only a choice the player makes counts; the program's own list changes do not.
            connect(list, &QComboBox::activated, this, [this, id] {
                if (m_dlg != nullptr) SelectionChanged(*m_dlg, id);
                AfterAction();
            });
        }
    }
    qApp->installEventFilter(new WindowKeyFilter(*this, [this](Key key) {
        if (m_dlg != nullptr) PressKey(*m_dlg, key);
        AfterAction();
    }));
}

void QuorvelWindow::AddAboutEntry() {
    // Linux window managers own the title-bar menu: the entry lives in the window's context menu
    // and on F1.
    auto* about = new QAction(QString::fromUtf8(kTemplateAboutEntry), this);
    m_aboutEntry = about;
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    connect(about, &QAction::triggered, this, [this] {
        if (m_dlg != nullptr) m_dlg->Run(Action::ShowAbout);
    });
    addAction(about);
    m_shareActions = new ShareActions(*this, [this] { return m_dlg; });
    m_shareActions->AddToContextMenu(about);
    m_workActions = new WorkActions(*this, [this] { return m_dlg; });
    m_workActions->AddToContextMenu(m_shareActions->FirstEntry());
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void QuorvelWindow::AddCurveEntry() {
    auto* entry = new QAction(QStringLiteral("Verlustkurve"), this);
    m_curveEntry = entry;
    entry->setObjectName(QStringLiteral("curveAction"));
    entry->setShortcut(QKeySequence(Qt::Key_F3));
    entry->setShortcutContext(Qt::WindowShortcut);
    connect(entry, &QAction::triggered, this, [this] {
        if (m_dlg != nullptr) m_dlg->Run(Action::ShowCurve);
    });
    insertAction(m_aboutEntry, entry);
}

void QuorvelWindow::AddTargetListEntry() {
    auto* entry = new QAction(QStringLiteral("Ziel&liste"), this);
    m_targetListEntry = entry;
    entry->setObjectName(QStringLiteral("targetListAction"));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    entry->setShortcutContext(Qt::WindowShortcut);
    connect(entry, &QAction::triggered, this, [this] {
        if (m_dlg != nullptr) m_dlg->Run(Action::ListTargets);
        AfterAction();
    });
    insertAction(m_aboutEntry, entry);
    qApp->installEventFilter(new TargetDropFilter(
        *this,
        [this](const QString& text) {
            if (m_dlg != nullptr) m_dlg->Run(Action::ListTargets, ActionInput(1, ToUtf8(text)));
            AfterAction();
        },
        [this](const QStringList& files) {
            for (const QString& file : files) {
                if (m_dlg != nullptr) m_dlg->Run(Action::ListTargetFile, ActionInput(0, ToUtf8(file)));
            }
            AfterAction();
        }));
}

void QuorvelWindow::ShowTargetList() {
    if (m_targetList == nullptr) {
        m_targetList = new TargetListWindow(
            this, [this] { return m_dlg; }, [this] { AfterAction(); });
        m_targetList->UseTexts(m_texts);
        // Wide enough for every column, up to the screen.
        const QScreen* display = screen();
        const QRect room = display != nullptr ? display->availableGeometry() : QRect(0, 0, 1280, 800);
        if (m_dlg != nullptr) m_targetList->ShowRows(m_dlg->View().targets);
        m_targetList->resize(std::min(m_targetList->FittingWidth(), room.width() * 95 / 100),
                             std::min(room.height() * 2 / 3, 520));
    }
    if (m_dlg != nullptr) m_targetList->ShowRows(m_dlg->View().targets);
    m_targetList->show();
    m_targetList->raise();
    m_targetList->activateWindow();
}

void QuorvelWindow::ShowCurve() {
    std::string problem;
    if (!OpenCurveWindow(&problem)) ShowError(problem);
}

const std::filesystem::path& QuorvelWindow::ChartModule() {
    if (m_chartModule.empty()) m_chartModule = ChartModuleFile(ExecutableFolder());
    return m_chartModule;
}

bool QuorvelWindow::OpenCurveWindow(std::string* problem) {
    // The chart module is loaded on first open only, so that a start links neither Qt Charts nor
    // Qt SVG.
    if (m_curveWindow == nullptr) {
        std::string reason;
        m_curveWindow = CreateCurveWindow(
            ChartModule(), this, [this] { return m_dlg; }, m_texts.fileErrors, &reason);
        if (m_curveWindow == nullptr) {
            *problem = FillPlaceholders(m_texts.curveModuleMissing, {m_chartModule.string(), reason});
            return false;
        }
        m_curveWindow->UseTexts(m_texts);
        PlaceBeside(*m_curveWindow->Widget());
    }
    QWidget* window = m_curveWindow->Widget();
    window->show();
    window->raise();
    window->activateWindow();
    FollowInCurveWindow();
    return true;
}

void QuorvelWindow::PlaceBeside(QWidget& other) const {
    const QScreen* display = screen();
    if (display == nullptr) return;
    const QRect room = display->availableGeometry();
    const QRect main = frameGeometry();
    // The other window's frame is not known before it is shown: take this one's.
    const QSize frame = main.size() - size();
    const int right = room.right() - main.right();
    const int left = main.left() - room.left();
    // Down to what it needs, it takes the room there is beside.
    const int side = std::max(right, left) - frame.width();
    if (side < other.width() && side >= other.minimumSizeHint().width()) other.resize(side, other.height());
    const QSize outer = other.size() + frame;
    QRect placed(QPoint(0, main.top()), outer);
    if (right >= outer.width() || right >= left) {
        placed.moveLeft(std::min(main.right() + 1, room.right() + 1 - outer.width()));
    } else {
        placed.moveRight(std::max(main.left() - 1, room.left() + outer.width() - 1));
    }
    placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    placed.moveTop(std::max(placed.top(), room.top()));
    other.move(placed.topLeft());
}

CurveWindow* QuorvelWindow::Curve() const { return m_curveWindow ? m_curveWindow->Window() : nullptr; }

void QuorvelWindow::FollowInCurveWindow() {
    if (m_curveWindow == nullptr || !m_curveWindow->Widget()->isVisible() || m_dlg == nullptr) return;
    m_curveWindow->ShowCurve(m_dlg->View().curve);
}

void QuorvelWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A new palette (a light or dark theme) needs new shades for the coloured cells.
    if (event->type() != QEvent::PaletteChange) return;
    for (const auto& [id, colour] : m_colours) ApplyColour(id, colour);
}

void QuorvelWindow::setVisible(bool visible) {
    // The boxes are lined up before the first show lays the window out, which it then does once
    // rather than again for the line-up (the line-up asks for size hints only, which no layout
    // changes).
    if (visible && !m_shownOnce) {
        ensurePolished();
        m_controls.LineUp();
    }
    QDialog::setVisible(visible);
}

void QuorvelWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Qt gives a new window at most two thirds of the screen; this one takes what it needs.
    if (m_shownOnce) return;
    m_shownOnce = true;
    m_shownAt.start();
    // A busy machine may frame or place the window without a move reaching it in time: while it
    // settles the place is also looked at on a timer.
    auto* settle = new QTimer(this);
    settle->setInterval(200);
    connect(settle, &QTimer::timeout, this, [this, settle] {
        SettleOnScreen();
        if (m_shownAt.elapsed() < kSettlingMs) return;
        settle->stop();
        settle->deleteLater();
    });
    settle->start();
    // The native window exists now: the platform converts the icon once for it, where an icon
    // set before would be converted twice, at the window's creation and again after it. The
    // window is not on screen yet, so it appears with its icon. Dialogs take the program's icon.
    setWindowIcon(ProgramIcon());
    QApplication::setWindowIcon(ProgramIcon());
    m_resultsGrew = true;
    GrowToResults();
}

void QuorvelWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    SettleOnScreen();
}

void QuorvelWindow::SettleOnScreen() {
    // The first placement could not count a frame the window manager had not yet put around it.
    const QScreen* display = screen();
    const QRect frame = frameGeometry();
    if (display == nullptr || !isVisible() ||
        !IsWindowManagerFrame(frame, geometry(), display->availableGeometry()))
        return;
    // The window manager may still carry out an earlier placement after the first frame, and on a
    // busy machine the first frame may stand around an old size of the window, which gives wrong
    // sides: for the window's first moments on screen a frame that runs off it, or whose sides
    // changed since the window was fitted, fits the window again. Later moves are the player's.
    const bool settling = m_shownAt.isValid() && m_shownAt.elapsed() < kSettlingMs;
    const QSize sides = frame.size() - size();
    if (m_framed && !(settling && (!display->availableGeometry().contains(frame) || sides != m_fittedFrame)))
        return;
    m_framed = true;
    m_fittedFrame = sides;
    KeepOnScreen();
}

void QuorvelWindow::KeepOnScreen() {
    const QScreen* display = screen();
    if (display == nullptr) return;
    const QRect room = display->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    // As large as the contents ask: a fit to wrong sides of an earlier frame may have cut it short.
    PlaceOnScreen(FittingSize(size().expandedTo(sizeHint()), room.size() - frame), room);
}

QSize QuorvelWindow::FittingSize(QSize wanted, QSize room) const {
    // A side the room cuts short scrolls, and its scroll bar takes room from the other side: that
    // side grows by the bar where the screen allows, so that it need not scroll as well.
    const QSize content = sizeHint();
    const int bar = m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    QSize fitting = wanted.boundedTo(room);
    for (int pass = 0; pass < 2; ++pass) {
        if (fitting.height() < content.height())
            fitting.setWidth(std::max(fitting.width(), std::min(content.width() + bar, room.width())));
        if (fitting.width() < content.width())
            fitting.setHeight(std::max(fitting.height(), std::min(content.height() + bar, room.height())));
    }
    return fitting;
}

void QuorvelWindow::PlaceOnScreen(QSize fitting, const QRect& room) {
    if (fitting != size()) resize(fitting);
    // The frame as it will stand around the new size: the window manager reports it later.
    QRect placed = frameGeometry();
    placed.setSize(fitting + (frameGeometry().size() - geometry().size()));
    placed.moveRight(std::min(placed.right(), room.right()));
    placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    placed.moveLeft(std::max(placed.left(), room.left()));
    placed.moveTop(std::max(placed.top(), room.top()));
    if (placed.topLeft() != frameGeometry().topLeft()) move(placed.topLeft());
}

void QuorvelWindow::keyPressEvent(QKeyEvent* event) {
    // The key filter has already acted on Enter and Escape; the dialog must not close or press a
    // default button for them.
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

std::string QuorvelWindow::GetText(ControlId id) const {
    QWidget* widget = m_controls.Widget(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return ToUtf8(edit->text());
    if (auto* report = qobject_cast<QPlainTextEdit*>(widget)) return ToUtf8(report->toPlainText());
    if (auto* label = qobject_cast<QLabel*>(widget)) return ToUtf8(label->text());
    if (auto* button = qobject_cast<QPushButton*>(widget)) return ToUtf8(button->text());
    if (auto* box = qobject_cast<QGroupBox*>(widget)) return ToUtf8(box->title());
    if (auto* list = qobject_cast<QComboBox*>(widget)) return ToUtf8(list->currentText());
    return {};
}

void QuorvelWindow::SetText(ControlId id, std::string_view text) {
    QWidget* widget = m_controls.Widget(id);
    const QString value = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
    } else if (auto* report = qobject_cast<QPlainTextEdit*>(widget)) {
        report->setPlainText(value);
    } else if (auto* cell = qobject_cast<ResultCell*>(widget)) {
        const int before = cell->sizeHint().width();
        cell->SetValue(value);
        if (cell->sizeHint().width() > before) m_resultsGrew = true;
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
        if (qobject_cast<MessageLine*>(label) != nullptr) m_resultsGrew = true;
        // A new caption may change a column's width; a result in a cell does not move the grid.
        const ControlRow* control = FindControl(ToInt(id));
        if (control != nullptr && control->kind == ControlKind::Label) ScheduleLineUp();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(value);
        ScheduleLineUp();
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(value);
    }
}

void QuorvelWindow::ScheduleLineUp() {
    // Captions change by the dozen with a language; line the boxes up once afterwards.
    if (m_lineUpPending) return;
    m_lineUpPending = true;
    QTimer::singleShot(0, this, [this] {
        // A line-up since then (the first show lines up) has taken the new captions in already.
        if (!m_lineUpPending) return;
        m_lineUpPending = false;
        m_resultsGrew = true;
        GrowToResults();
    });
}

void QuorvelWindow::AfterAction() {
    m_workActions->UpdateEnabled();
    m_shareActions->UpdateLinks();
    // What was typed or pasted into the report field before a step belongs to the step: Ctrl+Z
    // there takes back the whole step, and Ctrl+Y brings it again.
    if (m_dlg != nullptr && m_dlg->View().work.moves != m_workMoves) {
        m_workMoves = m_dlg->View().work.moves;
        if (auto* report = m_controls.As<QPlainTextEdit>(ControlId::ReportText))
            report->document()->clearUndoRedoStacks();
    }
    // An open target list follows the levels, the range rule and the start the window now has.
    if (m_targetList != nullptr && m_targetList->isVisible() && m_dlg != nullptr)
        m_targetList->ShowRows(m_dlg->View().targets);
    GrowToResults();
}

void QuorvelWindow::GrowToResults() {
    // Every action ends here: a new strike redraws an open curve window.
    FollowInCurveWindow();
    if (!m_resultsGrew) return;
    m_resultsGrew = false;
    m_lineUpPending = false;
    m_controls.LineUp();
    m_scroll->widget()->layout()->activate();
    // The window's layout keeps the scroll area's last size hint until told that it changed.
    m_scroll->updateGeometry();
    layout()->activate();
    // As large as the contents ask, up to the screen; never smaller than it is.
    const QScreen* display = screen();
    if (display == nullptr) return;
    const QRect room = display->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize wanted =
        FittingSize(sizeHint(), room.size() - frame).expandedTo(size()).expandedTo(minimumSize());
    if (wanted == size()) return;
    // A window that grew past the screen's edge moves back onto it.
    PlaceOnScreen(wanted, room);
}

int QuorvelWindow::GetSelection(ControlId id) const {
    const auto* list = m_controls.As<QComboBox>(id);
    return list == nullptr ? -1 : list->currentIndex();
}

void QuorvelWindow::ShowMessage(std::string_view text) { ShowBox(this, QMessageBox::Information, text); }

void QuorvelWindow::ShowError(std::string_view text) { ShowBox(this, QMessageBox::Critical, text); }

void QuorvelWindow::ShowWarning(std::string_view text) { ShowBox(this, QMessageBox::Warning, text); }

void QuorvelWindow::FocusField(ControlId id) {
    QWidget* widget = m_controls.Widget(id);
    if (widget == nullptr) return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
    if (auto* report = qobject_cast<QPlainTextEdit*>(widget)) report->selectAll();
}

void QuorvelWindow::SetColour(ControlId id, TextColour colour) {
    m_colours[id] = colour;
    ApplyColour(id, colour);
}

TextColour QuorvelWindow::GetColour(ControlId id) const {
    const auto it = m_colours.find(id);
    return it != m_colours.end() ? it->second : TextColour::Default;
}

void QuorvelWindow::ApplyColour(ControlId id, TextColour colour) {
    QWidget* widget = m_controls.Widget(id);
    if (widget == nullptr) return;
    QPalette palette;  // an empty palette falls back to the parent's colours
    if (colour != TextColour::Default) {
        // The shade of red or green that stays readable on this palette's background.
        palette = widget->palette();
        const QColor background = palette.color(QPalette::Window);
        palette.setColor(QPalette::WindowText,
                         ReadableShade(colour == TextColour::Red ? kRed : kGreen, background));
    }
    widget->setPalette(palette);
    widget->update();
}

void QuorvelWindow::CloseOk() { accept(); }

void QuorvelWindow::ClearList(ControlId id) {
    if (auto* list = m_controls.As<QComboBox>(id)) list->clear();
}

void QuorvelWindow::InsertListItem(ControlId id, int position, std::string_view text) {
    auto* list = m_controls.As<QComboBox>(id);
    if (list == nullptr || position < 0 || position > list->count()) return;
    const int selected = list->currentIndex();
    list->insertItem(position, ToQString(text));
    // Inserting never selects: an empty list that gains an entry still has no selection.
    if (selected < 0) list->setCurrentIndex(-1);
}

void QuorvelWindow::RemoveListItem(ControlId id, int position) {
    auto* list = m_controls.As<QComboBox>(id);
    if (list == nullptr || position < 0 || position >= list->count()) return;
    const bool wasSelected = list->currentIndex() == position;
    list->removeItem(position);
    // Removing the selected entry leaves nothing selected rather than a neighbour.
    if (wasSelected) list->setCurrentIndex(-1);
}

void QuorvelWindow::SelectListItem(ControlId id, int position) {
    auto* list = m_controls.As<QComboBox>(id);
    if (list == nullptr) return;
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

void QuorvelWindow::SetToolTip(ControlId id, std::string_view text) {
    if (QWidget* widget = m_controls.Widget(id)) widget->setToolTip(ToQString(text));
}

void QuorvelWindow::SetAccessibleName(ControlId id, std::string_view text) {
    if (QWidget* widget = m_controls.Widget(id)) widget->setAccessibleName(ToQString(text));
}

void QuorvelWindow::SetClipboardText(std::string_view text) {
    QApplication::clipboard()->setText(ToQString(text));
}

std::string QuorvelWindow::GetClipboardText() const { return ToUtf8(QApplication::clipboard()->text()); }

std::optional<std::string> QuorvelWindow::AskSavePath() {
    // In the folder of the last export, else the player's documents, with a name to take or
    // change; ".txt" is added to a name typed without an extension. The dialog asks before
    // overwriting and leaves the working folder alone.
    // A folder that no longer exists (or never did) gives way to the next choice.
    QString folder = m_lastExportFolder;
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString filter =
        m_languageApplied ? ToQString(m_texts.saveFilter) : QString::fromUtf8(kTemplateSaveFilter);
    QFileDialog dialog(this, ToQString(m_texts.saveTitle), folder, filter);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(ToQString(m_texts.saveFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty()) return std::nullopt;
    m_lastExportFolder = QFileInfo(path).absolutePath();
    return ToUtf8(path);
}

LanguageDialogAnswer QuorvelWindow::RunLanguageDialog(const LanguageDialogTexts& texts) {
    LanguageDialog dialog(texts, this);
    dialog.exec();
    return dialog.Answer();
}

PlanLoadChoice QuorvelWindow::AskPlanLoad(const PlanLoadQuestion& question) {
    QMessageBox box(QMessageBox::Question, ToQString(question.title), ToQString(question.question),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("planLoadBox"));
    QPushButton* replace = box.addButton(ToQString(question.replace), QMessageBox::AcceptRole);
    QPushButton* extend = box.addButton(ToQString(question.extend), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(ToQString(question.cancel), QMessageBox::RejectRole);
    replace->setObjectName(QStringLiteral("planReplaceButton"));
    extend->setObjectName(QStringLiteral("planExtendButton"));
    // Enter keeps the plan's records; only a deliberate choice drops them.
    box.setDefaultButton(extend);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == replace) return PlanLoadChoice::Replace;
    if (box.clickedButton() == extend) return PlanLoadChoice::Extend;
    return PlanLoadChoice::Cancel;
}

void QuorvelWindow::ShowAbout() {
    if (m_dlg == nullptr) return;
    CAboutDlg about(m_dlg->View().about, this);
    about.exec();
}

void QuorvelWindow::UseLanguage(const LanguageTexts& texts, std::string_view locale) {
    m_texts = texts;
    m_languageApplied = true;
    m_aboutEntry->setText(ToQString(texts.aboutEntry));
    m_curveEntry->setText(ToQString(texts.curveEntry));
    if (m_curveWindow != nullptr) m_curveWindow->UseTexts(texts);
    m_targetListEntry->setText(ToQString(texts.targetListEntry));
    if (m_targetList != nullptr) m_targetList->UseTexts(texts);
    m_shareActions->UseTexts(texts);
    m_workActions->UseTexts(texts);
    // The flight time's words keep their room (the widest form of the minutes), so that its result
    // moves no coordinate field.
    if (auto* cell = m_controls.As<ResultCell>(ControlId::FlightUnitFirst)) {
        const QFontMetrics metrics = cell->fontMetrics();
        QString widest;
        for (const std::string& form : texts.flightMinutes) {
            const QString unit = ToQString(form);
            if (metrics.horizontalAdvance(unit) > metrics.horizontalAdvance(widest)) widest = unit;
        }
        cell->KeepRoomFor(widest);
    }
    if (auto* cell = m_controls.As<ResultCell>(ControlId::FlightUnitSecond))
        cell->KeepRoomFor(ToQString(texts.flightUnitSecond));
    // The empty report field says what it is for.
    if (auto* report = m_controls.As<QPlainTextEdit>(ControlId::ReportText))
        report->setPlaceholderText(ToQString(texts.reportPlaceholder));
    // Qt's own texts follow: dialog buttons, the file dialog, the context menu of a field.
    QCoreApplication::removeTranslator(&m_qtTexts);
    const QLocale language(ToQString(locale));
    QLocale::setDefault(language);
    if (m_qtTexts.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qtTexts);
    }
}

}  // namespace quorvel
