#include "app/button_handlers.h"

#include <gtest/gtest.h>

#include "app/control_table.h"
#include "support/program.h"

namespace quorvel {
namespace {

class ButtonHandlers : public ::testing::Test {
protected:
    ~ButtonHandlers() override {
        std::error_code ignored;
        std::filesystem::current_path(m_startFolder, ignored);
    }

    std::filesystem::path m_startFolder = std::filesystem::current_path();
    testing::Program m_program;
};

// The window and the batch find handlers only through this table: a button or list of the control
// table without a handler would be dead in both.
TEST_F(ButtonHandlers, EveryButtonAndListOfTheWindowHasAHandler) {
    for (const ControlRow& control : ControlTable()) {
        EXPECT_EQ(PressButton(m_program.dlg, control.id), control.kind == ControlKind::Button)
            << ToInt(control.id);
        EXPECT_EQ(SelectionChanged(m_program.dlg, control.id), control.kind == ControlKind::DropDown)
            << ToInt(control.id);
    }
}

TEST_F(ButtonHandlers, EnterSimulatesAndEscapeResets) {
    m_program.Set(ControlId::RocketLauncherInput, "10");
    m_program.Set(ControlId::MissileInput, "1");
    PressKey(m_program.dlg, Key::Enter);
    EXPECT_EQ(m_program.Get(ControlId::RocketLauncherDestroyed), "10");
    PressKey(m_program.dlg, Key::Escape);
    EXPECT_EQ(m_program.Get(ControlId::RocketLauncherDestroyed), " ");
    EXPECT_EQ(m_program.Get(ControlId::RocketLauncherInput), "");
}

TEST_F(ButtonHandlers, SimulateButtonAndSelectionReachTheirHandlers) {
    m_program.Set(ControlId::RocketLauncherInput, "10");
    m_program.Set(ControlId::GaussCannonInput, "5");
    m_program.Set(ControlId::MissileInput, "1");
    m_program.form.SelectListItem(ControlId::PrimaryTargetList, 3);
    ASSERT_TRUE(SelectionChanged(m_program.dlg, ControlId::PrimaryTargetList));
    ASSERT_TRUE(PressButton(m_program.dlg, ControlId::SimulateButton));
    EXPECT_EQ(m_program.Get(ControlId::GaussCannonDestroyed), "3");
    EXPECT_EQ(m_program.Get(ControlId::RocketLauncherDestroyed), "7");
}

}  // namespace
}  // namespace quorvel
