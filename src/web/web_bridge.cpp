// The web page's door into the program: the same handlers as the window and the batch, driven by
// lines of the batch protocol. Data flow:
//   the page (or quorvel-batch.mjs) -> quorvel_run("press 1029\n...") -> RunScriptLine, line by
//   line, on one program that lives as long as the page -> output lines, and quorvel_view(): every
//   control of the control table with its place, text, name, tooltip, colour and list, plus the
//   texts the page's own dialogs show, as JSON. The page computes nothing; it draws this.

#include <emscripten/emscripten.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "app/control_table.h"
#include "app/simulator_dialog.h"
#include "app/version.h"
#include "batch/batch_runner.h"
#include "batch/script_form.h"
#include "batch/script_text.h"

namespace quorvel {
namespace {

// The batch form, also remembering the locale of the language in force (the page's lang attribute).
class WebForm : public ScriptForm {
public:
    using ScriptForm::ScriptForm;
    void UseLanguage(const LanguageTexts& texts, std::string_view locale) override {
        ScriptForm::UseLanguage(texts, locale);
        m_locale = std::string(locale);
    }
    const std::string& Locale() const { return m_locale; }

private:
    std::string m_locale = "en";
};

struct WebProgram {
    std::ostringstream out;
    std::ostringstream err;
    WebForm form{out};
    CSimulatorDlg dlg;
    long lineNumber = 0;
    bool failed = false;
    std::map<ControlId, std::string> drawn;  // each control as the page was last told it
    std::uint64_t targetsDrawn = 0;          // the target list's view as the page was last told it
    std::uint64_t workDrawn = 0;
    std::string textsDrawn;  // the locale of the words the page was last told

    // desktopLocales: the languages to speak without a saved choice ("pl-PL,en"); asWindow: the
    // program keeps its session in data/ and takes it up again, as the window does.
    WebProgram(const std::string& home, std::string_view desktopLocales, bool asWindow)
        : dlg(form, ProgramFolders::InOneFolder(home)) {
        dlg.OnMainWindowInit(desktopLocales);
        if (asWindow) dlg.KeepSession();
    }
};

std::unique_ptr<WebProgram> g_program;
std::string g_returned;  // the text the last call returned, alive until the next call

const char* Returned(std::string text) {
    g_returned = std::move(text);
    return g_returned.c_str();
}

std::string Taken(std::ostringstream& stream) {
    std::string text = stream.str();
    stream.str({});
    return text;
}

void AppendJsonString(std::string& json, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    json += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 15];
        } else {
            json += c;
        }
    }
    json += '"';
}

struct Json {
    std::string text = "{";
    void Key(std::string_view key) {
        if (text.size() > 1 && text.back() != '{' && text.back() != '[') text += ',';
        AppendJsonString(text, key);
        text += ':';
    }
    void String(std::string_view key, std::string_view value) {
        Key(key);
        AppendJsonString(text, value);
    }
    void Number(std::string_view key, long long value) {
        Key(key);
        text += std::to_string(value);
    }
    // An array of the items, each written by write(item).
    void Array(const auto& items, const auto& write) {
        text += '[';
        for (const auto& item : items) {
            if (text.back() != '[') text += ',';
            write(item);
        }
        text += ']';
    }
    void StringArray(const auto& values) {
        Array(values, [this](std::string_view value) { AppendJsonString(text, value); });
    }
    void Strings(std::string_view key, const auto& values) {
        Key(key);
        StringArray(values);
    }
    void Numbers(std::string_view key, const auto& values) {
        Key(key);
        Array(values, [this](auto value) { text += std::to_string(value); });
    }
    // A nested object or array already written as JSON.
    void Raw(std::string_view key, std::string_view json) {
        Key(key);
        text += json;
    }
    // The object written so far, closed.
    std::string Closed() const { return text + '}'; }
};

// The letter after a caption's single '&': the access key. "&&" stands for a plain '&'.
std::string AccessKey(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return std::string(1, caption[i + 1]);
        ++i;
    }
    return {};
}

