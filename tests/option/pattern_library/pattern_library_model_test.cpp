#include <gtest/gtest.h>

#include <deque>

#include "option/pattern_library/pattern_library_menus.h"
#include "option/pattern_library/pattern_library_model.h"
#include "temp_folder.h"

namespace {

class ScriptedHost : public PatternLibraryHost {
public:
    std::optional<std::string> AskName(NameMode mode, int folder) override {
        asked.push_back({mode, folder});
        if (names.empty()) return std::nullopt;
        auto name = names.front();
        names.pop_front();
        return name;
    }
    bool ConfirmDelete(int kind) override {
        confirmations.push_back(kind);
        return confirm;
    }
    void Changed() override { ++changes; }

    std::deque<std::optional<std::string>> names;
    std::vector<std::pair<NameMode, int>> asked;
    std::vector<int> confirmations;
    bool confirm = true;
    int changes = 0;
};

// Folders "F0" (guns a, b, c) and "F1" (gun d), all collapsed.
GunStore TwoFolders() {
    GunStore store;
    const std::vector<std::vector<std::string>> folders = {{"a", "b", "c"}, {"d"}};
    for (std::size_t f = 0; f < folders.size(); ++f) {
        store.Folders.emplace_back();
        store.Folders[f].Name = "F" + std::to_string(f);
        for (const auto& name : folders[f]) store.Folders[f].Entries.push_back(std::make_unique<Gun>(NewGun(name)));
    }
    return store;
}

std::vector<std::string> Texts(const PatternLibraryModel& model) {
    std::vector<std::string> texts;
    for (const TreeRow& row : model.TreeRows()) texts.push_back(row.text);
    return texts;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(PatternLibraryModel, SeedOpensItsFolderAndSelectsItsGunAnUnknownSeedSelectsNothing) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host, {1, 0, 2});
    EXPECT_EQ(Texts(model), (Strings{"F0", "a", "b", "c", "F1"}));
    EXPECT_EQ(model.SelectedRow(), 3);
    EXPECT_EQ(model.Selected(), (LibraryPosition{0, 2}));
    EXPECT_EQ(model.GunMode(), 1);
    EXPECT_EQ(model.TreeRows()[0].data, 0x01000098u);
    EXPECT_EQ(model.TreeRows()[3].data, 0x01030000u);

    GunStore other = TwoFolders();
    PatternLibraryModel unknown(other, PatternLibrary::Gun, host, {0, 5, 0});
    EXPECT_EQ(unknown.SelectedRow(), -1);
    EXPECT_FALSE(unknown.HasEntry());
    EXPECT_EQ(unknown.VisibleStepRows(), 0);
    EXPECT_EQ(unknown.Shown().StepCount, 0);
    EXPECT_EQ(unknown.ShownModeValue(), 1);
}

TEST(PatternLibraryModel, DoubleClickTogglesTheFolderAndKeepsTheRow) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host);
    model.SelectRow(1);  // F1
    model.ToggleSelectedFolder();
    EXPECT_EQ(Texts(model), (Strings{"F0", "F1", "d"}));
    EXPECT_EQ(model.Selected(), (LibraryPosition{1, -1}));
    EXPECT_EQ(model.TreeRows()[1].data, 0x02000098u);
    EXPECT_EQ(host.changes, 0);  // not stored in the file
}

TEST(PatternLibraryModel, DeletingAGunKeepsTheRowWithinItsFolder) {
    GunStore store = TwoFolders();
    store.Folders[1].Expanded = true;
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host, {0, 0, 2});  // c, last of F0
    model.Command(kCmdDeleteEntry);
    EXPECT_EQ(host.confirmations, (std::vector<int>{kConfirmDeleteEntryKind}));
    EXPECT_EQ(Texts(model), (Strings{"F0", "a", "b", "F1", "d"}));
    EXPECT_EQ(model.Selected(), (LibraryPosition{0, 1}));  // b, not F1
    model.Command(kCmdDeleteEntry);  // b
    EXPECT_EQ(model.Selected(), (LibraryPosition{0, 0}));  // gun 0 of folder 0 remains and is protected
    EXPECT_EQ(Texts(model), (Strings{"F0", "a", "F1", "d"}));
    EXPECT_FALSE(model.CanRun(kCmdDeleteEntry));
    model.Command(kCmdDeleteEntry);
    EXPECT_EQ(Texts(model), (Strings{"F0", "a", "F1", "d"}));
    EXPECT_EQ(host.changes, 2);
}

TEST(PatternLibraryModel, DeletingAFolderSelectsTheRowBeforeItAndNeedsConfirmation) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host, {0, 1, -1});  // F1 open
    model.SelectRow(0);
    model.ToggleSelectedFolder();  // F0 open too
    model.SelectRow(4);            // F1
    host.confirm = false;
    model.Command(kCmdDeleteFolder);
    EXPECT_EQ(store.Folders.size(), 2u);
    host.confirm = true;
    model.Command(kCmdDeleteFolder);
    EXPECT_EQ(Texts(model), (Strings{"F0", "a", "b", "c"}));
    EXPECT_EQ(model.Selected(), (LibraryPosition{0, 2}));
    model.Command(kCmdDeleteFolder);  // a gun row: nothing
    EXPECT_EQ(store.Folders.size(), 1u);
    model.SelectRow(0);
    model.Command(kCmdDeleteFolder);  // the gun library's first folder may go
    EXPECT_TRUE(store.Folders.empty());
    EXPECT_EQ(model.SelectedRow(), -1);
}

