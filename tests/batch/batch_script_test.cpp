#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "batch/batch_runner.h"
#include "batch/script_command.h"
#include "batch/script_form.h"
#include "batch/script_text.h"
#include "support/test_home.h"

namespace quorvel {
namespace {

struct EscapeCase {
    const char* name;
    std::string script;
    std::string text;
};

class ScriptEscapes : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(ScriptEscapes, DecodeAndEncodeAreInverse) {
    EXPECT_EQ(UnescapeScriptText(GetParam().script), GetParam().text);
    EXPECT_EQ(EscapeScriptText(GetParam().text), GetParam().script);
}

INSTANTIATE_TEST_SUITE_P(Texts, ScriptEscapes,
                         ::testing::Values(EscapeCase{"plain", "abc 1.000", "abc 1.000"},
                                           EscapeCase{"all_four", "a\\nb\\rc\\td\\\\e", "a\nb\rc\td\\e"},
                                           EscapeCase{"escaped_backslash_before_n", "\\\\n", "\\n"},
                                           EscapeCase{"utf8_untouched", "Gau\xc3\x9f", "Gau\xc3\x9f"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptEscapes, OtherBackslashesStandForThemselves) {
    EXPECT_EQ(UnescapeScriptText("C:\\data\\x"), "C:\\data\\x");
    EXPECT_EQ(UnescapeScriptText("end\\"), "end\\");
}

// --- Parsing ---------------------------------------------------------------------------------

TEST(ScriptLine, SkipsEmptyBlankAndCommentLines) {
    for (const char* line : {"", "   ", "# press 1029", "#"}) {
        const ParsedScriptLine parsed = ParseScriptLine(line);
        EXPECT_FALSE(parsed.command) << line;
        EXPECT_EQ(parsed.error, "") << line;
    }
}

struct SetCase {
    const char* name;
    const char* line;
    ControlId control;
    std::string text;
};

class ScriptSet : public ::testing::TestWithParam<SetCase> {};

TEST_P(ScriptSet, TextIsEverythingAfterOneBlank) {
    const ParsedScriptLine parsed = ParseScriptLine(GetParam().line);
    ASSERT_TRUE(parsed.command) << parsed.error;
    EXPECT_EQ(parsed.command->verb, ScriptVerb::Set);
    EXPECT_EQ(parsed.command->control, GetParam().control);
    EXPECT_EQ(parsed.command->text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptSet,
    ::testing::Values(SetCase{"number", "set 1001 42", ControlId::RocketLauncherInput, "42"},
                      SetCase{"no_text", "set 1012", ControlId::MissileInput, ""},
                      SetCase{"empty_text", "set 1012 ", ControlId::MissileInput, ""},
                      SetCase{"blanks_kept", "set 1001  42 ", ControlId::RocketLauncherInput, " 42 "},
                      SetCase{"report_with_escapes", "set 1039 a\\tb\\nc", ControlId::ReportText, "a\tb\nc"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptLine, ReadsEveryOtherCommand) {
    ParsedScriptLine parsed = ParseScriptLine("press 1029");
    ASSERT_TRUE(parsed.command);
    EXPECT_EQ(parsed.command->verb, ScriptVerb::Press);
    EXPECT_EQ(parsed.command->control, ControlId::SimulateButton);

    parsed = ParseScriptLine("select 1162 -1");
    ASSERT_TRUE(parsed.command);
    EXPECT_EQ(parsed.command->verb, ScriptVerb::Select);
    EXPECT_EQ(parsed.command->control, ControlId::RequiredTargetList);
    EXPECT_EQ(parsed.command->entry, -1);

    parsed = ParseScriptLine("key escape");
    ASSERT_TRUE(parsed.command);
    EXPECT_EQ(parsed.command->key, Key::Escape);

    parsed = ParseScriptLine("answer language 0,3");
    ASSERT_TRUE(parsed.command);
    EXPECT_FALSE(parsed.command->cancel);
    EXPECT_EQ(parsed.command->rows, (std::vector<int>{0, 3}));

    parsed = ParseScriptLine("answer language none");
    ASSERT_TRUE(parsed.command);
    EXPECT_FALSE(parsed.command->cancel);
    EXPECT_TRUE(parsed.command->rows.empty());

    parsed = ParseScriptLine("answer language cancel");
    ASSERT_TRUE(parsed.command);
    EXPECT_TRUE(parsed.command->cancel);

    parsed = ParseScriptLine("answer save plans/my plan.txt");
    ASSERT_TRUE(parsed.command);
    EXPECT_EQ(parsed.command->verb, ScriptVerb::AnswerSave);
    EXPECT_FALSE(parsed.command->cancel);
    EXPECT_EQ(parsed.command->text, "plans/my plan.txt");

    parsed = ParseScriptLine("answer save cancel");
    ASSERT_TRUE(parsed.command);
    EXPECT_TRUE(parsed.command->cancel);

    // Any control may be asked for its colour and tooltip; get takes any control with a text.
    for (const char* line :
         {"get 1000", "get 1031", "colour 1072", "tooltip 1164", "list 1114", "dump", "title"}) {
        EXPECT_TRUE(ParseScriptLine(line).command) << line;
    }
}

class ScriptErrors : public ::testing::TestWithParam<const char*> {};

TEST_P(ScriptErrors, AreReportedNotRun) {
    const ParsedScriptLine parsed = ParseScriptLine(GetParam());
    EXPECT_FALSE(parsed.command);
    EXPECT_NE(parsed.error, "");
}

INSTANTIATE_TEST_SUITE_P(Lines, ScriptErrors,
                         ::testing::Values("frobnicate", "Press 1029", " set 1001 1", "set\t1001 1",
                                           "set 1029 1",  // a button is no edit field
                                           "set 9999 1",  // no such control
                                           "set 10x1 1",  // malformed number
                                           "press 1001",  // an edit is no button
                                           "press", "press 1029 1029", "press 99999999999", "select 1034",
                                           "select 1034 x", "select 1034 -2", "select 1001 0",
                                           "get 1034",  // a drop-down list has entries, not a text
                                           "list 1031", "dump 1", "title now", "key space", "key", "answer",
                                           "answer save", "answer language", "answer language 1,,2",
                                           "answer language -1", "answer language x", "answer colour red",
                                           "copy", "copy pdf", "copy plan", "copy text bbcode",
                                           "copy strike text", "copy curve bbcode", "copy plan csv",
                                           "clipboard\tx", "paste now", "target-sort 18", "target-filter 2",
                                           "target-load 0", "key f2", "target-listx"));

TEST(ScriptLine, CopyClipboardAndPaste) {
    struct Case {
        const char* line;
        ScriptVerb verb;
        int format;  // text, BBCode, Markdown, CSV
    };
    for (const Case& c :
         {Case{"copy text", ScriptVerb::CopyStrike, 0}, Case{"copy bbcode", ScriptVerb::CopyStrike, 1},
          Case{"copy  plan   markdown", ScriptVerb::CopyPlan, 2},
          Case{"copy targets csv", ScriptVerb::CopyTargets, 3},
          Case{"copy curve csv", ScriptVerb::CopyCurve, 3}}) {
        const ParsedScriptLine parsed = ParseScriptLine(c.line);
        ASSERT_TRUE(parsed.command) << c.line;
        EXPECT_EQ(parsed.command->verb, c.verb) << c.line;
        EXPECT_EQ(parsed.command->format, c.format) << c.line;
    }
    ParsedScriptLine parsed = ParseScriptLine("clipboard  two\\nblanks ");
    ASSERT_TRUE(parsed.command);
    EXPECT_EQ(parsed.command->verb, ScriptVerb::Clipboard);
    EXPECT_EQ(parsed.command->text, " two\nblanks ");
    parsed = ParseScriptLine("paste");
    ASSERT_TRUE(parsed.command);
    EXPECT_EQ(parsed.command->verb, ScriptVerb::Paste);
}

// --- Script form and runner --------------------------------------------------------------------

TEST(ScriptFormOutput, PrintsEventsEscapedFieldByField) {
    std::ostringstream out;
    ScriptForm form(out);
    form.ShowMessage("two\nlines");
    form.ShowError("stop\tsign");
    form.FocusField(ControlId::AbmInput);
    LanguageDialogTexts texts;
    texts.title = "Tab\there";
    texts.acceptCaption = "OK";
    texts.cancelCaption = "Cancel";
    texts.columnHeading = {"Language", "File"};
    texts.rows.resize(9);
    form.RunLanguageDialog(texts);
    form.AskSavePath();
    form.ShowAbout();
    form.CloseOk();
    EXPECT_EQ(out.str(),
              "message\ttwo\\nlines\n"
              "error\tstop\\tsign\n"
              "focus\t1010\n"
              "language-dialog\tTab\\there\tOK\tCancel\tLanguage\tFile\t9\n"
              "save-dialog\n"
              "about\n"
              "closed\n");
}

class BatchRun : public ::testing::Test {
protected:
    ~BatchRun() override {
        std::error_code ignored;
        std::filesystem::current_path(m_startFolder, ignored);
    }

    int Run(const std::string& script) {
        std::istringstream in(script);
        return RunBatchScript(in, m_home.Path(), m_out, m_err);
    }

    std::filesystem::path m_startFolder = std::filesystem::current_path();
    testing::TestHome m_home;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(BatchRun, StopsAtTheFirstBadLineWithItsNumber) {
    EXPECT_EQ(Run("get 1001\n\n# comment\npress 1031\nget 1002\n"), kBatchScriptError);
    EXPECT_EQ(m_out.str(), "1001\t\n");
    EXPECT_NE(m_err.str().find("line 4"), std::string::npos) << m_err.str();
}

TEST_F(BatchRun, EndsWhenTheWindowCloses) {
    // Exit sets empty fields to "1" and closes; what follows is never read.
    EXPECT_EQ(Run("press 1020\nget 1001\nnot a command\n"), kBatchOk);
    EXPECT_EQ(m_out.str(), "closed\n");
    EXPECT_EQ(m_err.str(), "");
}

TEST_F(BatchRun, AcceptsCrLfLineEndings) {
    EXPECT_EQ(Run("set 1012 7\r\nget 1012\r\n"), kBatchOk);
    EXPECT_EQ(m_out.str(), "1012\t7\n");
}

TEST_F(BatchRun, DumpListsEveryTextControlInAscendingNumber) {
    ASSERT_EQ(Run("dump\n"), kBatchOk);
    std::vector<int> numbers;
    std::istringstream lines(m_out.str());
    for (std::string line; std::getline(lines, line);)
        numbers.push_back(std::stoi(line.substr(0, line.find('\t'))));
    const auto texts =
        std::count_if(ControlTable().begin(), ControlTable().end(),
                      [](const ControlRow& control) { return control.kind != ControlKind::DropDown; });
    EXPECT_EQ(static_cast<long>(numbers.size()), texts);
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
    EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end());
    EXPECT_EQ(std::find(numbers.begin(), numbers.end(), ToInt(ControlId::PrimaryTargetList)), numbers.end());
}

TEST_F(BatchRun, SelectRunsTheSelectionHandler) {
    // With no primary target selected no defence type takes damage.
    ASSERT_EQ(Run("select 1034 -1\nset 1001 10\nset 1012 5\npress 1029\nget 1060\nget 1021\n"), kBatchOk);
    EXPECT_EQ(m_out.str(), "1060\t \n1021\t10\n");
}

}  // namespace
}  // namespace quorvel
