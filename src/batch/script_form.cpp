#include "batch/script_form.h"

#include <string>

#include "batch/script_text.h"

namespace quorvel {

void ScriptForm::Notify(const Event& event) {
    std::string line = event.kind;
    if (event.kind == "language-dialog") {
        // The fields are escaped one by one: the tabs between them separate, those inside are text.
        const LanguageDialogTexts& texts = LastLanguageDialog();
        for (const std::string& field : {texts.title, texts.acceptCaption, texts.cancelCaption,
                                         texts.columnHeading[0], texts.columnHeading[1]}) {
            line += '\t' + EscapeScriptText(field);
        }
        line += '\t' + std::to_string(texts.rows.size());
    } else if (event.kind == "message" || event.kind == "error" || event.kind == "focus" ||
               event.kind == "clipboard") {
        line += '\t' + EscapeScriptText(event.text);
    }
    PrintScriptLine(m_out, line);
}

}  // namespace quorvel
