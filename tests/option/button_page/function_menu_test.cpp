#include <gtest/gtest.h>

#include <set>

#include "lan/string_ids.h"
#include "option/button_page/function_commands.h"
#include "option/button_page/function_menu.h"
#include "tests/option/button_page/fake_button_dialogs.h"

namespace {

std::vector<int> Commands(const std::vector<MenuItem>& menu) {
    std::vector<int> ids;
    for (const MenuItem& item : menu) ids.push_back(item.command ? item.command : -item.text);
    return ids;
}

const MenuItem& Find(const std::vector<MenuItem>& menu, int command) {
    for (const MenuItem& item : menu)
        if (item.command == command) return item;
    throw std::out_of_range("no such item");
}

}  // namespace

TEST(FunctionCommands, EveryCommandAndEveryCodeOnce) {
    std::set<int> commands;
    std::set<ButtonCode> codes;
    for (const FunctionCommand& c : FunctionCommands()) {
        EXPECT_TRUE(commands.insert(c.command).second) << c.command;
        EXPECT_TRUE(codes.insert(c.code).second) << c.command;
    }
    EXPECT_EQ(commands.size(), 67u);
    EXPECT_EQ(CommandOfCode(ButtonCode::RunProgram), nullptr);  // shown, never offered
}

TEST(FunctionMenu, FirstBankMenuInOrder) {
    const FakeButtonDialogs dialogs;
    const std::vector<MenuItem> menu = FunctionMenu(3, dialogs);
    EXPECT_EQ(Commands(menu), (std::vector<int>{1003, 1005, 1004, 1008, 1009, 1052, 1053, 1051, 1050, 1054, 1060, 1058,
                                                1049, -1055, -1107, -1006, -1015, -1026, -1040}));
    // Commands that only name a caption have no item.
    EXPECT_EQ(Commands(menu[16].submenu), (std::vector<int>{1020, 1022, 1024, 1025, 1056, 1057}));
}

TEST(FunctionMenu, SecondBankAddsThePatternItemsButEntry19HasNoAdvancedPattern) {
    const FakeButtonDialogs dialogs;
    const std::vector<int> entry20 = Commands(FunctionMenu(20, dialogs));
    EXPECT_EQ(std::vector<int>(entry20.begin() + 12, entry20.begin() + 17),
              (std::vector<int>{1068, 1064, 1065, 1067, 1049}));
    const std::vector<int> entry19 = Commands(FunctionMenu(19, dialogs));
    EXPECT_EQ(std::vector<int>(entry19.begin() + 12, entry19.begin() + 16), (std::vector<int>{1064, 1065, 1067, 1049}));
    EXPECT_EQ(Commands(FunctionMenu(16, dialogs)).size(), entry20.size());
    EXPECT_EQ(Commands(FunctionMenu(15, dialogs)).size(), entry20.size() - 4);
}

TEST(FunctionMenu, ItemTextsAndDialogsThatAreNotThere) {
    FakeButtonDialogs dialogs;
    dialogs.offered = {ButtonDialog::GunLibrary};
    const std::vector<MenuItem> menu = FunctionMenu(20, dialogs);
    EXPECT_EQ(Find(menu, 1068).text, str::kFnAdvancedPattern);
    EXPECT_EQ(Find(menu, 1064).text, str::kFnGunLibrary);
    EXPECT_EQ(Find(menu, 1049).text, str::kFnMacro);
    EXPECT_EQ(Find(menu[19].submenu, 1078).text, 1078);
    EXPECT_FALSE(Find(menu, 1049).enabled);
    EXPECT_FALSE(Find(menu, 1054).enabled);
    EXPECT_FALSE(Find(menu, 1068).enabled);
    EXPECT_TRUE(Find(menu, 1064).enabled);
    EXPECT_TRUE(Find(menu, 1060).enabled);  // the shortcut dialog is the page's own
}

TEST(SettingMenus, LightingAndBreathing) {
    const std::vector<MenuItem> lighting = LightingMenu();
    ASSERT_EQ(lighting.size(), 6u);
    const int texts[] = {1144, 1146, 1145, 1126, 1124, 1125};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(lighting[i], (MenuItem{3001 + i, texts[i], true, {}}));
        EXPECT_EQ(LightingText(i), texts[i]);
    }
    EXPECT_EQ(Commands(BreathingMenu()), (std::vector<int>{4001, 4002, 4003}));
    EXPECT_EQ(BreathingText(1), 1090);
    EXPECT_EQ(LightingText(6), 0);
    EXPECT_EQ(BreathingText(0), 0);
}

TEST(MenuReopenGuard, QuietFor200MsAfterAMenuClosed) {
    MenuReopenGuard guard;
    EXPECT_TRUE(guard.MayOpen(50));  // no menu has closed yet, even just after boot
    guard.Closed(1000);
    EXPECT_FALSE(guard.MayOpen(1000));
    EXPECT_FALSE(guard.MayOpen(1200));
    EXPECT_TRUE(guard.MayOpen(1201));
    guard.Closed(0xFFFFFFF0u);  // the tick counter wraps after 49.7 days
    EXPECT_FALSE(guard.MayOpen(100));
    EXPECT_TRUE(guard.MayOpen(0xFFFFFFF0u + 201));
}

TEST(MenuOriginBelow, JustInsideTheButtonsBottomLeftCorner) {
    EXPECT_EQ(MenuOriginBelow(SkinRect{300, 200, 508, 221}), (MenuOrigin{301, 220}));
}
