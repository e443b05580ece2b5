// Flight time, range and the coordinate book driven through the in-memory form, as the window
// would drive them.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/memory_form.h"
#include "app/simulator_dialog.h"
#include "i18n/language_table.h"
#include "support/book_text.h"
#include "support/program.h"
#include "travel/book_record.h"

namespace quorvel {
namespace {

using C = ControlId;
using testing::BookText;

class TravelHandlers : public ::testing::Test {
protected:
    // An English file whose line n reads "line n", so that every language text differs from every
    // other one (as long as languages can be applied at all).
    void SetUp() override {
        home.WriteLanguage(kEnglish, "line");
        dlg.Run(Action::UseLanguageFile,
                ActionInput(0, std::filesystem::path(home.Path() / LanguagePath(kEnglish)).string()));
    }

    void TypeStart(const std::string& g, const std::string& s, const std::string& p) {
        form.SetText(C::StartGalaxyInput, g);
        form.SetText(C::StartSystemInput, s);
        form.SetText(C::StartPlanetInput, p);
    }
    void TypeTarget(const std::string& g, const std::string& s, const std::string& p) {
        form.SetText(C::TargetGalaxyInput, g);
        form.SetText(C::TargetSystemInput, s);
        form.SetText(C::TargetPlanetInput, p);
    }
    void Save(const Position& p) {
        TypeStart(std::to_string(p.galaxy), std::to_string(p.system), std::to_string(p.planet));
        dlg.Run(Action::BookSave);
    }
    void Delete(int entry) {
        form.SelectListItem(C::BookList, entry);
        dlg.Run(Action::BookSelectionChanged);
        dlg.Run(Action::BookDelete);
    }
    std::vector<std::string> Entries() const { return form.GetList(C::BookList).entries; }
    int Selected() const { return form.GetSelection(C::BookList); }
    std::string Text(ControlId id) const { return form.GetText(id); }