const char* AlignmentName(CellAlignment alignment) {
    switch (alignment) {
        case CellAlignment::Left:
            return "left";
        case CellAlignment::Centre:
            return "center";
        case CellAlignment::Right:
            break;
    }
    return "right";
}

// The target list as the page draws it: every row's cells, the order shown and the words.
std::string TargetsJson(const TargetListView& view) {
    Json json;
    json.Number("number", static_cast<long long>(view.number));
    json.Number("open", view.open ? 1 : 0);
    json.Strings("headings", view.headings);
    json.Strings("tips", view.headingTips);
    json.Key("align");
    json.Array(view.alignments,
               [&](CellAlignment alignment) { AppendJsonString(json.text, AlignmentName(alignment)); });
    json.Key("rows");
    json.Array(view.rows, [&](const TargetRowView& row) { json.StringArray(row.cells); });
    json.Numbers("order", view.order);
    json.Number("sort", view.sortColumn.value_or(-1));
    json.Number("descending", view.descending ? 1 : 0);
    json.Number("inRangeOnly", view.inRangeOnly ? 1 : 0);
    json.String("count", view.count);
    json.Number("largestFile", static_cast<long long>(kLargestTargetFile));
    return json.Closed();
}

// An axis's ticks as [value, label] pairs.
void AppendTicks(Json& json, std::string_view key, const std::vector<CurveTickView>& ticks) {
    json.Key(key);
    json.Array(ticks, [&](const CurveTickView& tick) {
        json.text += '[' + std::to_string(tick.value) + ',';
        AppendJsonString(json.text, tick.label);
        json.text += ']';
    });
}

// The loss curve as the page draws it: per point the count and both sides' totals, the marks with
// their line patterns and label rows, the axes' ticks, ends and titles, the lines' names, what is
// said in place of an empty chart and on the flat part, and the table's headings and rows.
std::string CurveJson(const CurveView& view) {
    Json json;
    json.Number("number", static_cast<long long>(view.number));
    json.Number("end", view.end);
    json.Number("yEnd", view.yEnd);
    json.Key("points");
    json.Array(view.points, [&](const CurvePointView& p) {
        json.text += '[' + std::to_string(p.missiles) + ',' + std::to_string(p.defenderTotal) + ',' +
                     std::to_string(p.attackerTotal) + ']';
    });
    json.Key("marks");
    json.Array(view.marks, [&](const CurveMarkView& mark) {
        Json item;
        item.String("key", mark.key);
        item.String("label", mark.label);
        item.Number("missiles", mark.missiles);
        item.Numbers("dashes", mark.dashes);
        item.Number("row", mark.labelRow);
        json.text += item.Closed();
    });
    AppendTicks(json, "xTicks", view.xTicks);
    AppendTicks(json, "yTicks", view.yTicks);
    json.String("xTitle", view.xTitle);
    json.String("yTitle", view.yTitle);
    json.Strings("lineNames", view.lineNames);
    json.String("emptyText", view.emptyText);
    json.String("flatNote", view.flatNote);
    json.Number("flatFrom", view.flatFrom);
    json.Strings("headings", view.headingLines);
    json.Key("rows");
    std::size_t point = 0;
    json.Array(view.points, [&](const CurvePointView&) { json.StringArray(view.Row(point++)); });
    return json.Closed();
}

