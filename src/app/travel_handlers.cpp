// Flight time, missile range and the coordinate book: the pure functions of travel/ do the work,
// the handlers read the fields and place the results and the language's words.

#include <algorithm>
#include <optional>

#include "app/control_table.h"
#include "app/program_files.h"
#include "app/simulator_dialog.h"
#include "travel/book_file.h"
#include "travel/flight_time.h"
#include "travel/missile_range.h"

namespace quorvel {

void CSimulatorDlg::OnCalcFlightTime() {
    NormaliseEmptyInputs();
    ReadInputs();
    SimulatorState& s = m_state;
    s.travel.flightFixed = kFlightFixed;
    for (ControlId id : {ControlId::FlightSystems, ControlId::FlightUnitFirst, ControlId::FlightFixed,
                         ControlId::FlightUnitSecond, ControlId::FlightMessage}) {
        m_form.SetText(id, "");
    }

    const Position target{s.inputs.targetGalaxy, s.inputs.targetSystem, s.inputs.targetPlanet};
    // An empty start means the book entry the list shows as selected, while the book still holds
    // it; the start edits stay empty.
    bool startGone = false;
    if (s.inputs.startGalaxy == 0 && s.inputs.startSystem == 0 && s.inputs.startPlanet == 0 &&
        target != Position{}) {
        const int selected = m_form.GetSelection(ControlId::BookList);
        if (selected >= 0 && selected < static_cast<int>(m_shownBook.size())) {
            const BookRecord shown = m_shownBook[selected];
            startGone = !BookHolds(HomePath(kBookFile), shown);
            if (!startGone) {
                s.inputs.startGalaxy = shown.galaxy;
                s.inputs.startSystem = shown.system;
                s.inputs.startPlanet = shown.planet;
            }
        }
    }

    const FlightTime flight = EvaluateFlightTime({s.inputs.startGalaxy, s.inputs.startSystem, s.inputs.startPlanet}, target);
    if (flight.outcome == FlightOutcome::Success) {
        s.travel.flightSystems = flight.systems;
        m_form.SetText(ControlId::FlightMessage, "");
    } else {
        m_form.SetText(ControlId::FlightMessage, flight.outcome == FlightOutcome::OtherGalaxy
                                                     ? m_texts.msgOtherGalaxy
                                                     : m_texts.msgOutOfRange);
    }
    if (startGone) m_form.SetText(ControlId::FlightMessage, m_texts.msgStartPositionGone);
    m_form.SetText(ControlId::FlightUnitFirst, m_texts.flightUnitFirst);
    m_form.SetText(ControlId::FlightUnitSecond, m_texts.flightUnitSecond);
    if (flight.outcome == FlightOutcome::Success) {
        m_form.SetInt(ControlId::FlightSystems, flight.systems);
        m_form.SetInt(ControlId::FlightFixed, s.travel.flightFixed);
    } else {
        m_form.SetText(ControlId::FlightSystems, kNoFlightTimeCell);
        m_form.SetText(ControlId::FlightFixed, kNoFlightTimeCell);
    }
    ClearZeroInputs();
}

void CSimulatorDlg::OnCalcRange() {
    NormaliseEmptyInputs();
    ReadInputs();
    // A negative level leaves the last result on screen.
    if (const std::optional<std::int64_t> range = MissileRange(m_state.inputs.impulseDriveLevel)) {
        m_state.travel.missileRange = *range;
        m_form.SetInt(ControlId::RangeResult, *range);
        m_form.SetText(ControlId::RangeUnit, m_texts.rangeUnit);
    }
    ClearZeroInputs();
}

void CSimulatorDlg::RefillBookList() {
    const BookRecords book = ReadBookRecords(HomePath(kBookFile));
    m_form.ClearList(ControlId::BookList);
    m_shownBook.clear();
    // List position i is record i, so the list ends before the first record it cannot show.
    int shown = 0;
    while (shown < kBookCapacity && IsListable(book[shown])) {
        m_form.InsertListItem(ControlId::BookList, shown, BookEntryText(book[shown]));
        m_shownBook.push_back(book[shown]);
        ++shown;
    }
    m_form.SelectListItem(ControlId::BookList, shown > 0 ? 0 : -1);
}

void CSimulatorDlg::OnBookSave() {
    NormaliseEmptyInputs();
    ReadInputs();
    const std::filesystem::path file = HomePath(kBookFile);
    EnsureBookFile(file);
    const BookRecord start{m_state.inputs.startGalaxy, m_state.inputs.startSystem, m_state.inputs.startPlanet};
    if (IsInUniverse(start)) {
        // A position already in the book or a full book: nothing is written and nothing said. A file
        // that cannot be written is said; the list then shows the book as it is on disk.
        int error = 0;
        if (SaveToBook(file, start, &error) == BookWrite::NotWritten) {
            ShowFileError(m_texts.fileErrors.cannotSave, file, error);
        }
    } else {
        m_form.SetText(ControlId::FlightMessage, m_texts.msgOutOfRange);
    }
    RefillBookList();
    ClearZeroInputs();
}

void CSimulatorDlg::OnBookDelete() {
    NormaliseEmptyInputs();
    ReadInputs();
    const std::filesystem::path file = HomePath(kBookFile);
    const int selected = m_form.GetSelection(ControlId::BookList);
    int error = 0;
    // The entry the player sees is deleted where it is in the file now; an entry another window
    // has deleted already deletes nothing. With nothing selected the file is left as it is.
    const BookWrite outcome = selected >= 0 && selected < static_cast<int>(m_shownBook.size())
                                  ? DeleteBookRecord(file, m_shownBook[selected], &error)
                                  : DeleteFromBook(file, -1, &error);
    if (outcome == BookWrite::NotWritten) ShowFileError(m_texts.fileErrors.cannotSave, file, error);
    RefillBookList();
    ClearZeroInputs();
}

void CSimulatorDlg::OnBookFileChanged() {
    const int selected = m_form.GetSelection(ControlId::BookList);
    const std::optional<BookRecord> kept = selected >= 0 && selected < static_cast<int>(m_shownBook.size())
                                               ? std::optional<BookRecord>(m_shownBook[selected])
                                               : std::nullopt;
    RefillBookList();
    if (!kept) return;
    const auto found = std::find(m_shownBook.begin(), m_shownBook.end(), *kept);
    if (found != m_shownBook.end()) {
        m_form.SelectListItem(ControlId::BookList, static_cast<int>(found - m_shownBook.begin()));
    }
}

// The selection is read when it is needed, by deleting and by the flight time.
void CSimulatorDlg::OnBookSelChange() {}

}  // namespace quorvel
