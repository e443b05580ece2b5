#include "ui/share_actions.h"

#include <QAction>
#include <QWidget>

#include "app/simulator_dialog.h"
#include "ui/qt_text.h"
#include "ui/window_key_filter.h"

namespace quorvel {
namespace {

// Text, BBCode, Markdown: the copy actions' numbers.
constexpr std::size_t kFormats = 3;

// The entry's text with the key that does the same shown in the menu's shortcut column. The key is
// not the action's shortcut: Ctrl+C must stay the fields' own copy while they have a selection.
QString WithKey(const std::string& text, const QKeySequence& keys) {
    return ToQString(text) + QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
}

}  // namespace

ShareActions::ShareActions(QWidget& window, std::function<CSimulatorDlg*()> logic)
    : QObject(&window), m_window(window), m_logic(std::move(logic)) {
    // An entry named `name` with its index in place of %1 that runs the action with `number`.
    const auto entry = [this, &window](const QString& name, std::size_t index, Action action,
                                       std::int64_t number) {
        auto* item = new QAction(&window);
        item->setObjectName(name.arg(static_cast<qulonglong>(index)));
        connect(item, &QAction::triggered, this, [this, action, number] {
            if (CSimulatorDlg* dlg = m_logic()) dlg->Run(action, ActionInput(number));
        });
        return item;
    };
    for (std::size_t f = 0; f < kFormats; ++f) {
        const auto format = static_cast<std::int64_t>(f);
        m_copyStrike[f] = entry(QStringLiteral("copyStrikeAction%1"), f, Action::CopyStrike, format);
        m_copyPlan[f] = entry(QStringLiteral("copyPlanAction%1"), f, Action::CopyPlan, format);
    }
    // The code actions' number: the kind, plus 3 for its link.
    for (std::size_t k = 0; k < m_copyCode.size(); ++k) {
        const auto kind = static_cast<std::int64_t>(k);
        m_copyCode[k] = entry(QStringLiteral("copyCodeAction%1"), k, Action::CopyCode, kind);
        m_copyLink[k] =
            entry(QStringLiteral("copyLinkAction%1"), k, Action::CopyCode, kind + kCodeLinkOffset);
    }
    m_pasteReport = new QAction(&window);
    m_pasteReport->setObjectName(QStringLiteral("pasteReportAction"));
    connect(m_pasteReport, &QAction::triggered, this, [this] {
        if (CSimulatorDlg* dlg = m_logic()) dlg->Run(Action::PasteReport);
    });
}

void ShareActions::AddToContextMenu(QAction* before) {
    auto separator = [this] {
        auto* line = new QAction(&m_window);
        line->setSeparator(true);
        return line;
    };
    QList<QAction*> entries;
    for (QAction* action : m_copyStrike) entries << action;
    entries << m_copyCode[0] << m_copyLink[0] << separator();
    for (QAction* action : m_copyPlan) entries << action;
    entries << m_copyCode[1] << m_copyLink[1] << separator();
    entries << m_copyCode[2] << m_copyLink[2] << separator() << m_pasteReport << separator();
    m_window.insertActions(before, entries);
}

void ShareActions::UseTexts(const LanguageTexts& texts) {
    for (std::size_t f = 0; f < kFormats; ++f) {
        m_copyStrike[f]->setText(f == 0 ? WithKey(texts.copyStrikeEntry[f], QKeySequence::Copy)
                                        : ToQString(texts.copyStrikeEntry[f]));
        m_copyPlan[f]->setText(ToQString(texts.copyPlanEntry[f]));
    }
    for (std::size_t k = 0; k < m_copyCode.size(); ++k) {
        m_copyCode[k]->setText(ToQString(texts.copyCodeEntry[k]));
        m_copyLink[k]->setText(ToQString(texts.copyLinkEntry[k]));
    }
    m_pasteReport->setText(WithKey(texts.pasteReportEntry, WindowKeyFilter::PasteReportKeys()));
    UpdateLinks();
}

void ShareActions::UpdateLinks() {
    const CSimulatorDlg* dlg = m_logic();
    const bool offered = dlg != nullptr && dlg->View().codes.linksOffered;
    for (QAction* action : m_copyLink) action->setVisible(offered);
}

}  // namespace quorvel
