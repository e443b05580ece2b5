#pragma once

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QWidget;

namespace quorvel {

class CSimulatorDlg;
struct LanguageTexts;

// The window's context-menu entries for sharing results: the three copy forms of the strike and of
// the plan, the share code and link of the strike, the plan and the target list (the links only
// while the page's address is known), and paste-and-read. Their keys (Ctrl+C, Ctrl+Shift+V) are the window
// key filter's; the entries show them beside their texts, which follow the active language.
class ShareActions : public QObject {
    Q_OBJECT

public:
    ShareActions(QWidget& window, std::function<CSimulatorDlg*()> logic);

    // Adds the entries to the window's context menu in front of `before` (nullptr: at the end).
    void AddToContextMenu(QAction* before);

    // The entries' texts in the language the window now speaks.
    void UseTexts(const LanguageTexts& texts);
    // The first of the entries, for others to go in front of.
    QAction* FirstEntry() const { return m_copyStrike[0]; }
    // The link entries are offered only while the program knows the page's address.
    void UpdateLinks();

private:
    QWidget& m_window;
    std::function<CSimulatorDlg*()> m_logic;
    std::array<QAction*, 3> m_copyStrike{};
    std::array<QAction*, 3> m_copyPlan{};
    std::array<QAction*, 3> m_copyCode{};  // strike, plan, target list
    std::array<QAction*, 3> m_copyLink{};
    QAction* m_pasteReport = nullptr;
};

}  // namespace quorvel
