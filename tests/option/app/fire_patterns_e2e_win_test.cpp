// A gun, an advanced pattern and a repeated click given to three buttons
// through the real dialogs (driven by real input) and the button page's
// rules, applied through Monitor, and read back from the virtual mouse.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "../../shell/skin_set_folder_win.h"
#include "../dialog_driver/dialog_driver_win.h"
#include "lan/language_win.h"
#include "lan/string_ids.h"
#include "option/button_page/button_assignment.h"
#include "option/fire_button/fire_button_dialog_win.h"
#include "option/pattern_library/pattern_dialogs_win.h"
#include "profile/message_params.h"
#include "skins/skin_entries.h"
#include "tests/e2e/e2e_harness_win.h"

using namespace e2e;

namespace {

namespace skin = skin_qiangxieku;

constexpr int kGunEntry = 20;       // "button 5, bank 2"
constexpr int kAdvancedEntry = 21;  // "button 6, bank 2"
constexpr int kClickEntry = 4;      // "button 5"
constexpr uint32_t kM4Colour = 0x00336699;      // shown as #996633
constexpr uint32_t kTripleColour = 0x0000FF00;  // shown as #00FF00

void AddFolder(GunStore& store, const std::string& name, std::initializer_list<Gun> entries) {
    GunFolder& folder = store.Folders.emplace_back();
    folder.Name = name;
    for (const Gun& entry : entries) folder.Entries.push_back(std::make_unique<Gun>(entry));
}

Gun Coloured(Gun gun, uint32_t colour, int steps) {
    gun.Color = colour;
    gun.StepCount = steps;
    for (int i = 0; i < steps; ++i) gun.Steps[i] = {i, 3, 30, {}};
    return gun;
}

POINT RowCentre(HWND list, int row) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &at);
    return at;
}

HWND Shown(const std::string& title) {
    HWND w = FindWindowA(nullptr, title.c_str());
    return w && IsWindowVisible(w) && IsWindowEnabled(w) ? w : nullptr;
}

void Click(std::vector<POINT> points) {
    std::vector<INPUT> input;
    for (POINT at : points) AddClickAt(input, at);
    Send(input);
}

int Rows(HWND dialog) { return static_cast<int>(SendMessageA(GetDlgItem(dialog, skin::kGunList), LB_GETCOUNT, 0, 0)); }

// Steps that open the first folder of a pattern dialog unless its seed
// already did (a double click would close it again), select row `row`,
// optionally type `repeat` into the repeat field, and press OK.
std::vector<ScriptStep> PickRow(const std::string& title, int row, std::vector<WORD> repeat = {}) {
    return {
        {[title] { return Shown(title); },
         [](HWND w) {
             const POINT folder = RowCentre(GetDlgItem(w, skin::kGunList), 0);
             if (Rows(w) <= 2) Click({folder, folder});
         }},
        {[title]() -> HWND {
             const HWND w = Shown(title);
             return w && Rows(w) > 2 ? w : nullptr;
         },
         [row, repeat](HWND w) {
             std::vector<INPUT> input;
             AddClickAt(input, RowCentre(GetDlgItem(w, skin::kGunList), row));
             if (!repeat.empty()) {
                 AddClickOn(input, GetDlgItem(w, skin::kRepeatCount));
                 AddKeys(input, Typing({VK_END, VK_BACK, VK_BACK, VK_BACK}));
                 for (WORD key : repeat) AddKeys(input, Typing({key}));
             }
             AddClickOn(input, GetDlgItem(w, skin::kOk));
             Send(input);
         }},
    };
}

// The dialogs as the button page runs them: the real ones, each driven by
// a script. The advanced pattern picker belongs to another page; here the
// advanced pattern dialog runs in its place and the pattern it edited is
// chosen as the picker would hand it back.
class ScriptedDialogs : public ButtonDialogs {
public:
    ScriptedDialogs(HWND owner, const PageContext& context) : owner_(owner), context_(context) {}
    bool Offers(ButtonDialog) const override { return true; }
    std::optional<ShortcutChoice> RunShortcut(const ShortcutChoice&) override { return std::nullopt; }
    std::optional<MacroChoice> PickMacro(const LibrarySeed&) override { return std::nullopt; }

    std::optional<RepeatedClickValues> EditRepeatedClick(const RepeatedClickValues& seed) override {
        const std::string title = "FireClick Dialog";
        // The key field has the focus and captures Q; the count field is
        // clicked out of the capture before it is typed in.
        Script script({
            {[title] { return Shown(title); },
             [](HWND w) {
                 std::vector<INPUT> input = Typing({'Q'});
                 AddClickOn(input, GetDlgItem(w, skin_fire_button::kCountField));
                 Send(input);
             }},
            {[title]() -> HWND {
                 HWND w = Shown(title);
                 return w && GetFocus() == GetDlgItem(w, skin_fire_button::kCountField) ? w : nullptr;
             },
             [](HWND w) {
                 std::vector<INPUT> input = Typing({VK_END, VK_BACK, '9'});
                 AddClickOn(input, GetDlgItem(w, skin_fire_button::kOk));
                 Send(input);
             }},
        });
        return RunFireButtonDialog(owner_, context_, seed);
    }

