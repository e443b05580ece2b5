#pragma once

// What a player sees of the work on the form, taken as a whole and put back as a whole: the text of
// every input and result cell, each cell's colour and the two target lists' selections. Undo keeps
// one per step; the session file keeps the last one between runs, with the strike behind it.

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/control_id.h"
#include "app/main_form.h"
#include "app/simulator_state.h"
#include "strike/strike.h"

namespace quorvel {

// A text that copies share: copying one copies a pointer, so that the many snapshots undo keeps of
// an unchanged page of reports hold it once.
class SharedText {
public:
    SharedText() = default;
    SharedText(std::string text) : m_text(std::make_shared<const std::string>(std::move(text))) {}
    SharedText(const char* text) : SharedText(std::string(text)) {}

    const std::string& Text() const { return m_text ? *m_text : Empty(); }
    operator const std::string&() const { return Text(); }
    std::size_t Bytes() const { return m_text ? m_text->size() : 0; }
    // What a copy shares: the same storage, the same address.
    const void* Storage() const { return m_text.get(); }
    // Whether both hold the very same storage.
    bool SharesWith(const SharedText& other) const { return m_text == other.m_text; }
    // The same storage as other's when the texts are equal.
    void ShareWith(const SharedText& other) {
        if (!SharesWith(other) && Text() == other.Text()) m_text = other.m_text;
    }
    bool operator==(const SharedText& other) const { return SharesWith(other) || Text() == other.Text(); }
    bool operator==(std::string_view other) const { return Text() == other; }

private:
    static const std::string& Empty() {
        static const std::string kEmpty;
        return kEmpty;
    }
    std::shared_ptr<const std::string> m_text;
};

struct FormContents {
    std::vector<std::pair<ControlId, SharedText>> texts;    // the numeric edits, the report, every cell
    std::vector<std::pair<ControlId, TextColour>> colours;  // every cell
    std::array<int, 2> selections{};                        // the primary and the required target list

    bool operator==(const FormContents&) const = default;
};

FormContents TakeFormContents(const MainForm& form);
void PutFormContents(MainForm& form, const FormContents& contents);
// The texts of contents that equal those of `earlier` share their storage.
void ShareUnchangedTexts(FormContents& contents, const FormContents& earlier);

// What '<-x' and remember-attack act on behind the shown result: the inputs as last read and the
// last strike with what may still be done with it. Its result follows from its input.
struct SessionStrike {
    InputValues read;  // the numbers; the report text is the field's
    StrikeInput in;
    bool resultValid = false;       // '<-x' may take the survivors
    bool attackRecordable = false;  // remember-attack may record it
    bool shown = false;             // the cells show it
    bool readSince = false;         // the fields were read after it

    bool operator==(const SessionStrike&) const = default;
};

// The work a window leaves for the next one.
struct Session {
    FormContents form;
    std::optional<SessionStrike> strike;  // none in a session written before it was kept

    bool operator==(const Session&) const = default;
};

// The largest session file the program writes and reads. A text that would take a session past it
// (a long page of reports in the report field) is left out, so that the rest still comes back.
inline constexpr std::size_t kLargestSessionFile = std::size_t{1} << 20;

// The session file's text, and back. Nothing for a text that is not a whole session of this
// program's controls (a damaged or foreign file).
std::string SessionText(const Session& session);
std::optional<Session> ParseSessionText(std::string_view text);

}  // namespace quorvel
