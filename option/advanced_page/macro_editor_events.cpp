// The recorder and the event list's commands.
#include <algorithm>
#include <cstring>

#include "keys/spin_edit_model.h"
#include "option/advanced_page/macro_editor_commands.h"
#include "option/advanced_page/macro_editor_model.h"

namespace {

// Mouse-button submenus in menu order: left, right, wheel, forward, back.
constexpr uint8_t kMenuButtons[] = {0xF0, 0xF1, 0xF2, 0xF4, 0xF3};
// Step pairs of commands 1037 to 1040.
constexpr uint8_t kStepPairs[][2] = {{0xF9, 0xFB}, {0xFA, 0xFC}, {0xFA, 0xFB}, {0xF9, 0xFC}};
constexpr uint16_t kSingleMousePause = 10;

}  // namespace

void MacroEditorModel::Record() {
    if (!Current()) {
        parts_.host.Warn(WarningVariant::C, 0);
        return;
    }
    if (recording_) return;
    std::memset(events_, 0, sizeof events_);
    count_ = 0;
    insertion_ = -1;
    StartRecording();
}

void MacroEditorModel::StartRecording() {
    recording_ = true;
    captured_ = false;
    // A key that ended the previous recording must not be ignored as held.
    lastKey_.reset();
    parts_.host.InstallKeyCapture();
    caretTarget_ = -1;
    RefreshEvents();
}

void MacroEditorModel::Stop() {
    if (recording_) parts_.host.RemoveKeyCapture();
    recording_ = false;
    lastTick_ = 0;
    WriteBack();
}

void MacroEditorModel::KeyCaptured(uint32_t vk, bool released) {
    // A message still queued when the capture ended is not recorded.
    if (!recording_) return;
    const CapturedKey key{vk, released};
    if (lastKey_ == key) return;  // a held key repeats its press
    const uint32_t now = parts_.host.TickCount();
    if (captured_ && recordDelays_) {
        if (MacroEvent* before = EventBeforeInsertion())
            before->Value = static_cast<uint16_t>(std::min<uint32_t>(now - lastTick_, kMaxPause));
    }
    const uint8_t usage = static_cast<uint8_t>(VkToUsage(vk, parts_.map).value_or(0));
    AddEvent({usage, released ? kMacroRelease : kMacroPress, 0});
    lastTick_ = now;
    captured_ = true;
    if (count_ == kMacroEventLimit) Stop();
    caretTarget_ = -1;
    RefreshEvents();
    lastKey_ = key;
}

MacroEvent* MacroEditorModel::EventBeforeInsertion() {
    const int before = insertion_ < 0 ? count_ - 1 : std::min(insertion_, count_) - 1;
    return before >= 0 ? &events_[before] : nullptr;
}

bool MacroEditorModel::AddEvent(MacroEvent event) {
    if (count_ >= kMacroEventLimit) return false;
    const int at = insertion_ < 0 ? count_ : std::min(insertion_, count_);
    std::move_backward(events_ + at, events_ + count_, events_ + count_ + 1);
    events_[at] = event;
    ++count_;
    if (insertion_ >= 0) insertion_ = at + 1;
    lastChanged_ = at;
    return true;
}

void MacroEditorModel::EventCommand(int command, int contextRow) {
    if (recording_) return;
    if (!Current()) {
        parts_.host.Warn(WarningVariant::C, 0);
        return;
    }
    const bool onRow = contextRow >= 0 && static_cast<std::size_t>(contextRow) < eventRows_.size();
    const int k = onRow ? EventOfRowData(eventRows_[static_cast<std::size_t>(contextRow)].data) : -1;
    if (command == kCmdRecordBefore || command == kCmdRecordAfter) {
        insertion_ = !onRow ? -1 : command == kCmdRecordBefore ? k : k + 1;
        StartRecording();
    } else if (command == kCmdInsertDelay) {
        if (onRow) InsertDelay(contextRow);
    } else if (command == kCmdEditValue) {
        if (onRow && IsValueRowData(eventRows_[static_cast<std::size_t>(contextRow)].data)) {
            editedEvent_ = k;
            editingRow_ = contextRow;
        }
    } else if (command == kCmdDeleteRow) {
        if (onRow) DeleteRow(contextRow);
    } else if (command >= kCmdFirstMouseButton && command <= kCmdLastMouseButton) {
        MouseButtonCommand(command, k);
    } else if (command >= kCmdFirstStepPair && command <= kCmdLastStepPair) {
        StepCommand(command, k);
    }
}

void MacroEditorModel::InsertDelay(int row) {
    const uint32_t data = eventRows_[static_cast<std::size_t>(row)].data;
    const int k = EventOfRowData(data);
    if (IsValueRowData(data) || k < 1 || events_[k - 1].Value != 0) return;
    events_[k - 1].Value = 1;
    lastChanged_ = k - 1;
    caretTarget_ = row - 1;
    RefreshEvents();
    WriteBack();
}

void MacroEditorModel::DeleteRow(int row) {
    const uint32_t data = eventRows_[static_cast<std::size_t>(row)].data;
    const int k = EventOfRowData(data);
    if (IsValueRowData(data)) {
        events_[k].Value = 0;
    } else {
        std::move(events_ + k + 1, events_ + count_, events_ + k);
        events_[--count_] = {};
    }
    lastChanged_ = k;
    caretTarget_ = row;
    WriteBack();
    RefreshEvents();
}

void MacroEditorModel::MouseButtonCommand(int command, int k) {
    if (count_ >= kMacroEventLimit) return;
    const uint8_t button = kMenuButtons[(command - kCmdFirstMouseButton) / 3];
    insertion_ = k;
    switch ((command - kCmdFirstMouseButton) % 3) {
        case 0: AddEvent({button, kMacroPress, kSingleMousePause}); break;
        case 1: AddEvent({button, kMacroRelease, kSingleMousePause}); break;
        default:
            if (count_ + 2 > kMacroEventLimit) return;
            AddEvent({button, kMacroPress, 0});
            AddEvent({button, kMacroRelease, 0});
    }
    caretTarget_ = -1;
    RefreshEvents();
    WriteBack();
}

void MacroEditorModel::StepCommand(int command, int k) {
    if (count_ + 2 > kMacroEventLimit) return;
    insertion_ = k;
    for (uint8_t code : kStepPairs[command - kCmdFirstStepPair]) AddEvent({code, kMacroStep, 1});
    caretTarget_ = -1;
    RefreshEvents();
    WriteBack();
}

std::optional<EventRow> MacroEditorModel::FinishEdit(std::string_view text) {
    const int e = editedEvent_;
    const int row = editingRow_;
    editedEvent_ = editingRow_ = -1;
    if (e < 0 || e >= count_) return std::nullopt;
    const int typed = ReadNumber(text);
    events_[e].Value = static_cast<uint16_t>(std::clamp<int>(typed, 1, kMaxPause));
    std::optional<EventRow> replacement;
    if (typed <= 0 || typed >= kMaxPause) {
        replacement = ValueRow(e, events_[e], parts_.texts);
        if (row >= 0 && static_cast<std::size_t>(row) < eventRows_.size())
            eventRows_[static_cast<std::size_t>(row)] = *replacement;
    }
    WriteBack();
    return replacement;
}