    std::optional<PatternChoice> PickGun(const LibrarySeed& seed) override {
        Script script(PickRow(context_.texts.Text(str::kGunLibraryTitle), 2));  // Rifles, P90, M4
        return RunGunLibrary(owner_, context_, seed);
    }

    std::optional<PatternChoice> PickAdvancedPattern(const LibrarySeed&) override {
        Script script(PickRow(context_.texts.Text(str::kAdvancedPatterns), 2, {'7'}));  // Bursts, Double, Triple; repeat 7
        if (!RunAdvancedPatternDialog(owner_, context_)) return std::nullopt;
        GunStore& store = context_.libraries.AdvancedLibrary();
        return PatternChoice{0, 0, 1, store.Folders[0].Name, *FindEntry(store, 0, 1)};
    }

private:
    HWND owner_;
    const PageContext& context_;
};

std::string Colour(uint32_t bgr) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    return text;
}

// The slot that `button` plays in the mouse's state, or -1.
int SlotOf(const std::string& state, const std::string& button) {
    std::smatch m;
    const std::regex line(button + R"( -> gun in slot (\d+))");
    return std::regex_search(state, m, line) ? std::stoi(m[1]) : -1;
}

bool Has(const std::string& state, const std::string& text) { return state.find(text) != std::string::npos; }

}  // namespace

TEST(FirePatternsEndToEnd, GunAdvancedPatternAndRepeatedClickReachTheMouseWithTheirSlotsAndColours) {
    ProgramFolder folder;
    InProcessFileLock lock;
    LibraryStores stores(folder.Path(), lock);
    AddFolder(stores.GunLibrary(), "Rifles", {NewGun("P90"), Coloured(NewGun("M4"), kM4Colour, 4)});
    AddFolder(stores.AdvancedLibrary(), "Bursts",
              {NewAdvanceGun("Double"), Coloured(NewAdvanceGun("Triple"), kTripleColour, 3)});
    ASSERT_TRUE(stores.SaveGuns());
    ASSERT_TRUE(stores.SaveAdvancedGuns());

    folder.MouseCtl("plug");
    ASSERT_TRUE(folder.StartMonitor());
    ASSERT_TRUE(WaitFor([&] {
        const auto exchanges = folder.MouseExchanges();
        return std::any_of(exchanges.begin(), exchanges.end(),
                           [](const std::string& e) { return e.rfind("SET 01 88 02", 0) == 0; });
    }, 20s));
    folder.StartProgram("Option.exe");  // the stand-in hears that the apply finished
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("option", "start"); }));

    SharedBlock block;
    ASSERT_TRUE(ReadSharedBlock(block));
    LanguageLibrary texts(folder.Path());
    const OptionFolders folders{folder.Path(), SkinSetFolder()};
    const PageContext context{block, texts, folders, stores};
    DialogOwner owner;
    ScriptedDialogs dialogs(owner.window, context);
    ASSERT_EQ(AssignFunction(block, kGunEntry, 1064, dialogs), AssignOutcome::Assigned);
    ASSERT_EQ(AssignFunction(block, kAdvancedEntry, 1068, dialogs), AssignOutcome::Assigned);
    ASSERT_EQ(AssignFunction(block, kClickEntry, 1054, dialogs), AssignOutcome::Assigned);

    ASSERT_TRUE(WriteSharedBlock(block));
    PostMessageA(folder.MonitorWindow(), msg::kApplySettings, 0, 0);
    const std::string finished = "Option " + std::to_string(msg::kApplyFinished) + " 0 0";
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("option", finished); }, 20s));

    const std::string state = folder.MouseCtl("state");
    const int gunSlot = SlotOf(state, "button 5, bank 2");
    const int advancedSlot = SlotOf(state, "button 6, bank 2");
    ASSERT_GT(gunSlot, 0) << state;
    ASSERT_GT(advancedSlot, 0) << state;
    EXPECT_TRUE(Has(state, "slot " + std::to_string(gunSlot) + ": gun")) << state;
    EXPECT_TRUE(Has(state, "slot " + std::to_string(advancedSlot) + ": advanced gun, 3 steps, repeat 7")) << state;
    EXPECT_TRUE(Has(state, "slot " + std::to_string(gunSlot) + " " + Colour(kM4Colour))) << state;
    EXPECT_TRUE(Has(state, "slot " + std::to_string(advancedSlot) + " " + Colour(kTripleColour))) << state;
    // The repeated click: Q (usage 14), the seeded interval, the typed count 9.
    EXPECT_TRUE(std::regex_search(state, std::regex(R"(button 5 -> device function 0A 14 [0-9A-F]{2} 09\s)"))) << state;

    // The repeat typed in the advanced dialog was committed to its file.
    GunStore saved;
    LoadGunStore(saved, AdvanceGunLibraryPath(folder.Path()), lock);
    EXPECT_EQ(FindEntry(saved, 0, 1)->RepeatCount, 7);
    ASSERT_TRUE(folder.StopMonitor());
}
