#include <gtest/gtest.h>

#include <cstring>

#include "option/button_page/button_page_layout.h"
#include "option/button_page/button_page_model.h"
#include "option/dpi_level/dpi_level_model.h"
#include "tests/keys/layouts.h"
#include "tests/option/button_page/fake_button_dialogs.h"
#include "tests/option/button_page/page_fixture.h"

namespace {

class Page : public ::testing::Test {
protected:
    std::unique_ptr<SharedBlock> block = DefaultBlock();
    FakeButtonDialogs dialogs;
    NumberTexts texts;
    ButtonPageModel page{*block, dialogs, texts, layouts::Us};
    Profile& p = block->Profiles[2];

    std::vector<bool> Colours(bool ControlState::*field) const {
        std::vector<bool> states;
        for (int n = 0; n < kColourOptions; ++n) states.push_back(page.ColourOption(n).*field);
        return states;
    }
};

const std::vector<bool> kNone(8, false);
const std::vector<bool> kAll(8, true);
const std::vector<bool> kLastOnly{false, false, false, false, false, false, false, true};

}  // namespace

TEST_F(Page, RefreshShowsTheCurrentProfile) {
    p.LightSwitch = 4;
    p.ColorOptions0 = 3;
    p.PollingRate = 1;
    p.BreathSpeed = 3;
    page.ShowBank(1);
    page.Refresh();
    EXPECT_FALSE(page.FunctionShown(16));
    EXPECT_EQ(Colours(&ControlState::enabled), kAll);
    EXPECT_EQ(Colours(&ControlState::selected), (std::vector<bool>{false, false, false, true, false, false, false, false}));
    EXPECT_TRUE(page.ReportRate(1).selected);
    EXPECT_EQ(page.LightingCaption(), "#1124");
    EXPECT_EQ(page.BreathingCaption(), "#1092");
    EXPECT_EQ(page.FunctionCaption(20), "M4#1154");
    EXPECT_EQ(page.FunctionCaption(19), "#362#1154");  // the preset named by string 362
}

TEST_F(Page, LightingRule) {
    p.ColorOptions0 = 2;
    page.Refresh();
    EXPECT_EQ(page.Command(3003), AssignOutcome::Assigned);  // LightSwitch 2: one colour
    EXPECT_EQ(p.LightSwitch, 2);
    EXPECT_EQ(p.ColorOptions0, 7u);
    EXPECT_EQ(Colours(&ControlState::enabled), kLastOnly);
    EXPECT_EQ(Colours(&ControlState::selected), kLastOnly);
    EXPECT_TRUE(page.BreathingEnabled());
    EXPECT_EQ(page.LightingCaption(), "#1145");

    page.Command(3001);  // off
    EXPECT_EQ(Colours(&ControlState::enabled), kNone);
    EXPECT_EQ(Colours(&ControlState::selected), kNone);
    EXPECT_FALSE(page.BreathingEnabled());

    page.Command(3006);  // all colours, the marks as they were
    EXPECT_EQ(Colours(&ControlState::enabled), kAll);
    EXPECT_EQ(Colours(&ControlState::selected), kNone);
    EXPECT_TRUE(page.BreathingEnabled());
    page.ChooseColourOption(5);
    EXPECT_EQ(p.ColorOptions0, 5u);
    EXPECT_TRUE(page.ColourOption(5).selected);

    p.LightSwitch = -1;  // a damaged file leaves the controls alone
    page.Refresh();
    EXPECT_EQ(Colours(&ControlState::enabled), kAll);
    EXPECT_EQ(page.LightingCaption(), "");
}

TEST_F(Page, BreathingAndReportRate) {
    EXPECT_EQ(page.Command(4002), AssignOutcome::Assigned);
    EXPECT_EQ(p.BreathSpeed, 2);
    EXPECT_EQ(page.BreathingCaption(), "#1091");
    EXPECT_EQ(page.Command(4004), AssignOutcome::Ignored);
    EXPECT_EQ(page.Command(3007), AssignOutcome::Ignored);
    page.ChooseReportRate(3);
    EXPECT_EQ(p.PollingRate, 3);
    EXPECT_TRUE(page.ReportRate(3).selected);
    EXPECT_FALSE(page.ReportRate(2).selected);
}