// The words of the page's own windows and menus in the language in force.
std::string WordsJson(const LanguageTexts& texts, const AboutView& about) {
    Json json;
    json.String("curveTitle", texts.curveTitle);
    json.String("chartTab", texts.chartTab);
    json.String("tableTab", texts.tableTab);
    json.String("copyAsText", texts.copyAsText);
    json.String("copyAsCsv", texts.copyAsCsv);
    json.String("copyAsBBCode", texts.copyAsBBCode);
    json.String("copyAsMarkdown", texts.copyAsMarkdown);
    json.String("exportSvg", texts.exportSvg);
    json.String("exportCsv", texts.exportCsv);
    json.String("curveEntry", WithoutMnemonic(texts.curveEntry));
    json.String("targetListTitle", texts.targetListTitle);
    json.String("targetListEntry", WithoutMnemonic(texts.targetListEntry));
    json.String("targetListTip", texts.targetListTip);
    json.String("targetInRangeOnly", WithoutMnemonic(texts.targetInRangeOnly));
    json.String("targetInRangeOnlyKey", AccessKey(texts.targetInRangeOnly));
    json.String("targetInRangeOnlyTip", texts.targetInRangeOnlyTip);
    json.String("csvFileName", texts.csvFileName);
    json.Strings("undo",
                 std::array{WithoutMnemonic(texts.undoEntry[0]), WithoutMnemonic(texts.undoEntry[1])});
    json.String("newPlan", WithoutMnemonic(texts.newPlanEntry));
    json.String("close", texts.closeButton);
    Json box;
    box.String("title", about.title);
    box.String("name", about.name);
    box.String("version", about.version);
    box.String("purpose", about.purpose);
    box.String("license", about.license);
    json.Raw("about", box.Closed());
    return json.Closed();
}

// What the page's share menu and its plan question need: whether links are offered (the page's
// address is known), the entries' words (strike, plan, target list) and the question a plan code
// asked last. Codes hold numbers only; every text here is the program's own.
std::string CodesJson(const CodeView& codes, const LanguageTexts& texts, const PlanLoadQuestion& question) {
    Json json;
    json.Number("links", codes.linksOffered ? 1 : 0);
    json.String("address", codes.address);
    json.Strings("copyCode", texts.copyCodeEntry);
    json.Strings("copyLink", texts.copyLinkEntry);
    Json dialog;
    dialog.String("title", question.title);
    dialog.String("question", question.question);
    dialog.String("replace", WithoutMnemonic(question.replace));
    dialog.String("extend", WithoutMnemonic(question.extend));
    dialog.String("cancel", WithoutMnemonic(question.cancel));
    json.Raw("planDialog", dialog.Closed());
    return json.Closed();
}

// The views that changed since the page was last told (all of them unless changedOnly); the curve
// only by its number, since the page fetches it (quorvel_curve) when its chart is open.
void AppendViews(Json& json, WebProgram& program, const ProgramView& view, bool changedOnly,
                 const std::string& locale) {
    json.Number("curveNumber", static_cast<long long>(view.curve.number));
    if (!changedOnly || view.targets.number != program.targetsDrawn) {
        program.targetsDrawn = view.targets.number;
        json.Raw("targets", TargetsJson(view.targets));
    }
    if (!changedOnly || view.work.number != program.workDrawn) {
        program.workDrawn = view.work.number;
        Json work;
        work.Number("undo", static_cast<long long>(view.work.undoSteps));
        work.Number("redo", static_cast<long long>(view.work.redoSteps));
        work.Number("plan", view.work.planSize);
        json.Raw("work", work.Closed());
    }
    if (!changedOnly || locale != program.textsDrawn) {
        program.textsDrawn = locale;
        json.Raw("words", WordsJson(program.dlg.Texts(), view.about));
    }
}

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
            return "box";
        case ControlKind::Label:
            return "label";
        case ControlKind::NumericEdit:
            return "number";
        case ControlKind::ReportEdit:
            return "report";
        case ControlKind::Cell:
            return "cell";
        case ControlKind::Button:
            return "button";
        case ControlKind::DropDown:
            return "list";
    }
    return "cell";
}

const char* ColourName(TextColour colour) {
    return colour == TextColour::Red ? "red" : colour == TextColour::Green ? "green" : "";
}

// The texts of the page itself: its message box's button, and what it says when the module stops
// (the page keeps the latest, for then the module can no longer be asked).
void AppendPageTexts(Json& json, const LanguageTexts& texts) {
    Json page;
    page.String("ok", texts.messageBoxButton);
    page.String("stopped", texts.pageStopped);
    json.Raw("page", page.Closed());
}

