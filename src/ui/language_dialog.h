#pragma once

#include <QDialog>

#include "i18n/language_dialog_texts.h"

class QPushButton;
class QTreeWidget;

namespace quorvel {

// The language dialog: the languages in a two-column list, the current one selected. The
// accept button, Enter and a double-click take the selection; cancel, Escape and the close box
// leave the answer "cancelled".
class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    LanguageDialog(const LanguageDialogTexts& texts, QWidget* parent);

    const LanguageDialogAnswer& Answer() const { return m_answer; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnLanguageAccept();

    QTreeWidget* m_list;
    QPushButton* m_accept;
    QPushButton* m_cancel;
    LanguageDialogAnswer m_answer;
};

}  // namespace quorvel
