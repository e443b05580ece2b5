// Flight time, missile range and the coordinate book: the pure functions of travel/ do the work,
// the handlers place the results and the language's words.

#include "app/panels/travel_panel.h"

#include <algorithm>
#include <optional>

#include "app/control_table.h"
#include "app/program_files.h"
#include "text/placeholders.h"
#include "travel/book_file.h"
#include "travel/flight_time.h"
#include "travel/missile_range.h"

namespace quorvel {
namespace {

// The number a cell shows ("12", "1.234"); nothing for any other text ("----").
std::optional<Wide> CellNumber(std::string_view text) {
    Wide value = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == '.') continue;
        // Thirty digits stay far within 128 bits.
        if (c < '0' || c > '9' || ++digits > 30) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return digits > 0 ? std::optional(value) : std::nullopt;
}

// A unit beside a cell's number in the form the number takes; the many form beside no number.
std::string UnitFor(const LanguageTexts& texts, const CountedText& unit, std::string_view number) {
    const std::optional<Wide> count = CellNumber(number);
    return count ? texts.Count(unit, *count) : unit[static_cast<std::size_t>(PluralForm::Many)];
}

}  // namespace

void TravelPanel::OnCalcFlightTime() {
    MainForm& form = m_context.form;
    InputValues& in = m_context.inputs;
    for (ControlId id : {ControlId::FlightSystems, ControlId::FlightUnitFirst, ControlId::FlightFixed,
                         ControlId::FlightUnitSecond, ControlId::FlightMessage, ControlId::FlightArrival}) {
        form.SetText(id, "");
    }

    const Position target{in.targetGalaxy, in.targetSystem, in.targetPlanet};
    // An empty start means the book entry the list shows as selected, while the book still holds
    // it; the start edits stay empty.
    bool startGone = false;
    if (in.startGalaxy == 0 && in.startSystem == 0 && in.startPlanet == 0 && target != Position{}) {
        const int selected = form.GetSelection(ControlId::BookList);
        if (selected >= 0 && selected < static_cast<int>(m_shownBook.size())) {
            const BookRecord shown = m_shownBook[selected];
            startGone = !BookHolds(m_context.HomePath(kBookFile), shown);
            if (!startGone) {
                in.startGalaxy = shown.galaxy;
                in.startSystem = shown.system;
                in.startPlanet = shown.planet;
            }
        }
    }

    const FlightTime flight = EvaluateFlightTime({in.startGalaxy, in.startSystem, in.startPlanet}, target);
    const LanguageTexts& texts = m_context.texts;
    if (flight.outcome == FlightOutcome::Success) {
        form.SetText(ControlId::FlightMessage, "");
    } else {
        form.SetText(ControlId::FlightMessage, flight.outcome == FlightOutcome::OtherGalaxy
                                                   ? texts.msgOtherGalaxy
                                                   : texts.msgOutOfRange);
    }
    if (startGone) form.SetText(ControlId::FlightMessage, texts.msgStartPositionGone);
    form.SetText(ControlId::FlightUnitFirst,
                 UnitFor(texts, texts.flightMinutes,
                         flight.outcome == FlightOutcome::Success ? std::to_string(flight.systems) : ""));
    form.SetText(ControlId::FlightUnitSecond, texts.flightUnitSecond);
    if (flight.outcome == FlightOutcome::Success) {
        form.SetInt(ControlId::FlightSystems, flight.systems);
        form.SetInt(ControlId::FlightFixed, kFlightFixed);
        const std::int32_t arrival =
            ArrivalSecondOfDay(m_context.secondsOfDayNow(), FlightSeconds(flight.systems));
        form.SetText(ControlId::FlightArrival, FillPlaceholders(texts.arrivalAt, {TimeOfDayText(arrival)}));
        // With an impulse drive level typed, a target the missiles cannot reach under the rule in
        // force is said.
        const std::optional<std::int64_t> range = MissileRange(in.impulseDriveLevel, m_context.rangeRule);
        if (in.impulseDriveLevel > 0 && range && flight.systems > *range) {
            form.SetText(ControlId::FlightMessage, texts.Count(texts.msgBeyondRange, *range));
        }
    } else {
        form.SetText(ControlId::FlightSystems, kNoFlightTimeCell);
        form.SetText(ControlId::FlightFixed, kNoFlightTimeCell);
    }
}

void TravelPanel::OnCalcRange() {
    // A negative level leaves the last result on screen.
    const std::int32_t level = m_context.inputs.impulseDriveLevel;
    if (const std::optional<std::int64_t> range = MissileRange(level, m_context.rangeRule)) {
        m_context.form.SetInt(ControlId::RangeResult, *range);
        m_context.form.SetText(ControlId::RangeUnit,
                               m_context.texts.Count(m_context.texts.rangeUnit, Wide{*range}));
    }
}

void TravelPanel::ResetCells() {
    for (ControlId id : {ControlId::FlightUnitSecond, ControlId::FlightUnitFirst, ControlId::FlightSystems,
                         ControlId::FlightFixed, ControlId::FlightMessage, ControlId::FlightArrival,
                         ControlId::RangeResult, ControlId::RangeUnit}) {
        m_context.form.SetText(id, "");
    }
}

