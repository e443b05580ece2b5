#include "ui/share_actions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "app/simulator_dialog.h"
#include "ui/qt_text.h"

namespace quorvel {
namespace {

constexpr std::array<ShareFormat, 3> kFormats = {ShareFormat::Text, ShareFormat::BBCode, ShareFormat::Markdown};

const QKeySequence kPasteReportKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);

bool HasSelection(const QWidget* focused) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(focused)) return edit->hasSelectedText();
    if (const auto* report = qobject_cast<const QPlainTextEdit*>(focused)) return report->textCursor().hasSelection();
    return false;
}

// The entry's text with the key that does the same shown in the menu's shortcut column. The key is
// not the action's shortcut: Ctrl+C must stay the fields' own copy while they have a selection.
QString WithKey(const std::string& text, const QKeySequence& keys) {
    return ToQString(text) + QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
}

}  // namespace

ShareActions::ShareActions(QWidget& window, std::function<CSimulatorDlg*()> logic)
    : QObject(&window), m_window(window), m_logic(std::move(logic)) {
    for (std::size_t f = 0; f < kFormats.size(); ++f) {
        const ShareFormat format = kFormats[f];
        m_copyStrike[f] = new QAction(&window);
        m_copyStrike[f]->setObjectName(QStringLiteral("copyStrikeAction%1").arg(f));
        connect(m_copyStrike[f], &QAction::triggered, this, [this, format] {
            if (CSimulatorDlg* dlg = m_logic()) dlg->OnCopyStrike(format);
        });
        m_copyPlan[f] = new QAction(&window);
        m_copyPlan[f]->setObjectName(QStringLiteral("copyPlanAction%1").arg(f));
        connect(m_copyPlan[f], &QAction::triggered, this, [this, format] {
            if (CSimulatorDlg* dlg = m_logic()) dlg->OnCopyPlan(format);
        });
    }
    m_pasteReport = new QAction(&window);
    m_pasteReport->setObjectName(QStringLiteral("pasteReportAction"));
    connect(m_pasteReport, &QAction::triggered, this, [this] {
        if (CSimulatorDlg* dlg = m_logic()) dlg->OnPasteReport();
    });
    qApp->installEventFilter(this);
}

void ShareActions::AddToContextMenu(QAction* before) {
    auto separator = [this] {
        auto* line = new QAction(&m_window);
        line->setSeparator(true);
        return line;
    };
    QList<QAction*> entries;
    for (QAction* action : m_copyStrike) entries << action;
    entries << separator();
    for (QAction* action : m_copyPlan) entries << action;
    entries << separator() << m_pasteReport << separator();
    m_window.insertActions(before, entries);
}

void ShareActions::UpdateTexts() {
    const CSimulatorDlg* dlg = m_logic();
    if (dlg == nullptr) return;
    const LanguageTexts& texts = dlg->Texts();
    for (std::size_t f = 0; f < kFormats.size(); ++f) {
        m_copyStrike[f]->setText(f == 0 ? WithKey(texts.copyStrikeEntry[f], QKeySequence::Copy)
                                        : ToQString(texts.copyStrikeEntry[f]));
        m_copyPlan[f]->setText(ToQString(texts.copyPlanEntry[f]));
    }
    m_pasteReport->setText(WithKey(texts.pasteReportEntry, kPasteReportKeys));
}

ShareActions::WindowKey ShareActions::KeyOf(const QKeyEvent& event, const QWidget* focused) {
    if (event.matches(QKeySequence::Copy)) return HasSelection(focused) ? WindowKey::None : WindowKey::CopyStrike;
    if (QKeySequence(event.keyCombination()) == kPasteReportKeys) return WindowKey::PasteReport;
    return WindowKey::None;
}

bool ShareActions::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &m_window) return false;
    if (event->type() == QEvent::ContextMenu) {
        UpdateTexts();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    // An ignored key travels up to the parents and passes this filter again; act on its first
    // receiver only.
    QWidget* focused = QApplication::focusWidget();
    if (widget != (focused != nullptr ? focused : &m_window)) return false;
    CSimulatorDlg* dlg = m_logic();
    if (dlg == nullptr) return false;
    switch (KeyOf(*static_cast<QKeyEvent*>(event), focused)) {
        case WindowKey::CopyStrike:
            dlg->OnCopyStrike(ShareFormat::Text);
            return true;
        case WindowKey::PasteReport:
            dlg->OnPasteReport();
            return true;
        case WindowKey::None:
            break;
    }
    return false;
}

}  // namespace quorvel
