// The button page end to end: Option with Monitor and the virtual mouse,
// driven by real clicks on the page, its menus and the shortcut dialog;
// what Apply hands the mouse, the profile file and the shared block.
#include <gtest/gtest.h>

#include "keys/shortcut_dialog_win.h"
#include "lan/string_ids.h"
#include "option/dpi_level/dpi_level_model.h"
#include "profile/ini_document.h"
#include "profile/profile_files.h"
#include "profile/program_folder.h"
#include "shell/slider_math.h"
#include "skins/skin_entries.h"
#include "tests/option/app/option_program_win.h"
#include "tests/option/app/button_page_driver_win.h"
#include "tests/option/button_page/fake_button_dialogs.h"
#include "tools/synthetic_input/synthetic_input_win.h"

using namespace e2e;
using namespace button_page_driver;

namespace {

constexpr int kProfile = 1;       // "Profile 2"
constexpr int kEntry = 4;         // button 5
constexpr int kDpiLevel = 2;      // the third level
constexpr int kDpiValue = 80;     // 4000 DPI in units of 50
constexpr int kReportRate1ms = 3;
constexpr int kLightSwitch = 4;

class NoTexts final : public TextSource {
public:
    std::string Text(int) const override { return {}; }
};

FILETIME WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// The menu items as the page builds them; which dialogs exist does not
// move any item.
std::vector<MenuItem> FunctionMenuOf(int entry) {
    FakeButtonDialogs none;
    return FunctionMenu(entry, none);
}

class ButtonPageProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(option.StartMonitorWithMouseRead());
        main = option.StartAndWait();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitFor([&] { return (page = ShownPage(main)) != nullptr; }));
    }

    // What the screen showed when a step failed, beside the screenshots.
    void TearDown() override {
        if (HasFailure() && main)
            Screenshot(main, std::string("failed_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    // Opens the function menu of `entry` and chooses `command` in it.
    void ChooseFunction(int entry, int command) {
        const HWND menu = OpenMenuOf(GetDlgItem(page, skin_button_page::kFunction[entry]));
        ASSERT_NE(menu, nullptr);
        const RECT item = MenuItemRect(menu, FunctionMenuOf(entry), command);
        ASSERT_FALSE(IsRectEmpty(&item));
        ClickAt(item);
        ASSERT_TRUE(WaitFor([] { return MenuWindows().empty(); }));
    }

    Profile ProfileInFile(int n) {
        Profile profile{};
        LoadProfileFrom(IniDocument::Parse(option.FileText(ProfileFilePath("", n))), profile, NoTexts());
        return profile;
    }

    OptionProgram option;
    HWND main = nullptr;
    HWND page = nullptr;
};

TEST_F(ButtonPageProgramTest, ChoicesOnThePageReachTheMouseTheFileAndTheSharedBlock) {
    option.ClickMain(skin_main::kProfile[kProfile]);

    // 1 ms polling and a lighting mode from its menu.
    ClickPageEntry(page, skin_button_page::kReportRate[kReportRate1ms]);
    const HWND lighting = OpenMenuOf(GetDlgItem(page, skin_button_page::kLightingMode));
    ASSERT_NE(lighting, nullptr);
    ClickAt(MenuItemRect(lighting, LightingMenu(), kFirstLightingCommand + kLightSwitch));
    ASSERT_TRUE(WaitFor([] { return MenuWindows().empty(); }));

    // Button 5: Ctrl+C through the shortcut dialog.
    ChooseFunction(kEntry, 1060);
    const HWND shortcut = OptionProgram::WaitForDialogOf(main);
    ASSERT_NE(shortcut, nullptr);
    SendKeyTap('C');
    char key[32] = {};
    ASSERT_TRUE(WaitFor([&] {
        // Another process's edit text is not its window title: asked for.
        SendMessageA(GetDlgItem(shortcut, kShortcutKeyFieldId), WM_GETTEXT, sizeof key, reinterpret_cast<LPARAM>(key));
        return std::string(key) == "C";
    })) << key;
    ClickButton(GetDlgItem(shortcut, skin_key::kCtrl));
    OptionProgram::ClickEntry(shortcut, skin_key::kIniFile, skin_key::kOk);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(shortcut); }));

    // The third DPI level's thumb dragged to 4000 DPI.
    const HWND level = GetDlgItem(page, kDpiLevelFirstId + kDpiLevel);
    const HWND track = GetDlgItem(level, kDpiSliderId);
    const HWND thumb = GetWindow(track, GW_CHILD);
    ASSERT_TRUE(level && track && thumb);
    RECT trackRect{}, thumbRect{};
    GetClientRect(track, &trackRect);
    GetWindowRect(thumb, &thumbRect);
    const int thumbWidth = thumbRect.right - thumbRect.left;
    const SliderRange range{kDpiSliderMinimum, kDpiSliderMaximum, kDpiSliderSnaps};
    // Aimed at the middle of the thumb positions that mean 4000 DPI: a
    // pixel's rounding either way still gives it.
    std::vector<int> lefts;
    for (int left = 0; left + thumbWidth <= trackRect.right; ++left)
        if (WholeSliderValue(range, SliderThumbRaw(range, left, 0, trackRect.right, thumbWidth)) == kDpiValue)
            lefts.push_back(left);
    ASSERT_FALSE(lefts.empty());
    const int targetLeft = lefts[lefts.size() / 2];
    const int snappedLeft = SliderSnappedLeft(range, kDpiValue, 0, trackRect.right, thumbWidth);
    POINT trackOrigin{0, 0};
    ClientToScreen(track, &trackOrigin);
    const POINT grab{thumbRect.left + thumbWidth / 2, (thumbRect.top + thumbRect.bottom) / 2};
    Drag(grab, {trackOrigin.x + targetLeft + thumbWidth / 2, grab.y});
    RECT now{};
    ASSERT_TRUE(WaitFor([&] {
        GetWindowRect(thumb, &now);
        return now.left == trackOrigin.x + snappedLeft;
    })) << now.left - trackOrigin.x << " instead of " << snappedLeft;

    const size_t exchangesBefore = option.Folder().MouseExchanges().size();
    option.ClickMain(skin_main::kApply);
    ASSERT_TRUE(WaitFor([&] { return option.Folder().MouseExchanges().size() > exchangesBefore; }, 20s));
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(main, skin_main::kApply)) != FALSE; }, 20s));

    // The mouse, in its own words.
    const std::string state = option.Folder().MouseCtl("state");
    EXPECT_NE(state.find("report interval 1 ms"), std::string::npos) << state;
    // The mouse keeps what Monitor applies in the profile it runs.
    int running = 0;
    ASSERT_EQ(sscanf(state.c_str(), "current profile %d", &running), 1) << state;
    const size_t profile = state.find("profile " + std::to_string(running) + ":");
    ASSERT_NE(profile, std::string::npos) << state;
    const std::string mine = state.substr(profile, state.find("\nprofile ", profile) - profile);
    EXPECT_NE(mine.find("button 5 -> key combination Ctrl+C"), std::string::npos) << mine;
    EXPECT_NE(mine.find("DPI 800/1600/4000/"), std::string::npos) << mine;
    EXPECT_NE(mine.find("lighting mode 4"), std::string::npos) << mine;

    // The shared block Monitor holds and the profile file agree with it.
    SharedBlock block{};
    ASSERT_TRUE(ReadSharedBlock(block));
    const Profile file = ProfileInFile(kProfile);
    const Profile* const agreeing[] = {&block.Profiles[kProfile], &file};
    for (const Profile* p : agreeing) {
        const ButtonFunction& b = p->MacroKeyInfo[kEntry];
        EXPECT_EQ(b.Code, 5);
        EXPECT_EQ(b.ItemCount, 1);
        EXPECT_EQ(b.Payload[0], 0x06);  // usage of C
        EXPECT_EQ(b.Payload[1], 1 << ShortcutChoice::kCtrl);
        EXPECT_EQ(p->CpiLevel_X[kDpiLevel], kDpiValue);
        EXPECT_EQ(p->PollingRate, kReportRate1ms);
        EXPECT_EQ(p->LightSwitch, kLightSwitch);
    }
}

