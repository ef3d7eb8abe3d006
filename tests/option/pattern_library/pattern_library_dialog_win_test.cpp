// The gun library and advanced pattern dialogs under real input: menus
// chosen with the mouse, fields typed in, confirmations answered, and what
// reached the library files read back.
#include <gtest/gtest.h>

#include "../../shell/skin_set_folder_win.h"
#include "../dialog_driver/dialog_driver_win.h"
#include "keys/spin_edit_model.h"
#include "lan/language_win.h"
#include "option/pattern_library/pattern_dialogs_win.h"
#include "option/pattern_library/pattern_library_dialog_win.h"
#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"
#include "shell/gallery/gallery_screenshot_win.h"
#include "skins/skin_entries.h"
#include "temp_folder.h"

namespace {

namespace skin = skin_qiangxieku;

std::string FullFolder(const char* path) {
    char full[MAX_PATH] = {};
    GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return full;
}

void AddFolder(GunStore& store, const std::string& name, std::initializer_list<const char*> entries) {
    GunFolder& folder = store.Folders.emplace_back();
    folder.Name = name;
    for (const char* entry : entries) folder.Entries.push_back(std::make_unique<Gun>(NewGun(entry)));
}

// Rifles: M4 (five steps), AKM (locked, four steps), SKS; Pistols: P1.
// Bursts: Double, Triple, Spray; Mine: Custom.
struct Place {
    Place() {
        std::filesystem::create_directories(dir.Folder() + "config");
        AddFolder(stores.GunLibrary(), "Rifles", {"M4", "AKM", "SKS"});
        AddFolder(stores.GunLibrary(), "Pistols", {"P1"});
        ::Gun& m4 = Entry(0, 0);
        m4.StepCount = 5;
        for (int i = 0; i < kGunStepCount; ++i) m4.Steps[i] = {i + 1, 10 + i, static_cast<uint16_t>(20 * i + 20), {}};
        m4.Steps[1].Y = -100;  // the widest value a step field holds
        Entry(0, 1).ReadOnly = 1;
        Entry(0, 1).StepCount = 4;
        AddFolder(stores.AdvancedLibrary(), "Bursts", {"Double", "Triple", "Spray"});
        AddFolder(stores.AdvancedLibrary(), "Mine", {"Custom"});
        stores.SaveGuns();
        stores.SaveAdvancedGuns();
    }
    ::Gun& Entry(int folder, int entry) { return *FindEntry(stores.GunLibrary(), folder, entry); }
    GunStore SavedGuns() {
        GunStore saved;
        LoadGunStore(saved, GunLibraryPath(dir.Folder()), lock);
        return saved;
    }

    TempFolder dir;
    InProcessFileLock lock;
    LibraryStores stores{dir.Folder(), lock};
    LanguageLibrary texts{FullFolder(LAN_DIR)};
    OptionFolders folders{dir.Folder(), SkinSetFolder()};
    SharedBlock edited{};
    PageContext context{edited, texts, folders, stores};
};

POINT RowCentre(HWND list, int row) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &at);
    return at;
}

// A click on the right part of a spin field: its increase arrow.
POINT IncreaseArrow(HWND spin) {
    RECT r{};
    GetWindowRect(spin, &r);
    return {r.right - 5, (r.top + r.bottom) / 2};
}

HWND EditOf(HWND spin) { return GetDlgItem(spin, kSpinEditEditId); }

// Whether an edit shows all of its text.
bool ShowsWholeText(HWND edit) {
    RECT room{};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const std::string text = TextOf(edit);
    const HDC dc = GetDC(edit);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return size.cx <= room.right - room.left;
}

// The skinned dialog of this thread titled `title`, shown.
HWND DialogTitled(const std::string& title) {
    HWND w = FindWindowA(nullptr, title.c_str());
    return w && IsWindowVisible(w) ? w : nullptr;
}

