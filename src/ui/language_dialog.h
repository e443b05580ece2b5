#pragma once

#include <QDialog>

#include "i18n/language_dialog_texts.h"

class QPushButton;
class QTreeWidget;

namespace quorvel {

// The language dialog: the nine languages in a two-column list. Only the accept button takes the
// selection; cancel, Escape, the close box, Enter and double-clicks leave the answer "cancelled".
class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    LanguageDialog(const LanguageDialogTexts& texts, QWidget* parent);

    const LanguageDialogAnswer& Answer() const { return m_answer; }

private:
    void OnLanguageAccept();

    QTreeWidget* m_list;
    QPushButton* m_accept;
    QPushButton* m_cancel;
    LanguageDialogAnswer m_answer;
};

}  // namespace quorvel