TEST_F(ButtonPageProgramTest, MovingTheOnlyPrimaryClickAwayIsRefusedWithTheWarning) {
    const Profile before = ProfileInFile(0);
    ChooseFunction(0, 1005);  // right click for button 1, the only primary click
    const HWND warning = OptionProgram::WaitForDialogOf(main);
    ASSERT_NE(warning, nullptr);
    RECT size{};
    GetClientRect(warning, &size);
    EXPECT_EQ(size.right, 400);  // the warning's skin
    Screenshot(warning, "button_page_warning_a");
    OptionProgram::ClickEntry(warning, skin_warn::kIniFile, skin_warn::kOk);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(warning); }));

    // Applied, nothing has changed.
    const FILETIME written = WriteTime(ProfileFilePath(option.Path(), 0));
    option.ClickMain(skin_main::kApply);
    ASSERT_TRUE(WaitFor([&] {
        const FILETIME now = WriteTime(ProfileFilePath(option.Path(), 0));
        return CompareFileTime(&written, &now) != 0;
    }));
    const Profile after = ProfileInFile(0);
    for (int e = 0; e < kButtonEntryCount; ++e) EXPECT_EQ(after.MacroKeyInfo[e].Code, before.MacroKeyInfo[e].Code) << e;
    SharedBlock block{};
    ASSERT_TRUE(ReadSharedBlock(block));
    EXPECT_EQ(block.Profiles[0].MacroKeyInfo[0].Code, 1);
}

TEST_F(ButtonPageProgramTest, ScreenshotsOfBothBanksAndOfAMenuWithItsSubmenu) {
    Screenshot(main, "button_page_bank1");
    ClickPageEntry(page, skin_button_page::kSecondBank);
    // The last buttons the bank switch shows and hides: the switch is done.
    ASSERT_TRUE(WaitFor([&] {
        return IsWindowVisible(GetDlgItem(page, skin_button_page::kFunction[31])) &&
               !IsWindowVisible(GetDlgItem(page, skin_button_page::kFunction[15]));
    }));
    Screenshot(main, "button_page_bank2");

    constexpr int kEntryOfSecondBank = 20;
    const HWND menu = OpenMenuOf(GetDlgItem(page, skin_button_page::kFunction[kEntryOfSecondBank]));
    ASSERT_NE(menu, nullptr);
    MoveTo(MenuItemRect(menu, FunctionMenuOf(kEntryOfSecondBank), 0, str::kMenuInternet));
    ASSERT_NE(WaitForMenus(2), nullptr);
    Screenshot(main, "button_page_menu");
    SendKeyTap(VK_ESCAPE);
    SendKeyTap(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([] { return MenuWindows().empty(); }));
}

}  // namespace