TEST_F(Page, DpiLevelMessages) {
    page.DpiLevelMessage(PackDpiLevelNotice(DpiLevelChange::kValue, 80), 503);
    EXPECT_EQ(p.CpiLevel_X[3], 80);
    EXPECT_EQ(p.CpiLevel_Y[3], 80);  // the vertical value is not the page's
    page.DpiLevelMessage(PackDpiLevelNotice(DpiLevelChange::kValue, 100), 503);
    EXPECT_EQ(p.CpiLevel_Y[3], 80);
    EXPECT_EQ(page.DpiLevel(3).Value(), 100);

    page.DpiLevelMessage(PackDpiLevelNotice(DpiLevelChange::kEnabled, 0), 505);
    EXPECT_EQ(p.dpiStepFlag[5], 0);
    EXPECT_FALSE(page.DpiLevel(5).Enabled());

    page.DpiLevelMessage(PackDpiLevelNotice(DpiLevelChange::kCurrent, 0), 504);  // strip clicked off
    EXPECT_EQ(p.CpiStep, 4);
    for (int n = 0; n < kDpiLevelCount; ++n) EXPECT_EQ(page.DpiLevel(n).IsCurrent(), n == 4);

    const SharedBlock before = *block;
    page.DpiLevelMessage(PackDpiLevelNotice(DpiLevelChange::kValue, 2), 506);
    page.DpiLevelMessage(PackDpiLevelNotice(DpiLevelChange::kCurrent, 1), 499);
    page.DpiLevelMessage(0x90001, 500);  // no such kind
    EXPECT_EQ(std::memcmp(&before, block.get(), sizeof before), 0);
}

TEST_F(Page, FunctionMenuOpensOnlyAfterTheLastMenuClosedLongEnough) {
    ASSERT_TRUE(page.ClickFunction(5, 1000));
    EXPECT_EQ(page.SelectedEntry(), 5);
    page.MenuClosed(1100);
    EXPECT_FALSE(page.ClickFunction(6, 1250));  // the click that closed the menu
    EXPECT_FALSE(page.ClickLighting(1300));
    EXPECT_EQ(page.SelectedEntry(), 5);
    const auto menu = page.ClickFunction(20, 1301);
    ASSERT_TRUE(menu);
    EXPECT_EQ((*menu)[12].command, 1068);
    EXPECT_TRUE(page.ClickBreathing(1400));
}

TEST_F(Page, CommandsAssignToTheEntryWhoseMenuOpenedLast) {
    page.ClickFunction(4, 0);
    EXPECT_EQ(page.Command(1030), AssignOutcome::Assigned);
    EXPECT_EQ(p.MacroKeyInfo[4].Code, 54);
    EXPECT_EQ(page.FunctionCaption(4), "#1030");
    EXPECT_EQ(block->ButtonChanged[2][4], 1);
    page.MenuClosed(10);
    page.ClickFunction(0, 500);
    EXPECT_EQ(page.Command(1005), AssignOutcome::Refused);
    EXPECT_EQ(p.MacroKeyInfo[0].Code, 1);
}

TEST_F(Page, BankSwitchAndRestoreDefaults) {
    page.ShowBank(1);
    EXPECT_FALSE(page.BankButton(0).selected);
    EXPECT_TRUE(page.FunctionShown(16));
    EXPECT_FALSE(page.FunctionShown(0));
    page.RestoreDefaults();
    EXPECT_EQ(page.FunctionCaption(20), "#1154");  // code 100 without a name
    EXPECT_EQ(block->ButtonChanged[2][31], 1);
}

TEST_F(Page, WithoutACurrentProfileThePageShowsNothing) {
    block->CurrentProfile = -1;
    const SharedBlock before = *block;
    page.Refresh();
    page.ChooseReportRate(1);
    page.ChooseColourOption(1);
    page.DpiLevelMessage(PackDpiLevelNotice(DpiLevelChange::kValue, 2), 500);
    EXPECT_EQ(page.Command(3002), AssignOutcome::Ignored);
    page.RestoreDefaults();
    EXPECT_EQ(std::memcmp(&before, block.get(), sizeof before), 0);
    EXPECT_EQ(page.FunctionCaption(0), "");
}

namespace {

class LinesMeasure final : public TextMeasure {
public:
    // 20 pixels high per line, 20 pixels wide per character.
    int WrappedHeight(std::string_view text, const DialogFont&, int width) const override {
        const int needed = static_cast<int>(text.size()) * 20;
        return 20 * ((needed + width - 1) / width);
    }
};

}  // namespace

TEST(PageHeadings, CentredInTheirBoxesOrClippedFromTheTop) {
    const std::vector<PageHeading> headings = LayOutPageHeadings(NumberTexts(), LinesMeasure());
    ASSERT_EQ(headings.size(), 6u);
    EXPECT_EQ(headings[0].text, "#150");
    EXPECT_EQ(headings[0].place.align, TextAlign::Centre);
    EXPECT_EQ(headings[0].place.rect, (SkinRect{281, 27, 489, 47}));  // one line in a 43-high box
    EXPECT_EQ(headings[4].font.height, 15);
    EXPECT_EQ(headings[4].place.rect, (SkinRect{530, 115, 580, 140}));  // "#154" needs two lines: clipped
}
