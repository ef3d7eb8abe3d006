// The gun library dialog and the advanced pattern dialog without their
// windows: the tree rows of a pattern library, the selection, the step
// editor of the selected entry, and the context menu's commands. The
// library's rules (what is protected, what a locked entry keeps) come from
// gun_edits; how a change reaches the file is the host's: the gun library
// writes Gun.dat after every change, the advanced dialog keeps its changes
// in memory until OK.
//
//   PatternLibraryModel model(store, PatternLibrary::Gun, host, {gunMode, folder, gun});
//   model.TreeRows(), model.SelectedRow()   // the seed's folder open, its gun selected
//   model.SelectRow(2);
//   model.SetStep(kStepX[0], -4);            // stored, host.Changed()
//   model.Command(kCmdDeleteEntry);          // asks the host to confirm
//   on OK: model.Selected(), model.GunMode()
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gun/gun_edits.h"
#include "gun/gun_exchange.h"
#include "option/library_tree/library_tree_rows.h"
#include "option/name_input/name_input_model.h"

// Field ids of the step editor, row by row: horizontal movement, vertical
// movement and delay.
inline constexpr int kStepXFirstId = 420;
inline constexpr int kStepYFirstId = 410;
inline constexpr int kStepDelayFirstId = 400;
inline constexpr int kStepMovementLimit = 100;
inline constexpr int kStepDelayMax = 999;
inline constexpr int kPatternFieldChars = 3;
inline constexpr int kModeValueMax = 100;
inline constexpr int kRepeatCountMin = 1;
inline constexpr int kRepeatCountMax = 255;

// The step field `id` stands for: its row 0..7 and which value; nothing for
// another id.
enum class StepValue { X, Y, Delay };
struct StepField {
    int row;
    StepValue value;
};
std::optional<StepField> StepFieldOf(int id);
int StepFieldId(int row, StepValue value);
// The range of a step field.
int StepFieldMin(StepValue value);
int StepFieldMax(StepValue value);

// What the model asks of the dialog around it.
class PatternLibraryHost {
public:
    virtual ~PatternLibraryHost() = default;
    // The name dialog; the accepted name, or nothing on Cancel.
    virtual std::optional<std::string> AskName(NameMode mode, int folder) = 0;
    // The delete confirmation (warning variant E of `kind`); true on OK.
    virtual bool ConfirmDelete(int kind) = 0;
    // The library changed in memory.
    virtual void Changed() = 0;
};

// Kinds of the delete confirmations.
inline constexpr int kConfirmDeleteFolderKind = 2;
inline constexpr int kConfirmDeleteEntryKind = 3;

struct PatternSeed {
    int32_t gunMode = 0;  // 0 or 1; gun library only
    int32_t folder = -1;
    int32_t entry = -1;
};

class PatternLibraryModel {
public:
    // Opens on `seed`: its folder expanded and its entry (or the folder)
    // selected; a place the library does not have selects nothing.
    PatternLibraryModel(GunStore& store, PatternLibrary library, PatternLibraryHost& host, const PatternSeed& seed = {});

    // --- List ---
    const std::vector<TreeRow>& TreeRows() const { return rows_; }
    int SelectedRow() const { return row_; }
    LibraryPosition Selected() const { return selected_; }
    void SelectRow(int row);
    // Double-click: the selected folder opens or closes; the selection
    // keeps its row (a gun row of a folder that closed selects nothing).
    void ToggleSelectedFolder();

    // --- Context menu (1101-1109 without the files) ---
    void Command(int command);
    // Whether a command has what it needs (a folder, an entry, an entry
    // that is not protected); the others do nothing.
    bool CanRun(int command) const;

    // --- Exchange files, with the file the user picked ---
    // False when the file cannot be read or written, or nothing is selected.
    bool ImportFolder(const std::string& path);
    bool ExportFolder(const std::string& path) const;
    bool ImportEntry(const std::string& path);
    bool ExportEntry(const std::string& path) const;
    bool ExportLockedEntry(const std::string& path) const;

    // --- Step editor of the selected entry ---
    // The entry shown: the selected one, or a blank one (no steps, modes'
    // values 1, colour black) when no entry is selected.
    const Gun& Shown() const;
    bool HasEntry() const { return Current() != nullptr; }
    // Step rows shown and enabled: none without an entry or for a locked
    // one, else the entry's step count.
    int VisibleStepRows() const;
    int ShownRepeatCount() const;  // below 1 shown as 1
    int ShownModeValue() const;

    // Each change of a value is stored into the selected entry (unless the
    // library's rules keep it) and reported to the host.
    void SetStep(int fieldId, int value);
    void SetStepCount(int count);
    void SetModeIndex(int mode);
    void SetColour(uint32_t colour);
    // A typed field: the text the field must show instead, when the number
    // was bounded. The gun library never stores the repeat count typed.
    std::optional<std::string> ModeValueTyped(std::string_view text);
    std::optional<std::string> RepeatCountTyped(std::string_view text);

    // --- Gun mode of the profile (gun library) ---
    int32_t GunMode() const { return gunMode_; }
    void SetGunMode(int32_t mode);

private:
    Gun* Current() const;
    NameMode FolderNameMode() const;
    NameMode EntryNameMode() const;
    void RebuildRows();
    // Rows rebuilt, the selection found again (none when it is gone).
    void Refill();
    // Selects the row, limited to the rows there are.
    void SelectAt(LibraryPosition position);
    void NewFolder();
    void NewEntry();
    void DeleteSelectedFolder();
    void DeleteSelectedEntry();
    void Rename();

    GunStore& store_;
    PatternLibrary library_;
    PatternLibraryHost& host_;
    std::vector<TreeRow> rows_;
    LibraryPosition selected_;
    int row_ = -1;
    int32_t gunMode_ = 0;
};