TEST(PatternLibraryModel, AdvancedLibraryProtectsFolderZeroAndItsFirstTwoPatterns) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Advanced, host, {0, 0, 1});
    EXPECT_FALSE(model.CanRun(kCmdDeleteEntry));
    model.SelectRow(3);  // c
    EXPECT_TRUE(model.CanRun(kCmdDeleteEntry));
    model.SelectRow(0);
    EXPECT_FALSE(model.CanRun(kCmdDeleteFolder));
    model.Command(kCmdDeleteFolder);
    EXPECT_TRUE(host.confirmations.empty());  // not even asked
    model.SelectRow(4);
    EXPECT_TRUE(model.CanRun(kCmdDeleteFolder));
}

TEST(PatternLibraryModel, NewFolderAndGunAskForNamesAndSelectTheirRows) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host);
    model.Command(kCmdNewEntry);  // no folder selected
    EXPECT_TRUE(host.asked.empty());
    host.names = {"Rifles", "M16", std::nullopt};
    model.Command(kCmdNewFolder);
    EXPECT_EQ(Texts(model), (Strings{"F0", "F1", "Rifles"}));
    EXPECT_EQ(model.SelectedRow(), 2);
    model.Command(kCmdNewEntry);
    EXPECT_EQ(Texts(model), (Strings{"F0", "F1", "Rifles", "M16"}));
    EXPECT_EQ(model.Selected(), (LibraryPosition{2, 0}));
    const Gun& gun = model.Shown();
    EXPECT_EQ(gun.StepCount, 1);
    EXPECT_EQ(gun.Color, 0x0000FFu);
    EXPECT_EQ(gun.ModeValues[2], 1);
    EXPECT_EQ(host.asked, (std::vector<std::pair<NameMode, int>>{{NameMode::GunFolder, -1}, {NameMode::Gun, 2}}));
    model.Command(kCmdRename);  // cancelled
    EXPECT_EQ(Texts(model)[3], "M16");
    EXPECT_EQ(host.changes, 2);
}

TEST(PatternLibraryModel, AdvancedPatternsStartWithoutModeValues) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    host.names = {"Burst"};
    PatternLibraryModel model(store, PatternLibrary::Advanced, host, {0, 1, -1});
    model.Command(kCmdNewEntry);
    EXPECT_EQ(host.asked[0].first, NameMode::AdvancedPattern);
    EXPECT_EQ(model.Shown().ModeValues[0], 0);
    EXPECT_EQ(model.Shown().Aux, 0);
    EXPECT_EQ(model.Shown().RepeatCount, 1);
}

TEST(PatternLibraryModel, RenameNamesTheSelectedGunOrFolder) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    host.names = {"AK", "Assault"};
    PatternLibraryModel model(store, PatternLibrary::Gun, host, {0, 0, 1});
    model.Command(kCmdRename);
    model.SelectRow(0);
    model.Command(kCmdRename);
    EXPECT_EQ(Texts(model), (Strings{"Assault", "a", "AK", "c", "F1"}));
    EXPECT_EQ(host.asked[0], (std::pair<NameMode, int>{NameMode::Gun, 0}));
    EXPECT_EQ(host.asked[1], (std::pair<NameMode, int>{NameMode::GunFolder, -1}));
}

TEST(PatternLibraryModel, StepCountThreeHidesRowsFourToEightButKeepsTheirSteps) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host, {0, 0, 0});
    model.SetStepCount(8);
    model.SetStep(StepFieldId(6, StepValue::Y), 250);  // bounded to 100
    model.SetStep(StepFieldId(6, StepValue::Delay), 1200);
    model.SetStep(StepFieldId(0, StepValue::X), -7);
    model.SetStepCount(3);
    EXPECT_EQ(model.VisibleStepRows(), 3);
    const GunStep& hidden = model.Shown().Steps[6];
    EXPECT_EQ(hidden.Y, 100);
    EXPECT_EQ(hidden.Delay, 999);
    EXPECT_EQ(model.Shown().Steps[0].X, -7);
    EXPECT_EQ(host.changes, 5);  // every edit reaches the host
    model.SetStep(StepFieldId(0, StepValue::X), -7);
    EXPECT_EQ(host.changes, 5);  // but a value shown again is no change
}

TEST(PatternLibraryModel, StepFieldsAreNumberedByColumnAndRow) {
    EXPECT_EQ(StepFieldId(0, StepValue::X), 420);
    EXPECT_EQ(StepFieldId(7, StepValue::Y), 417);
    EXPECT_EQ(StepFieldId(3, StepValue::Delay), 403);
    ASSERT_TRUE(StepFieldOf(415));
    EXPECT_EQ(StepFieldOf(415)->row, 5);
    EXPECT_EQ(StepFieldOf(415)->value, StepValue::Y);
    EXPECT_FALSE(StepFieldOf(408));
    EXPECT_FALSE(StepFieldOf(428));
}