class PatternDialogTest : public testing::Test {
protected:
    void Open(PatternLibrary library, const PatternSeed& seed) {
        GunStore& store = library == PatternLibrary::Gun ? place.stores.GunLibrary() : place.stores.AdvancedLibrary();
        dialog = std::make_unique<PatternLibraryDialog>(
            PatternDialogPlace{place.folders.skins, place.folders.program, place.texts, place.stores}, store, library,
            seed, [this, library] {
                if (library == PatternLibrary::Gun) place.stores.SaveGuns();
            });
        ASSERT_NE(dialog->Create(owner.window), nullptr);
        list = GetDlgItem(dialog->Handle(), skin::kGunList);
        SetForegroundWindow(dialog->Handle());
        ASSERT_TRUE(PumpPosted());
    }
    HWND Item(int id) const { return GetDlgItem(dialog->Handle(), id); }
    bool RowShown(int row) const { return IsWindowVisible(Item(skin::kStepX[row])) != FALSE; }
    int VisibleRows() const {
        int shown = 0;
        for (int row = 0; row < kGunStepCount; ++row) shown += RowShown(row) ? 1 : 0;
        return shown;
    }
    // Clicks (left, or right for the context menu) and picks item `index`
    // of the menu that opens.
    bool ChooseFromMenu(POINT at, bool right, int index) {
        Script script({{OpenMenu, [index](HWND menu) { ClickMenuItem(menu, index); }}});
        std::vector<INPUT> input;
        if (right)
            AddClickAt(input, at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        else
            AddClickAt(input, at);
        Send(input);
        return PumpWhile([&] { return script.Done() && !OpenMenu(); }) && SendAndPump(dialog->Handle(), {});
    }
    bool Type(HWND field, std::vector<INPUT> keys) {
        std::vector<INPUT> click;
        AddClickOn(click, field);
        AddKeys(click, Typing({VK_END, VK_BACK, VK_BACK, VK_BACK}));
        AddKeys(click, keys);
        return SendAndPump(dialog->Handle(), click);
    }
    void Screenshot(const char* file) {
        RedrawWindow(dialog->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ASSERT_TRUE(PumpPosted());
        RECT at{};
        GetWindowRect(dialog->Handle(), &at);
        EXPECT_TRUE(SaveScreenRect(at, (std::string(SCREENSHOT_DIR) + file).c_str()));
    }

    DialogOwner owner;
    Place place;
    std::unique_ptr<PatternLibraryDialog> dialog;
    HWND list = nullptr;
};

}  // namespace

TEST_F(PatternDialogTest, StepCountMenuHidesRowsKeepsTheirStepsAndEveryEditReachesGunDat) {
    Open(PatternLibrary::Gun, {0, 0, 0});
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 5);  // Rifles open, Pistols closed
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(VisibleRows(), 5);
    EXPECT_EQ(TextOf(EditOf(Item(skin::kStepY[1]))), "-100");
    EXPECT_TRUE(ShowsWholeText(EditOf(Item(skin::kStepY[1]))));
    EXPECT_EQ(TextOf(EditOf(Item(skin::kStepDelay[4]))), "100");
    EXPECT_TRUE(ShowsWholeText(EditOf(Item(skin::kStepDelay[4]))));
    Screenshot("gun_library_dialog.bmp");

    ASSERT_TRUE(ChooseFromMenu(CentreOf(Item(skin::kStepCount)), false, 2));
    EXPECT_EQ(TextOf(Item(skin::kStepCount)), "3");
    EXPECT_TRUE(RowShown(2));
    EXPECT_FALSE(RowShown(3));
    GunStore saved = place.SavedGuns();
    EXPECT_EQ(FindEntry(saved, 0, 0)->StepCount, 3);
    EXPECT_EQ(FindEntry(saved, 0, 0)->Steps[4].X, 5);  // hidden, kept

    std::vector<INPUT> arrow;
    AddClickAt(arrow, IncreaseArrow(Item(skin::kStepX[0])));
    ASSERT_TRUE(SendAndPump(dialog->Handle(), arrow));
    ASSERT_TRUE(PumpPosted());
    EXPECT_EQ(FindEntry(place.SavedGuns(), 0, 0)->Steps[0].X, 2);

    ASSERT_TRUE(Type(Item(skin::kModeValue), Typing({'1', '5', '0'})));
    EXPECT_EQ(TextOf(Item(skin::kModeValue)), "100");
    EXPECT_EQ(FindEntry(place.SavedGuns(), 0, 0)->ModeValues[0], 100);
}