// changedOnly: only the controls that changed since the last view, and the edits.
std::string View(WebProgram& program, bool changedOnly) {
    const WebForm& form = program.form;
    Json json;
    json.String("title", kWindowTitle);
    json.String("locale", form.Locale());
    json.Key("controls");
    json.text += '[';
    for (const ControlRow& control : ControlTable()) {
        Json row;
        row.Number("id", ToInt(control.id));
        row.String("kind", KindName(control.kind));
        row.Number("box", ToInt(control.box));
        row.Number("row", control.row);
        row.Number("column", control.column);
        row.Number("span", control.columnSpan);
        const std::string text = form.GetText(control.id);
        if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::Label ||
            control.kind == ControlKind::Button) {
            row.String("text", WithoutMnemonic(text));
            row.String("key", AccessKey(text));
        } else {
            row.String("text", text);
        }
        row.String("name", form.GetAccessibleName(control.id));
        row.String("tip", form.GetToolTip(control.id));
        row.String("colour", ColourName(form.GetColour(control.id)));
        if (control.kind == ControlKind::DropDown) {
            const MemoryForm::List& list = form.GetList(control.id);
            row.Strings("entries", list.entries);
            row.Number("selected", list.selected);
        }
        std::string& drawn = program.drawn[control.id];
        // The edits always: the page's field may hold what the player typed since.
        const bool edit = control.kind == ControlKind::NumericEdit || control.kind == ControlKind::ReportEdit;
        if (changedOnly && !edit && drawn == row.text) continue;
        drawn = row.text;
        if (json.text.back() != '[') json.text += ',';
        json.text += row.Closed();
    }
    json.text += ']';

    const ProgramView views = program.dlg.View();
    AppendViews(json, program, views, changedOnly, form.Locale());
    const LanguageTexts& texts = program.dlg.Texts();
    json.String("saveFileName", texts.saveFileName);
    json.Strings("copyStrike", texts.copyStrikeEntry);
    json.Strings("copyPlan", texts.copyPlanEntry);
    json.String("paste", texts.pasteReportEntry);
    json.String("about", WithoutMnemonic(texts.aboutEntry));
    json.Raw("codes", CodesJson(views.codes, texts, form.LastPlanQuestion()));

    const LanguageDialogTexts& dialog = form.LastLanguageDialog();
    Json languages;
    languages.String("title", dialog.title);
    languages.String("accept", WithoutMnemonic(dialog.acceptCaption));
    languages.String("cancel", WithoutMnemonic(dialog.cancelCaption));
    if (dialog.hasColumns) languages.Strings("headings", dialog.columnHeading);
    languages.Key("rows");
    languages.Array(dialog.rows, [&](const auto& entry) { AppendJsonString(languages.text, entry[0]); });
    languages.Number("current", dialog.currentRow);
    json.Raw("languageDialog", languages.Closed());
    AppendPageTexts(json, texts);
    return json.Closed();
}

}  // namespace
}  // namespace quorvel

using quorvel::g_program;