TEST(PatternLibraryModel, ValueFieldIsBoundedToHundredAndGunRepeatIsNeverStored) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host, {0, 0, 1});
    model.SetModeIndex(2);
    EXPECT_EQ(model.ModeValueTyped("150"), "100");
    EXPECT_EQ(model.Shown().ModeValues[2], 100);
    EXPECT_EQ(model.ModeValueTyped("42"), std::nullopt);
    EXPECT_EQ(model.ShownModeValue(), 42);
    EXPECT_EQ(model.ModeValueTyped(""), std::nullopt);
    EXPECT_EQ(model.ShownModeValue(), 42);
    EXPECT_EQ(model.RepeatCountTyped("9"), std::nullopt);
    EXPECT_EQ(model.Shown().RepeatCount, 1);
}

TEST(PatternLibraryModel, LockedGunShowsNoStepsKeepsItsValueButTakesColourModeAndStepCount) {
    GunStore store = TwoFolders();
    store.Folders[0].Entries[1]->ReadOnly = 1;
    store.Folders[0].Entries[1]->StepCount = 4;
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host, {0, 0, 1});
    EXPECT_EQ(model.VisibleStepRows(), 0);
    EXPECT_EQ(model.ModeValueTyped("150"), "100");  // the field is corrected
    EXPECT_EQ(model.Shown().ModeValues[0], 1);      // but nothing stored
    model.SetStep(StepFieldId(0, StepValue::X), 5);
    EXPECT_EQ(model.Shown().Steps[0].X, 0);
    model.SetColour(0x00123456);
    model.SetModeIndex(1);
    model.SetStepCount(2);
    EXPECT_EQ(model.Shown().Color, 0x00123456u);
    EXPECT_EQ(model.Shown().ModeIndex, 1);
    EXPECT_EQ(model.Shown().StepCount, 2);
}

TEST(PatternLibraryModel, AdvancedRepeatCountIsBoundedOneTo255AndKeptForLockedPatterns) {
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Advanced, host, {0, 0, 2});
    EXPECT_EQ(model.RepeatCountTyped("0"), "1");
    EXPECT_EQ(model.Shown().RepeatCount, 1);
    EXPECT_EQ(model.RepeatCountTyped("300"), "255");
    EXPECT_EQ(model.Shown().RepeatCount, 255);
    store.Folders[0].Entries[2]->ReadOnly = 1;
    EXPECT_EQ(model.RepeatCountTyped("7"), std::nullopt);
    EXPECT_EQ(model.Shown().RepeatCount, 255);
    store.Folders[0].Entries[2]->RepeatCount = 0;
    EXPECT_EQ(model.ShownRepeatCount(), 1);
}

TEST(PatternLibraryModel, ImportsSelectTheirRowsAndExportsNeedASelection) {
    TempFolder dir;
    GunStore store = TwoFolders();
    ScriptedHost host;
    PatternLibraryModel model(store, PatternLibrary::Gun, host);
    EXPECT_FALSE(model.ExportEntry(dir.File("none.gun")));
    EXPECT_FALSE(model.ExportFolder(dir.File("none.guns")));
    EXPECT_FALSE(model.ImportEntry(dir.File("missing.gun")));

    model.SelectRow(0);
    ASSERT_TRUE(model.ExportFolder(dir.File("f0.guns")));
    model.ToggleSelectedFolder();
    model.SelectRow(2);  // b
    ASSERT_TRUE(model.ExportLockedEntry(dir.File("b.gun")));

    model.SelectRow(-1);
    ASSERT_TRUE(model.ImportEntry(dir.File("b.gun")));  // no folder: a new one, open
    EXPECT_EQ(Texts(model), (Strings{"F0", "a", "b", "c", "F1", "GunFloder1", "b"}));
    EXPECT_EQ(model.SelectedRow(), 6);
    EXPECT_EQ(model.VisibleStepRows(), 0);  // the locked copy shows no steps
    ASSERT_TRUE(model.ImportEntry(dir.File("b.gun")));  // into the selected folder
    EXPECT_EQ(Texts(model).back(), "b_1");

    ASSERT_TRUE(model.ImportFolder(dir.File("f0.guns")));
    EXPECT_EQ(Texts(model).back(), "F0_1");  // collapsed, selected
    EXPECT_EQ(model.Selected(), (LibraryPosition{3, -1}));
    EXPECT_EQ(host.changes, 3);
}

TEST(PatternLibraryMenus, ContextMenuCarriesItsCommandsInOrder) {
    std::vector<int> commands;
    for (const PatternMenuItem& item : kPatternContextMenu) commands.push_back(item.command);
    EXPECT_EQ(commands, (std::vector<int>{1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109}));
    EXPECT_EQ(kPatternContextMenu[0].text, 312);
    EXPECT_EQ(kPatternContextMenu[8].text, 226);
    EXPECT_TRUE(IsStepCountCommand(1008));
    EXPECT_FALSE(IsStepCountCommand(1009));
}