void TravelPanel::Reword(const LanguageTexts& before) {
    MainForm& form = m_context.form;
    const LanguageTexts& texts = m_context.texts;
    const auto cell = [&form](ControlId id) { return form.GetText(id); };
    if (!cell(ControlId::FlightUnitFirst).empty()) {
        form.SetText(ControlId::FlightUnitFirst,
                     UnitFor(texts, texts.flightMinutes, cell(ControlId::FlightSystems)));
    }
    if (!cell(ControlId::FlightUnitSecond).empty())
        form.SetText(ControlId::FlightUnitSecond, texts.flightUnitSecond);
    if (!cell(ControlId::RangeUnit).empty()) {
        form.SetText(ControlId::RangeUnit, UnitFor(texts, texts.rangeUnit, cell(ControlId::RangeResult)));
    }

    const std::string message = cell(ControlId::FlightMessage);
    std::optional<std::string> reworded;
    for (const auto& [was, is] : {std::pair(&before.msgOtherGalaxy, &texts.msgOtherGalaxy),
                                  std::pair(&before.msgOutOfRange, &texts.msgOutOfRange),
                                  std::pair(&before.msgStartPositionGone, &texts.msgStartPositionGone)}) {
        if (!reworded && !message.empty() && message == *was) reworded = *is;
    }
    for (const std::string& form : before.msgBeyondRange) {
        const auto values = reworded ? std::nullopt : PlaceholderValues(form, message);
        const std::optional<Wide> range =
            values && !values->empty() ? CellNumber(values->front()) : std::nullopt;
        if (range) reworded = texts.Count(texts.msgBeyondRange, *range);
    }
    if (reworded) form.SetText(ControlId::FlightMessage, *reworded);

    const auto arrival = PlaceholderValues(before.arrivalAt, cell(ControlId::FlightArrival));
    if (arrival && !arrival->empty() && !cell(ControlId::FlightArrival).empty()) {
        form.SetText(ControlId::FlightArrival, FillPlaceholders(texts.arrivalAt, {arrival->front()}));
    }
}

std::optional<Position> TravelPanel::ShownBookEntry() const {
    const int selected = m_context.form.GetSelection(ControlId::BookList);
    if (selected < 0 || selected >= static_cast<int>(m_shownBook.size())) return std::nullopt;
    const BookRecord& shown = m_shownBook[static_cast<std::size_t>(selected)];
    return Position{shown.galaxy, shown.system, shown.planet};
}

void TravelPanel::RefillBookList() {
    const BookRecords book = ReadBookRecords(m_context.HomePath(kBookFile));
    m_context.form.ClearList(ControlId::BookList);
    m_shownBook.clear();
    // List position i is record i, so the list ends before the first record it cannot show.
    int shown = 0;
    while (shown < kBookCapacity && IsListable(book[shown])) {
        m_context.form.InsertListItem(ControlId::BookList, shown, BookEntryText(book[shown]));
        m_shownBook.push_back(book[shown]);
        ++shown;
    }
    m_context.form.SelectListItem(ControlId::BookList, shown > 0 ? 0 : -1);
}

void TravelPanel::OnBookSave() {
    const std::filesystem::path file = m_context.HomePath(kBookFile);
    EnsureBookFile(file);
    const BookRecord start{m_context.inputs.startGalaxy, m_context.inputs.startSystem,
                           m_context.inputs.startPlanet};
    if (IsInUniverse(start)) {
        // A position already in the book or a full book: nothing is written and nothing said. A file
        // that cannot be written is said; the list then shows the book as it is on disk.
        int error = 0;
        if (SaveToBook(file, start, &error) == BookWrite::NotWritten) {
            m_context.ShowFileError(m_context.texts.fileErrors.cannotSave, file, error);
        }
    } else {
        m_context.form.SetText(ControlId::FlightMessage, m_context.texts.msgOutOfRange);
    }
    RefillBookList();
}

void TravelPanel::OnBookDelete() {
    const std::filesystem::path file = m_context.HomePath(kBookFile);
    const int selected = m_context.form.GetSelection(ControlId::BookList);
    int error = 0;
    // The entry the player sees is deleted where it is in the file now; an entry another window
    // has deleted already deletes nothing. With nothing selected the file is left as it is.
    const BookWrite outcome = selected >= 0 && selected < static_cast<int>(m_shownBook.size())
                                  ? DeleteBookRecord(file, m_shownBook[selected], &error)
                                  : DeleteFromBook(file, -1, &error);
    if (outcome == BookWrite::NotWritten)
        m_context.ShowFileError(m_context.texts.fileErrors.cannotSave, file, error);
    RefillBookList();
}

void TravelPanel::OnBookFileChanged() {
    const int selected = m_context.form.GetSelection(ControlId::BookList);
    const std::optional<BookRecord> kept = selected >= 0 && selected < static_cast<int>(m_shownBook.size())
                                               ? std::optional<BookRecord>(m_shownBook[selected])
                                               : std::nullopt;
    RefillBookList();
    if (!kept) return;
    const auto found = std::find(m_shownBook.begin(), m_shownBook.end(), *kept);
    if (found != m_shownBook.end()) {
        m_context.form.SelectListItem(ControlId::BookList, static_cast<int>(found - m_shownBook.begin()));
    }
}

}  // namespace quorvel
