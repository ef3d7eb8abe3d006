// A macro from the keyboard to the mouse: recorded on the advanced page of
// the running Option.exe, picked for a button with the picker dialog and
// assigned by the button page's rules, applied through Monitor, and held
// by the virtual mouse in its slot.
#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <thread>

#include "device/slot_content.h"
#include "macro/macro_store.h"
#include "option/advanced_page/macro_editor_commands.h"
#include "option/button_page/button_assignment.h"
#include "option/button_page/function_commands.h"
#include "option/macro_picker/library_picker_model.h"
#include "option/macro_picker/macro_picker_dialog_win.h"
#include "profile/file_lock.h"
#include "profile/messages.h"
#include "skins/skin_entries.h"
#include "tests/option/app/option_program_win.h"
#include "tests/option/app/page_driver_win.h"

using namespace e2e;
using namespace page_driver;

namespace {

constexpr int kEntry = 4;  // the fifth button

// The button page's dialogs with only the macro picker, which the test
// works with real clicks from a second thread.
class PickerOnly final : public ButtonDialogs {
public:
    explicit PickerOnly(const PageContext& context) : context_(context) {}
    bool Offers(ButtonDialog dialog) const override { return dialog == ButtonDialog::Macro; }
    std::optional<ShortcutChoice> RunShortcut(const ShortcutChoice&) override { return std::nullopt; }
    std::optional<MacroChoice> PickMacro(const LibrarySeed& seed) override {
        return RunMacroPicker(nullptr, context_, seed);
    }
    std::optional<RepeatedClickValues> EditRepeatedClick(const RepeatedClickValues&) override { return std::nullopt; }
    std::optional<PatternChoice> PickGun(const LibrarySeed&) override { return std::nullopt; }
    std::optional<PatternChoice> PickAdvancedPattern(const LibrarySeed&) override { return std::nullopt; }

private:
    const PageContext& context_;
};

HWND FindPicker(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM param) -> BOOL {
            if (!IsWindowVisible(window) || !GetDlgItem(window, kPickerTreeListId)) return TRUE;
            *reinterpret_cast<HWND*>(param) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Bytes [from, from + count) as the virtual mouse's log shows them.
std::string Hex(const DataBlock& data, std::size_t from, std::size_t count) {
    std::string text;
    char byte[4];
    for (uint8_t b : std::span(data).subspan(from, count)) {
        std::snprintf(byte, sizeof byte, "%s%02X", text.empty() ? "" : " ", b);
        text += byte;
    }
    return text;
}

TEST(MacroEndToEnd, RecordedMacroAssignedWithThePickerReachesTheMouseSlot) {
    OptionProgram option;
    InProcessFileLock lock;
    MacroStore store;
    MacroFolder& folder = store.Folders.emplace_back();
    folder.Name = "Games";
    folder.Entries.push_back(std::make_unique<Macro>());
    LibraryEntry<Macro>::SetName(*folder.Entries[0], "Reload");
    folder.Count = 1;
    ASSERT_TRUE(SaveMacroStore(store, MacroStorePath(option.Path()), lock));

    option.Folder().MouseCtl("plug");
    ASSERT_TRUE(option.Folder().StartMonitor());
    ASSERT_TRUE(WaitFor([&] {
        for (const std::string& exchange : option.Folder().MouseExchanges())
            if (exchange.rfind("SET 01 88 02", 0) == 0) return true;
        return false;
    }, 20s));

    // Recording on the page, with measured pauses.
    const HWND main = option.StartAndWait();
    ASSERT_NE(main, nullptr);
    option.ClickMain(skin_main::kAdvancedPage);
    HWND page = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (page = VisiblePageWith(main, kEventListId)) != nullptr; }));
    const HWND tree = GetDlgItem(page, kMacroTreeListId);
    const HWND events = GetDlgItem(page, kEventListId);
    DoubleClickRow(tree, 0);
    ASSERT_TRUE(WaitFor([&] { return Rows(tree).size() == 2; }));
    ClickRow(tree, 1);
    ASSERT_TRUE(WaitFor([&] { return SelectedRow(tree) == 1; }));
    OptionProgram::ClickEntry(page, skin_advance_setting::kIniFile, skin_advance_setting::kRecordDelays);
    OptionProgram::ClickEntry(page, skin_advance_setting::kIniFile, skin_advance_setting::kRecord);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(tree); }));
    std::size_t sent = 0;
    for (WORD key : {'Q', 'W'})
        for (bool release : {false, true}) {
            SendKey(key, release);
            ASSERT_TRUE(WaitFor([&] { return Rows(events).size() > sent; }));
            sent = Rows(events).size();
        }
    OptionProgram::ClickEntry(page, skin_advance_setting::kIniFile, skin_advance_setting::kStop);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(tree); }));
    option.ClickMain(skin_main::kCancel);
    ASSERT_TRUE(WaitFor([] { return OptionProgram::MainWindow() == nullptr; }));

    // The button page's assignment with the picker, on Monitor's block.
    SharedBlock block;
    ASSERT_TRUE(ReadSharedBlock(block));
    LibraryStores libraries(option.Path(), lock);
    libraries.Load();
    const Macro* recorded = MacroAt(libraries.MacroLibrary(), 0, 0);
    ASSERT_TRUE(recorded);
    ASSERT_EQ(recorded->EventCount, 4);
    const NoTexts texts;
    const OptionFolders folders{option.Path(), option.Path() + "skins\\"};
    const PageContext context{block, texts, folders, libraries};
    PickerOnly dialogs(context);
    const DWORD thread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND picker = nullptr;
        WaitFor([&] { return (picker = FindPicker(thread)) != nullptr; });
        const HWND list = GetDlgItem(picker, kPickerTreeListId);
        DoubleClickRow(list, 0);
        WaitFor([&] { return Rows(list).size() == 2; });
        ClickRow(list, 1);
        WaitFor([&] { return SelectedRow(list) == 1; });
        OptionProgram::ClickEntry(picker, skin_select_macro::kIniFile, skin_select_macro::kRunMode[1]);
        OptionProgram::ClickEntry(picker, skin_select_macro::kIniFile, skin_select_macro::kOk);
    });
    const AssignOutcome outcome = AssignFunction(block, kEntry, kMacroCommand, dialogs);
    driver.join();
    ASSERT_EQ(outcome, AssignOutcome::Assigned);
    const ButtonFunction& button = block.Profiles[block.CurrentProfile].MacroKeyInfo[kEntry];
    EXPECT_EQ(button.RunMode, 1);
    ASSERT_TRUE(WriteSharedBlock(block));

    PostMessageA(option.Folder().MonitorWindow(), msg::kApplySettings, 0, 0);
    // The button refers to a slot, and the slot holds the macro as Monitor
    // encodes it.
    constexpr char kButtonLine[] = "button 5 -> macro in slot ";
    std::string state;
    int slot = -1;
    ASSERT_TRUE(WaitFor([&] {
        state = option.Folder().MouseCtl("state");
        const auto at = state.find(kButtonLine);
        if (at != std::string::npos) slot = std::atoi(state.c_str() + at + std::strlen(kButtonLine));
        return slot >= 0 && state.find("slot " + std::to_string(slot) + ": macro, ") != std::string::npos;
    }, 20s)) << state;
    EXPECT_NE(state.find(kButtonLine + std::to_string(slot) + ", run mode 1"), std::string::npos) << state;
    // Written in two halves, byte for byte.
    const DataBlock expected = EncodeMacroSlot(button);
    const std::string log = option.FileText("VirtualMouse.log");
    const std::string halves[] = {"WRITE " + Hex(expected, 0, 64) + "  slot " + std::to_string(slot) + ", first half",
                                  "WRITE " + Hex(expected, 64, 64) + "  slot " + std::to_string(slot) + " of profile"};
    for (const std::string& half : halves) EXPECT_NE(log.find(half), std::string::npos) << half << "\n" << log;
}

}  // namespace
