// The macro editor of the advanced settings page: the tree list of macro
// groups and macros, the event list of the selected macro, the recorder,
// the context-menu commands and the repeat count. Every change goes back
// into the library at once and into the macro buttons of all five
// profiles; the page only shows the rows and forwards the user's actions.
//
//   MacroEditorModel editor({store, edited.Profiles, host, texts, MapVirtualKeyOfActiveLayout});
//   editor.SelectTreeRow(1);           // a macro row: its events show
//   editor.Record();                   // capture on; keys arrive through
//   editor.KeyCaptured(0x41, false);   //   the capture hook
//   editor.Stop();                     // written back, buttons resynced
//   editor.EventRows(), editor.CaretRow(), editor.TreeRows(), ...
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keys/key_conversion.h"
#include "macro/macro_store.h"
#include "option/advanced_page/macro_editor_host.h"
#include "option/advanced_page/macro_event_rows.h"
#include "option/library_tree/library_tree_rows.h"
#include "profile/text_source.h"

inline constexpr uint16_t kMaxPause = 65535;
inline constexpr int kMinRepeatCount = 1;
inline constexpr int kMaxRepeatCount = 255;

struct MacroEditorParts {
    MacroStore& store;
    Profile (&profiles)[kProfileCount];  // the edited copy
    MacroEditorHost& host;
    const TextSource& texts;
    MapVirtualKeyFunction map;
};

class MacroEditorModel {
public:
    // The tree filled from the store, nothing selected, not recording,
    // record delays off.
    explicit MacroEditorModel(const MacroEditorParts& parts);

    // --- Tree list ---
    // Rebuilds the rows from the store (the main window's refresh); the
    // selection keeps its row.
    void RefreshTree();
    // Selection change: the row's group and macro; a macro row loads its
    // events and repeat count. Ignored while recording (the list is off).
    void SelectTreeRow(int row);
    // Double-click: the selected group opens or closes; closing unloads the
    // macro and moves the selection to the group's row.
    void ToggleSelectedGroup();
    // Commands 1051 to 1054 and 1059; ignored while recording.
    void TreeCommand(int command);

    // --- Exchange files (commands 1055 to 1058, with the file the user
    // picked). Imports do not resync: a new macro is not yet assigned. ---
    // 1058: the selected group; false without one or when it cannot be written.
    bool ExportGroup(const std::string& path);
    // 1057: a new group, named uniquely; false when the file cannot be read.
    bool ImportGroup(const std::string& path);
    // 1056: the macro being edited. Without one the command changes nothing
    // (an existing file stays) and returns false.
    bool ExportMacro(const std::string& path);
    // 1055: into the selected group, else into a new group; the new macro
    // is selected and loaded. False when the file holds no readable macro.
    bool ImportMacro(const std::string& path);

    // --- Recorder ---
    // Record button: needs a macro (else the select-a-macro notice);
    // replaces its events with what is recorded.
    void Record();
    // Stop button, and by itself at the 50th event.
    void Stop();
    void SetRecordDelays(bool on) { recordDelays_ = on; }
    // A key from the capture hook: `vk` pressed, or released.
    void KeyCaptured(uint32_t vk, bool released);

    // --- Event list ---
    // Commands 1001 to 1005, 1020 to 1034 and 1037 to 1040 on the list's
    // selected row (-1 none). Ignored while recording. Without a macro the
    // select-a-macro notice shows instead.
    void EventCommand(int command, int contextRow);
    // After command 1004: the value row whose in-place edit the list opens,
    // else -1.
    int EditingRow() const { return editingRow_; }
    // The in-place edit ended with `text`: the pause is stored, brought to
    // 1..65535. When it had to be bounded, the row to put in place of the
    // typed text.
    std::optional<EventRow> FinishEdit(std::string_view text);

    // --- Repeat count ---
    // The field's text changed or it lost the focus: the macro's repeat
    // count, bounded to 1..255; the text the field must show instead when
    // it was bounded.
    std::optional<std::string> RepeatCountChanged(std::string_view text);

    // --- What the page shows ---
    const std::vector<TreeRow>& TreeRows() const { return treeRows_; }
    int SelectedTreeRow() const { return selectedRow_; }
    LibraryPosition Selected() const { return selected_; }
    bool HasMacro() const { return Current() != nullptr; }
    const std::vector<EventRow>& EventRows() const { return eventRows_; }
    int CaretRow() const { return caretRow_; }
    std::string RepeatCountText() const { return std::to_string(repeatCount_); }
    bool Recording() const { return recording_; }
    bool RecordDelays() const { return recordDelays_; }
    // Context menus open only when not recording; the tree list and the
    // three spare buttons are disabled while recording.
    bool ContextMenusAllowed() const { return !recording_; }
    int EventCount() const { return count_; }
    const MacroEvent* Events() const { return events_; }

    // Rebuilds the event rows and places the caret (the redisplay after
    // every change).
    void RefreshEvents();

private:
    Macro* Current() const;
    void LoadSelection(int row);
    void StartRecording();
    // Adds one event at the insertion position; false when the macro is full.
    bool AddEvent(MacroEvent event);
    // The event that gets a measured pause: the one before the insertion point.
    MacroEvent* EventBeforeInsertion();
    void InsertDelay(int row);
    void DeleteRow(int row);
    void MouseButtonCommand(int command, int row);
    void StepCommand(int command, int row);
    // Working events into the macro, then Commit.
    void WriteBack();
    // Buttons resynced, library saved, captions refreshed.
    void Commit();

    void NewGroup();
    void NewMacro();
    void DeleteGroup();
    void DeleteMacro();
    void Rename();
    // Points the buttons that hold the selected group or macro at its new
    // name, so a rename keeps their assignments.
    void RenameInButtons(std::string_view newName);

    MacroEditorParts parts_;
    std::vector<TreeRow> treeRows_;
    std::vector<EventRow> eventRows_;

    int selectedRow_ = -1;
    LibraryPosition selected_;
    MacroEvent events_[kMacroEventLimit] = {};
    int count_ = 0;
    int insertion_ = -1;    // where new events go; -1 appends
    int lastChanged_ = -1;  // event whose row gets the caret
    int caretTarget_ = -1;  // row asked for by the last command, -1 none
    int caretRow_ = -1;
    int editedEvent_ = -1;
    int editingRow_ = -1;
    int repeatCount_ = 1;

    bool recording_ = false;
    bool captured_ = false;
    bool recordDelays_ = false;
    uint32_t lastTick_ = 0;
    struct CapturedKey {
        uint32_t vk;
        bool released;
        bool operator==(const CapturedKey&) const = default;
    };
    std::optional<CapturedKey> lastKey_;
};