TEST_F(PatternDialogTest, LockedGunShowsNoStepsAndKeepsItsValueButTakesItsMode) {
    Open(PatternLibrary::Gun, {0, 0, 1});
    EXPECT_EQ(VisibleRows(), 0);
    ASSERT_TRUE(Type(Item(skin::kModeValue), Typing({'5', '0'})));
    EXPECT_EQ(place.Entry(0, 1).ModeValues[0], 1);
    ASSERT_TRUE(ClickOn(Item(skin::kModeButton[2])));
    EXPECT_EQ(FindEntry(place.SavedGuns(), 0, 1)->ModeIndex, 2);
    EXPECT_EQ(TextOf(Item(skin::kModeValue)), "1");  // the third mode's value

    std::vector<INPUT> click;
    AddClickAt(click, RowCentre(list, 1));  // M4: its five rows come back
    ASSERT_TRUE(SendAndPump(dialog->Handle(), click));
    EXPECT_EQ(VisibleRows(), 5);
}

TEST_F(PatternDialogTest, ContextMenuDeletesAGunAfterConfirmationButNeverTheFirstGun) {
    Open(PatternLibrary::Gun, {0, 0, 2});  // SKS, last of Rifles
    {
        Script confirm({{[this] { return OtherDialog(dialog->Handle()); },
                         [](HWND warn) {
                             std::vector<INPUT> ok;
                             AddClickOn(ok, GetDlgItem(warn, skin_warn::kOk));
                             Send(ok);
                         }}});
        ASSERT_TRUE(ChooseFromMenu(RowCentre(list, 3), true, 3));
        ASSERT_TRUE(PumpWhile([&] { return confirm.Done() && !OtherDialog(dialog->Handle()); }));
        ASSERT_TRUE(PumpPosted());
    }
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);  // AKM, still in Rifles
    EXPECT_EQ(place.SavedGuns().Folders[0].Entries.size(), 2u);

    std::vector<INPUT> click;
    AddClickAt(click, RowCentre(list, 1));  // M4, gun 0 of folder 0
    ASSERT_TRUE(SendAndPump(dialog->Handle(), click));
    ASSERT_TRUE(ChooseFromMenu(RowCentre(list, 1), true, 3));
    EXPECT_EQ(OtherDialog(dialog->Handle()), nullptr);  // not even asked
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
}

TEST_F(PatternDialogTest, AdvancedRepeatFieldIsBoundedAndNothingIsSavedBeforeOk) {
    Open(PatternLibrary::Advanced, {0, 0, 2});
    ASSERT_TRUE(Type(Item(skin::kRepeatCount), Typing({'0'})));
    EXPECT_EQ(TextOf(Item(skin::kRepeatCount)), "1");
    ASSERT_TRUE(Type(Item(skin::kRepeatCount), Typing({'3', '0', '0'})));
    EXPECT_EQ(TextOf(Item(skin::kRepeatCount)), "255");
    EXPECT_EQ(FindEntry(place.stores.AdvancedLibrary(), 0, 2)->RepeatCount, 255);
    GunStore saved;
    LoadGunStore(saved, AdvanceGunLibraryPath(place.dir.Folder()), place.lock);
    EXPECT_EQ(FindEntry(saved, 0, 2)->RepeatCount, 1);
    Screenshot("advanced_pattern_dialog.bmp");
}

