#pragma once

// The travel panel: flight time, missile range and the coordinate book with its list.

#include <optional>
#include <vector>

#include "app/panels/panel_context.h"
#include "travel/book_record.h"
#include "travel/missile_range.h"
#include "travel/position.h"

namespace quorvel {

// The range box's list of rules: entry 0 is 2 x level - 1, entry 1 is 5 x level - 1.
constexpr int RangeRuleListEntry(RangeRule rule) { return rule == RangeRule::FiveTimesLevel ? 1 : 0; }
constexpr RangeRule RangeRuleOfListEntry(int entry) {
    return entry == 1 ? RangeRule::FiveTimesLevel : RangeRule::TwiceLevel;
}

class TravelPanel {
public:
    explicit TravelPanel(PanelContext& context) : m_context(context) {}

    void OnCalcFlightTime();
    void OnCalcRange();
    void OnBookSave();
    void OnBookDelete();
    // The book file changed on disk (another window saved or deleted): the list shows it anew and
    // keeps the selected position when it is still there.
    void OnBookFileChanged();
    // The book list from the book file as it is now, its first entry selected.
    void RefillBookList();
    // The flight-time and range cells as Reset all leaves them: empty.
    void ResetCells();
    // A new language: the flight-time and range cells say what they said in its words (before: the
    // texts of the language it replaced); their numbers and the arrival time stay.
    void Reword(const LanguageTexts& before);
    // The book entry the list shows as selected, if any.
    std::optional<Position> ShownBookEntry() const;

private:
    PanelContext& m_context;
    // The records the book list shows, in list order; what a delete refers to.
    std::vector<BookRecord> m_shownBook;
};

}  // namespace quorvel