    testing::TestHome home;
    MemoryForm form;
    CSimulatorDlg dlg{form, home.Path()};
};

// ---- Flight time -------------------------------------------------------------------------------

enum class Message { None, OutOfRange, OtherGalaxy };

struct FlightFormCase {
    const char* name;
    std::array<const char*, 3> start;
    std::array<const char*, 3> target;
    const char* systems;
    const char* fixed;
    Message message;
};

class FlightTimeForm : public TravelHandlers, public ::testing::WithParamInterface<FlightFormCase> {};

TEST_P(FlightTimeForm, ShowsOutcomeWithUnitWords) {
    const FlightFormCase& c = GetParam();
    TypeStart(c.start[0], c.start[1], c.start[2]);
    TypeTarget(c.target[0], c.target[1], c.target[2]);
    form.SetText(C::FlightMessage, "earlier message");
    dlg.Run(Action::FlightTime);

    const LanguageTexts& texts = dlg.Texts();
    EXPECT_EQ(Text(C::FlightSystems), c.systems);
    EXPECT_EQ(Text(C::FlightFixed), c.fixed);
    EXPECT_EQ(Text(C::FlightUnitFirst), texts.flightMinutes[2]) << "no case is of one minute";
    EXPECT_EQ(Text(C::FlightUnitSecond), texts.flightUnitSecond);
    const std::string message = c.message == Message::None         ? ""
                                : c.message == Message::OutOfRange ? texts.msgOutOfRange
                                                                   : texts.msgOtherGalaxy;
    EXPECT_EQ(Text(C::FlightMessage), message);
    EXPECT_EQ(Text(C::StartGalaxyInput), c.start[0]) << "a typed start stays, an empty one stays empty";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FlightTimeForm,
    ::testing::Values(
        FlightFormCase{"same_system", {"1", "100", "3"}, {"1", "100", "15"}, "0", "30", Message::None},
        FlightFormCase{"across_the_galaxy", {"2", "1", "1"}, {"2", "499", "1"}, "498", "30", Message::None},
        FlightFormCase{"backwards", {"3", "250", "5"}, {"3", "10", "5"}, "240", "30", Message::None},
        FlightFormCase{
            "other_galaxy", {"1", "1", "1"}, {"2", "1", "1"}, "----", "----", Message::OtherGalaxy},
        FlightFormCase{"galaxy_20", {"20", "1", "1"}, {"20", "1", "1"}, "----", "----", Message::OutOfRange},
        FlightFormCase{"system_500", {"1", "1", "1"}, {"1", "500", "1"}, "----", "----", Message::OutOfRange},
        FlightFormCase{"planet_16", {"1", "1", "16"}, {"1", "1", "1"}, "----", "----", Message::OutOfRange},
        FlightFormCase{"all_empty", {"", "", ""}, {"", "", ""}, "----", "----", Message::OutOfRange},
        FlightFormCase{"empty_start_and_empty_book",
                       {"", "", ""},
                       {"4", "200", "8"},
                       "----",
                       "----",
                       Message::OutOfRange}),
    [](const ::testing::TestParamInfo<FlightFormCase>& info) { return std::string(info.param.name); });

TEST_F(TravelHandlers, FlightTimeTakesAnEmptyStartFromTheSelectedBookEntry) {
    home.WriteBook(BookText({{1, 1, 1}, {2, 2, 2}, {4, 150, 1}}));
    dlg.Run(Action::BookFileChanged);
    form.SelectListItem(C::BookList, 2);
    dlg.Run(Action::BookSelectionChanged);
    TypeTarget("4", "200", "8");
    dlg.Run(Action::FlightTime);
    EXPECT_EQ(Text(C::FlightSystems), "50");
    EXPECT_EQ(Text(C::FlightFixed), "30");
    EXPECT_EQ(Text(C::FlightMessage), "");
    EXPECT_EQ(Text(C::StartGalaxyInput), "");
    EXPECT_EQ(Text(C::StartSystemInput), "");
    EXPECT_EQ(Text(C::StartPlanetInput), "");
    EXPECT_EQ(dlg.Inputs().startSystem, 150);
}

TEST_F(TravelHandlers, FlightTimeReadsTheBookOnlyForAWhollyEmptyStartAndSomeTarget) {
    home.WriteBook(BookText({{4, 150, 1}}));
    dlg.Run(Action::BookFileChanged);

    TypeStart("", "150", "");
    TypeTarget("4", "200", "8");
    dlg.Run(Action::FlightTime);
    EXPECT_EQ(Text(C::FlightSystems), "----");
    EXPECT_EQ(dlg.Inputs().startGalaxy, 0);

    TypeStart("", "", "");
    TypeTarget("", "", "");
    dlg.Run(Action::FlightTime);
    EXPECT_EQ(Text(C::FlightSystems), "----");
    EXPECT_EQ(dlg.Inputs().startGalaxy, 0);
}

TEST_F(TravelHandlers, HandEditedBookShowsRecordsUpToTheFirstUnlistable) {
    home.WriteBook("5 5 5\n0 0 0\n6 6 6\n");
    dlg.Run(Action::BookFileChanged);
    EXPECT_EQ(Entries(), std::vector<std::string>{"5:5:5"});
    EXPECT_EQ(Selected(), 0);
    TypeTarget("5", "1", "1");
    dlg.Run(Action::FlightTime);
    EXPECT_EQ(Text(C::FlightSystems), "4");
}

TEST_F(TravelHandlers, FlightTimeWithAStaleSelectionSaysTheEntryIsGone) {
    home.WriteBook(BookText({{5, 5, 5}, {6, 6, 6}}));
    dlg.Run(Action::BookFileChanged);
    form.SelectListItem(C::BookList, 1);
    home.WriteBook("5 5 5\n6 0 6\n");  // changed behind the program's back
    TypeTarget("6", "1", "1");
    dlg.Run(Action::FlightTime);
    EXPECT_EQ(Text(C::FlightSystems), "----");
    EXPECT_EQ(Text(C::FlightMessage), dlg.Texts().msgStartPositionGone);
    // Another window deleted the entry before the shown one: the start is the shown entry, not the
    // record now at its index.
    home.WriteBook(BookText({{1, 100, 1}, {1, 200, 1}, {1, 300, 1}}));
    dlg.Run(Action::BookFileChanged);
    form.SelectListItem(C::BookList, 1);
    home.WriteBook(BookText({{1, 200, 1}, {1, 300, 1}}));
    TypeTarget("1", "210", "1");
    dlg.Run(Action::FlightTime);
    EXPECT_EQ(Text(C::FlightSystems), "10");
}

// ---- Range -------------------------------------------------------------------------------------

TEST_F(TravelHandlers, RangeShowsTheExactRangeWithItsUnit) {
    const struct {
        const char* level;
        const char* range;
        const char* levelAfter;
    } cases[] = {
        {"", "0", ""},
        {"0", "0", ""},
        {"1", "1", "1"},
        {"7", "13", "7"},
        {"15", "29", "15"},
        {"1073741825", "2147483649", "1073741825"},
        {"2147483647", "4294967293", "2147483647"},
    };
    for (const auto& c : cases) {
        form.SetText(C::ImpulseDriveInput, c.level);
        dlg.Run(Action::Range);
        EXPECT_EQ(Text(C::RangeResult), c.range) << "level " << c.level;
        EXPECT_EQ(Text(C::RangeUnit), dlg.Texts().rangeUnit[c.range == std::string("1") ? 0 : 2]);
        EXPECT_EQ(Text(C::ImpulseDriveInput), c.levelAfter);
    }
    EXPECT_EQ(Text(C::RangeResult), "4294967293") << "the last range stays shown";
}

TEST_F(TravelHandlers, RangeRuleFromTheListIsKeptAndAShownRangeFollowsIt) {
    EXPECT_EQ(form.GetList(C::RangeRuleList).entries, (std::vector<std::string>{"line 194", "line 195"}));
    EXPECT_EQ(form.GetSelection(C::RangeRuleList), 0);
    form.SetText(C::ImpulseDriveInput, "7");
    dlg.Run(Action::Range);
    form.SelectListItem(C::RangeRuleList, 1);
    dlg.Run(Action::RangeRuleChanged);
    EXPECT_EQ(Text(C::RangeResult), "34");
    EXPECT_EQ(home.Read(kRangeRuleFile), "5");
    CSimulatorDlg next{form, home.Path()};
    next.OnMainWindowInit();
    EXPECT_EQ(form.GetSelection(C::RangeRuleList), 1) << "the next start shows the kept rule";
}

TEST_F(TravelHandlers, ArrivalIsNowPlusTheFlightTimeOnTheDayClock) {
    std::ifstream shipped(std::filesystem::path(QUORVEL_LANGUAGE_DIR) / LanguagePath(kEnglish));
    home.Write(LanguagePath(kEnglish).string(), std::string(std::istreambuf_iterator<char>(shipped), {}));
    dlg.Run(Action::UseLanguageFile,
            ActionInput(0, std::filesystem::path(home.Path() / LanguagePath(kEnglish)).string()));
    dlg.SetClock([] { return 23 * 3600 + 55 * 60; });
    TypeStart("1", "100", "3");
    TypeTarget("1", "110", "3");
    dlg.Run(Action::FlightTime);
    EXPECT_EQ(Text(C::FlightArrival), "Arrival at 00:05:30");
    EXPECT_EQ(Text(C::FlightMessage), "") << "no impulse drive level, no word on the range";
    for (const auto& [level, message] :
         {std::pair{"5", "Beyond the missiles' range: they reach 9 systems."}, std::pair{"6", ""}}) {
        form.SetText(C::ImpulseDriveInput, level);
        dlg.Run(Action::FlightTime);
        EXPECT_EQ(Text(C::FlightMessage), message) << "level " << level;
    }
    TypeTarget("2", "110", "3");
    dlg.Run(Action::FlightTime);
    EXPECT_EQ(Text(C::FlightArrival), "") << "no flight, no arrival";
}

TEST_F(TravelHandlers, NegativeRangeLevelIsRefusedAndTheLastLevelStays) {
    form.SetText(C::ImpulseDriveInput, "5");
    dlg.Run(Action::Range);
    form.SetText(C::ImpulseDriveInput, "-3");
    dlg.Run(Action::Range);
    EXPECT_EQ(Text(C::RangeResult), "9");
    EXPECT_EQ(form.Focus(), C::ImpulseDriveInput);
}

// ---- Coordinate book ---------------------------------------------------------------------------

const std::vector<Position> kNine = {{1, 10, 1}, {2, 20, 2}, {3, 30, 3}, {4, 40, 4}, {5, 50, 5},
                                     {6, 60, 6}, {7, 70, 7}, {8, 80, 8}, {9, 90, 9}};

std::vector<std::string> EntriesOf(const std::vector<Position>& positions) {
    std::vector<std::string> entries;
    for (const Position& p : positions) entries.push_back(BookEntryText(p));
    return entries;
}

TEST_F(TravelHandlers, FirstSaveCreatesTheFileAndSelectsTheEntry) {
    dlg.Run(Action::BookFileChanged);
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(Selected(), -1);

    form.SetText(C::FlightMessage, "earlier message");
    Save({1, 100, 7});
    EXPECT_EQ(home.BookText(), "1 100 7\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"1:100:7"});
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Text(C::FlightMessage), "earlier message");
    EXPECT_TRUE(form.Events().empty());

    Save({1, 100, 7});  // a duplicate
    EXPECT_EQ(home.BookText(), "1 100 7\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"1:100:7"});
}

TEST_F(TravelHandlers, SavingAPositionOutsideTheUniverseShowsTheMessageAndWritesNothing) {
    form.SetText(C::FlightMessage, "earlier message");
    TypeStart("3", "20", "16");
    dlg.Run(Action::BookSave);
    EXPECT_EQ(Text(C::FlightMessage), dlg.Texts().msgOutOfRange);
    EXPECT_EQ(home.BookText(), "");  // the empty book is still made

    TypeStart("", "", "");
    dlg.Run(Action::BookSave);
    EXPECT_EQ(home.BookText(), "");
    EXPECT_TRUE(Entries().empty());
}

TEST_F(TravelHandlers, DeletingRemovesExactlyTheSelectedEntry) {
    for (int k = 0; k < kBookCapacity; ++k) {
        home.WriteBook(testing::BookText(kNine));
        dlg.Run(Action::BookFileChanged);
        Delete(k);
        std::vector<Position> left = kNine;
        left.erase(left.begin() + k);
        EXPECT_EQ(home.BookText(), testing::BookText(left)) << "entry " << k;
        EXPECT_EQ(Entries(), EntriesOf(left)) << "entry " << k;
        EXPECT_EQ(Selected(), 0);
    }
}

TEST_F(TravelHandlers, DeletingTheOnlyEntryLeavesAnEmptyBook) {
    Save({1, 100, 7});
    Delete(0);
    EXPECT_EQ(home.BookText(), "");
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(Selected(), -1);
}

TEST_F(TravelHandlers, DeletingWithNoFileMakesAnEmptyOne) {
    dlg.Run(Action::BookDelete);
    EXPECT_EQ(home.BookText(), "");
    EXPECT_TRUE(Entries().empty());
}

TEST_F(TravelHandlers, DeletingWithNothingSelectedLeavesTheFileUntouched) {
    const std::string text = "0 0 0\n1 2 3\n4 5 6\n";
    home.WriteBook(text);
    dlg.Run(Action::BookFileChanged);
    ASSERT_EQ(Selected(), -1);
    dlg.Run(Action::BookDelete);
    EXPECT_EQ(home.BookText(), text);
}

TEST_F(TravelHandlers, FullBookTakesNoTenthPosition) {
    home.WriteBook(testing::BookText(kNine));
    dlg.Run(Action::BookFileChanged);
    Save({10, 100, 10});
    Save({10, 100, 10});
    EXPECT_EQ(home.BookText(), testing::BookText(kNine));
    EXPECT_EQ(Entries(), EntriesOf(kNine));

    Delete(8);  // now there is room
    Save({10, 100, 10});
    std::vector<Position> expected(kNine.begin(), kNine.end() - 1);
    expected.push_back({10, 100, 10});
    EXPECT_EQ(home.BookText(), testing::BookText(expected));
    EXPECT_EQ(Entries(), EntriesOf(expected));
}

TEST_F(TravelHandlers, LinesBeyondTheNinthRecordGoWithTheNextDelete) {
    std::vector<Position> eleven = kNine;
    eleven.push_back({10, 100, 10});
    eleven.push_back({11, 110, 11});
    home.WriteBook(testing::BookText(eleven));
    dlg.Run(Action::BookFileChanged);
    EXPECT_EQ(Entries(), EntriesOf(kNine));
    Delete(0);
    EXPECT_EQ(home.BookText(), testing::BookText({kNine.begin() + 1, kNine.end()}));
}

TEST_F(TravelHandlers, GalaxyAbove19IsListedUntilTheNextDelete) {
    home.WriteBook("25 1 1\n2 2 2\n");
    dlg.Run(Action::BookFileChanged);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"25:1:1", "2:2:2"}));
    Save({3, 3, 3});
    EXPECT_EQ(Entries(), (std::vector<std::string>{"25:1:1", "2:2:2", "3:3:3"}));
    Delete(1);
    EXPECT_EQ(home.BookText(), "3 3 3\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"3:3:3"});
}

// Each failed write shows one error box in the active language, naming the book.
void ExpectSaveErrors(const MemoryForm& form, std::size_t count, const std::filesystem::path& book) {
    ASSERT_EQ(form.Events().size(), count);
    for (const MemoryForm::Event& event : form.Events()) {
        EXPECT_EQ(event.kind, "error");
        EXPECT_EQ(event.text, testing::NumberedLine("line", kLineMsgCannotSave) + " " + book.string());
    }
}

TEST_F(TravelHandlers, MissingDataFolderWritesNothingAndSaysSo) {
    home.RemoveDataFolder();
    dlg.Run(Action::BookFileChanged);
    Save({1, 100, 7});
    dlg.Run(Action::BookDelete);
    EXPECT_FALSE(std::filesystem::exists(home.Path() / "data"));
    EXPECT_TRUE(Entries().empty());
    ExpectSaveErrors(form, 2, home.Path() / kBookFile);
}

TEST_F(TravelHandlers, ReadOnlyDataFilesKeepTheirTextAndOneGivingTheChosenRuleIsNoError) {
    using std::filesystem::perms;
    const std::string text = BookText({{1, 1, 1}, {2, 2, 2}});
    home.WriteBook(text);
    home.Write(kRangeRuleFile, "5\n");
    std::filesystem::permissions(home.Path() / "data", perms::all);
    for (const std::filesystem::path& file : {home.BookFile(), home / kRangeRuleFile})
        std::filesystem::permissions(file, perms::owner_read | perms::group_read | perms::others_read);
    RunWithFilePermissions(home, [&] {
        form.SelectListItem(C::RangeRuleList, 1);
        dlg.Run(Action::RangeRuleChanged);
        dlg.Run(Action::BookFileChanged);
        Save({3, 3, 3});
        Delete(0);
        EXPECT_EQ(home.BookText(), text);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"1:1:1", "2:2:2"}));
        ExpectSaveErrors(form, 2, home.Path() / kBookFile);
    });
}

}  // namespace
}  // namespace quorvel