TEST(PatternDialogModal, GunLibraryIgnoresEnterAndEscapeAndHandsBackTheChoiceOnOk) {
    DialogOwner owner;
    Place place;
    owner.onDisabled = [&] {
        const HWND shown = DialogTitled(place.texts.Text(340));
        std::vector<INPUT> input;
        AddClickAt(input, CentreOf(GetDlgItem(shown, skin::kGunList)));  // focus in the list
        AddKeys(input, Typing({VK_ESCAPE, VK_RETURN}));
        // Nothing selected yet: open Rifles and take AKM.
        const HWND list = GetDlgItem(shown, skin::kGunList);
        AddClickAt(input, RowCentre(list, 0));
        AddClickAt(input, RowCentre(list, 0));
        Send(input);
        ASSERT_TRUE(PumpWhile([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 5; }));
        input.clear();
        AddClickAt(input, RowCentre(list, 2));
        AddClickOn(input, GetDlgItem(shown, skin::kGunMode[1]));
        AddClickOn(input, GetDlgItem(shown, skin::kOk));
        Send(input);
    };
    const auto choice = RunGunLibrary(owner.window, place.context, {});
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->mode, 1);
    EXPECT_EQ(choice->group, 0);
    EXPECT_EQ(choice->item, 1);
    EXPECT_EQ(choice->groupName, "Rifles");
    ASSERT_TRUE(choice->entry);
    EXPECT_EQ(LibraryEntry<Gun>::Name(*choice->entry), "AKM");
}

namespace {

// Opens Bursts, deletes Spray through the context menu and its
// confirmation, then presses `finish` (OK or Cancel).
std::vector<ScriptStep> DeleteSprayThen(const std::string& title, int finish) {
    const auto shown = [title] { return DialogTitled(title); };
    const auto listOf = [](HWND w) { return GetDlgItem(w, skin::kGunList); };
    const auto rows = [=](int count) {
        return [=]() -> HWND {
            HWND w = DialogTitled(title);
            return w && !OtherDialog(w) && SendMessageA(listOf(w), LB_GETCOUNT, 0, 0) == count ? w : nullptr;
        };
    };
    const auto click = [](std::vector<POINT> points, bool rightLast) {
        std::vector<INPUT> input;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (rightLast && i + 1 == points.size())
                AddClickAt(input, points[i], MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
            else
                AddClickAt(input, points[i]);
        }
        Send(input);
    };
    return {
        {shown, [=](HWND w) { click({RowCentre(listOf(w), 0), RowCentre(listOf(w), 0)}, false); }},
        {rows(5), [=](HWND w) { click({RowCentre(listOf(w), 3), RowCentre(listOf(w), 3)}, true); }},
        {OpenMenu, [](HWND menu) { ClickMenuItem(menu, 3); }},
        {[=] { return OtherDialog(DialogTitled(title)); },
         [=](HWND warn) { click({CentreOf(GetDlgItem(warn, skin_warn::kOk))}, false); }},
        {rows(4), [=](HWND w) { click({CentreOf(GetDlgItem(w, finish))}, false); }},
    };
}

// Button entry 20 of the first profile plays Spray.
void AssignSpray(SharedBlock& edited) {
    ButtonFunction& button = edited.Profiles[0].MacroKeyInfo[20];
    button.Code = 105;
    SetFixedText(button.GroupName, "Bursts");
    SetFixedText(button.ItemName, "Spray");
}

}  // namespace

TEST(PatternDialogModal, AdvancedCancelDropsTheDeleteAndLeavesTheButton) {
    DialogOwner owner;
    Place place;
    AssignSpray(place.edited);
    Script script(DeleteSprayThen(place.texts.Text(310), skin::kCancel));
    EXPECT_FALSE(RunAdvancedPatternDialog(owner.window, place.context));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(place.stores.AdvancedLibrary().Folders[0].Entries.size(), 3u);
    EXPECT_EQ(place.edited.Profiles[0].MacroKeyInfo[20].Code, 105);
}

TEST(PatternDialogModal, AdvancedOkSavesTheDeleteAndRevertsTheButtonThatUsedIt) {
    DialogOwner owner;
    Place place;
    AssignSpray(place.edited);
    Script script(DeleteSprayThen(place.texts.Text(310), skin::kOk));
    EXPECT_TRUE(RunAdvancedPatternDialog(owner.window, place.context));
    EXPECT_TRUE(script.Done());
    GunStore saved;
    LoadGunStore(saved, AdvanceGunLibraryPath(place.dir.Folder()), place.lock);
    EXPECT_EQ(saved.Folders[0].Entries.size(), 2u);
    EXPECT_EQ(place.edited.Profiles[0].MacroKeyInfo[20].Code, kDefaultButtonCodes[20]);
}