extern "C" {

// Starts the program with home holding languages/ and data/; what start-up printed is the first
// output. A second start replaces the program (the window closed and opened again). The page passes
// the browser's languages ("pl-PL,en", for a first start without a saved choice) and asWindow 1: it
// keeps its session as the window does. The batch runner passes none (null) and 0.
EMSCRIPTEN_KEEPALIVE void quorvel_start(const char* home, const char* desktopLocales, int asWindow) {
    g_program.reset();
    g_program =
        std::make_unique<quorvel::WebProgram>(home, desktopLocales ? desktopLocales : "", asWindow != 0);
}

// The form's contents into the session file now (the page is going away), as the window's exit does.
EMSCRIPTEN_KEEPALIVE void quorvel_save_session() {
    if (g_program) g_program->dlg.Run(quorvel::Action::SaveSession);
}

// Runs lines of the batch protocol separated by '\n' (a last line may lack its ending) until the
// window closes or a line is no command: then 2, with the reason in quorvel_errors(). 0 otherwise.
EMSCRIPTEN_KEEPALIVE int quorvel_run(const char* lines) {
    if (!g_program || g_program->failed) return quorvel::kBatchScriptError;
    quorvel::WebProgram& program = *g_program;
    std::string_view rest(lines);
    while (!rest.empty() && !program.form.Closed()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        ++program.lineNumber;
        const std::string error = quorvel::RunScriptLine(line, program.dlg, program.form, program.out);
        if (!error.empty()) {
            program.err << "quorvel-batch: line " << program.lineNumber << ": " << error << '\n';
            program.failed = true;
            return quorvel::kBatchScriptError;
        }
    }
    return quorvel::kBatchOk;
}

// What the program printed since the last call, and what it reported on its error stream.
EMSCRIPTEN_KEEPALIVE const char* quorvel_output() {
    return quorvel::Returned(g_program ? quorvel::Taken(g_program->out) : std::string());
}
EMSCRIPTEN_KEEPALIVE const char* quorvel_errors() {
    return quorvel::Returned(g_program ? quorvel::Taken(g_program->err) : std::string());
}
EMSCRIPTEN_KEEPALIVE int quorvel_closed() { return g_program && g_program->form.Closed() ? 1 : 0; }

// Every control (or, with changedOnly, those that changed since the last call) and the texts of the
// page's own dialogs, as JSON.
EMSCRIPTEN_KEEPALIVE const char* quorvel_view(int changedOnly) {
    return quorvel::Returned(g_program ? quorvel::View(*g_program, changedOnly != 0) : std::string("{}"));
}

// The batch protocol's escapes (\n, \r, \t, \\) for a text the page sends, and back for one it shows.
EMSCRIPTEN_KEEPALIVE const char* quorvel_escape(const char* text) {
    return quorvel::Returned(quorvel::EscapeScriptText(text));
}
EMSCRIPTEN_KEEPALIVE const char* quorvel_unescape(const char* text) {
    return quorvel::Returned(quorvel::UnescapeScriptText(text));
}

// The browser's storage refused the player's files (which 0: the quota is used up; 1: another tab
// of the page holds them): the program says so as the error box of a failed save says it, in the
// output lines this returns.
EMSCRIPTEN_KEEPALIVE const char* quorvel_storage_error(const char* file, int which) {
    if (!g_program) return quorvel::Returned({});
    g_program->dlg.Run(quorvel::Action::StorageRefused, quorvel::ActionInput(which, file));
    return quorvel::Returned(quorvel::Taken(g_program->out));
}

// The address the page runs at (its own, without the fragment): links of share codes open it. The
// page opened with a link loads the link's code with the batch line `open <the page's address>`.
EMSCRIPTEN_KEEPALIVE void quorvel_set_page_address(const char* address) {
    if (g_program) g_program->dlg.Run(quorvel::Action::SetPageAddress, quorvel::ActionInput(0, address));
}

// A file dropped on the page, written by the page below the program's memory, into the target list
// as the window takes a dropped file; a file it cannot read is said in an error line.
EMSCRIPTEN_KEEPALIVE void quorvel_list_target_file(const char* path) {
    if (g_program) g_program->dlg.Run(quorvel::Action::ListTargetFile, quorvel::ActionInput(0, path));
}

// The loss curve the page's chart draws, as JSON.
EMSCRIPTEN_KEEPALIVE const char* quorvel_curve() {
    return quorvel::Returned(g_program ? quorvel::CurveJson(g_program->dlg.View().curve) : std::string("{}"));
}

// What hovering or tapping point i of the curve says.
EMSCRIPTEN_KEEPALIVE const char* quorvel_curve_hover(int point) {
    if (!g_program || point < 0) return quorvel::Returned({});
    return quorvel::Returned(g_program->dlg.View().curve.Hover(static_cast<std::size_t>(point)));
}

}  // extern "C"
