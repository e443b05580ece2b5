#include "batch/script_form.h"

#include <string>

#include "batch/script_text.h"

namespace quorvel {

void ScriptForm::Notify(const Event& event) {
    std::string line = event.kind;
    if (event.kind == "language-dialog") {
        // The fields are escaped one by one: the tabs between them separate, those inside are text.
        for (const std::string& field : LanguageDialogFields(LastLanguageDialog())) {
            line += '\t' + EscapeScriptText(field);
        }
    } else if (event.kind == "plan-dialog") {
        for (const std::string& field : PlanQuestionFields(LastPlanQuestion())) {
            line += '\t' + EscapeScriptText(field);
        }
    } else if (event.kind == "message" || event.kind == "error" || event.kind == "focus" ||
               event.kind == "clipboard") {
        line += '\t' + EscapeScriptText(event.text);
    }
    PrintScriptLine(m_out, line);
}

}  // namespace quorvel
