#include "option/pattern_library/pattern_library_model.h"

#include <algorithm>
#include <memory>

#include "option/pattern_library/pattern_library_menus.h"
#include "shell/edit_filter.h"

namespace {

// What an unselected editor shows.
Gun BlankEntry() {
    Gun blank{};
    blank.Aux = 1;
    for (int32_t& value : blank.ModeValues) value = 1;
    return blank;
}

// Field numbers typed: bounded to [low, high]; the text to show when the
// field's number differs from the bounded one. An empty field is left alone.
struct Bounded {
    int value;
    std::optional<std::string> shown;
};
std::optional<Bounded> BoundTyped(std::string_view text, int low, int high) {
    const std::optional<int> typed = FieldNumber(text);
    if (!typed) return std::nullopt;
    const int value = std::clamp(*typed, low, high);
    return Bounded{value, value == *typed ? std::nullopt : std::optional<std::string>(std::to_string(value))};
}

}  // namespace

std::optional<StepField> StepFieldOf(int id) {
    const std::pair<int, StepValue> columns[] = {
        {kStepXFirstId, StepValue::X}, {kStepYFirstId, StepValue::Y}, {kStepDelayFirstId, StepValue::Delay}};
    for (auto [first, value] : columns)
        if (id >= first && id < first + kGunStepCount) return StepField{id - first, value};
    return std::nullopt;
}

int StepFieldId(int row, StepValue value) {
    switch (value) {
        case StepValue::X: return kStepXFirstId + row;
        case StepValue::Y: return kStepYFirstId + row;
        case StepValue::Delay: break;
    }
    return kStepDelayFirstId + row;
}

int StepFieldMin(StepValue value) { return value == StepValue::Delay ? 0 : -kStepMovementLimit; }
int StepFieldMax(StepValue value) { return value == StepValue::Delay ? kStepDelayMax : kStepMovementLimit; }

PatternLibraryModel::PatternLibraryModel(GunStore& store, PatternLibrary library, PatternLibraryHost& host,
                                         const PatternSeed& seed)
    : store_(store), library_(library), host_(host) {
    SetGunMode(seed.gunMode);
    if (GunFolder* folder = FindFolder(store_, seed.folder)) {
        folder->Expanded = true;
        selected_ = {seed.folder, FindEntry(store_, seed.folder, seed.entry) ? seed.entry : -1};
    }
    Refill();
}

Gun* PatternLibraryModel::Current() const { return FindEntry(store_, selected_.folder, selected_.entry); }

void PatternLibraryModel::RebuildRows() {
    rows_ = LibraryTreeRows(store_, [this](int32_t f) { return store_.Folders[static_cast<std::size_t>(f)].Expanded; });
}

void PatternLibraryModel::Refill() {
    RebuildRows();
    row_ = selected_.folder < 0 ? -1 : RowOf(rows_, selected_);
    if (row_ < 0) selected_ = {};
}

void PatternLibraryModel::SelectRow(int row) {
    selected_ = PositionOfRow(rows_, row);
    row_ = selected_.folder < 0 ? -1 : row;
}

void PatternLibraryModel::SelectAt(LibraryPosition position) {
    selected_ = position;
    Refill();
}

void PatternLibraryModel::ToggleSelectedFolder() {
    GunFolder* folder = FindFolder(store_, selected_.folder);
    if (!folder) return;
    folder->Expanded = !folder->Expanded;
    const int row = row_;
    RebuildRows();
    SelectRow(std::min(row, static_cast<int>(rows_.size()) - 1));
}

// --- Context menu ---

bool PatternLibraryModel::CanRun(int command) const {
    const bool folderRow = FindFolder(store_, selected_.folder) && selected_.entry < 0;
    switch (command) {
        case kCmdNewFolder:
        case kCmdImportFolder:
        case kCmdImportEntry: return true;
        case kCmdDeleteFolder: return folderRow && CanDeleteFolder(store_, library_, selected_.folder);
        case kCmdNewEntry:
        case kCmdExportFolder:
        case kCmdRename: return FindFolder(store_, selected_.folder) != nullptr;
        case kCmdDeleteEntry: return CanDeleteEntry(store_, library_, selected_.folder, selected_.entry);
        case kCmdExportEntry: return HasEntry();
        default: return false;
    }
}

void PatternLibraryModel::Command(int command) {
    if (!CanRun(command)) return;
    switch (command) {
        case kCmdNewFolder: NewFolder(); break;
        case kCmdDeleteFolder: DeleteSelectedFolder(); break;
        case kCmdNewEntry: NewEntry(); break;
        case kCmdDeleteEntry: DeleteSelectedEntry(); break;
        case kCmdRename: Rename(); break;
        default: break;
    }
}

NameMode PatternLibraryModel::FolderNameMode() const {
    return library_ == PatternLibrary::Gun ? NameMode::GunFolder : NameMode::AdvancedFolder;
}

NameMode PatternLibraryModel::EntryNameMode() const {
    return library_ == PatternLibrary::Gun ? NameMode::Gun : NameMode::AdvancedPattern;
}

void PatternLibraryModel::NewFolder() {
    const auto name = host_.AskName(FolderNameMode(), -1);
    if (!name) return;
    GunFolder folder;
    folder.Name = FitName(*name, LibraryEntry<Gun>::kFolderNameLimit);
    store_.Folders.push_back(std::move(folder));
    RebuildRows();
    SelectRow(static_cast<int>(rows_.size()) - 1);
    host_.Changed();
}

void PatternLibraryModel::NewEntry() {
    const int32_t f = selected_.folder;
    const auto name = host_.AskName(EntryNameMode(), f);
    if (!name) return;
    GunFolder& folder = *FindFolder(store_, f);
    folder.Entries.push_back(
        std::make_unique<Gun>(library_ == PatternLibrary::Gun ? NewGun(*name) : NewAdvanceGun(*name)));
    folder.Expanded = true;
    SelectAt({f, static_cast<int32_t>(folder.Entries.size()) - 1});
    host_.Changed();
}

void PatternLibraryModel::DeleteSelectedFolder() {
    if (!host_.ConfirmDelete(kConfirmDeleteFolderKind)) return;
    const int row = row_;
    DeleteFolder(store_, library_, selected_.folder);
    RebuildRows();
    SelectRow(row - 1);  // the row before the folder's place; none for the first
    host_.Changed();
}

void PatternLibraryModel::DeleteSelectedEntry() {
    if (!host_.ConfirmDelete(kConfirmDeleteEntryKind)) return;
    const int32_t f = selected_.folder;
    const int row = row_;
    DeleteEntry(store_, library_, f, selected_.entry);
    RebuildRows();
    // The same row number, but not past the folder's last row.
    const int lastOfFolder = RowOf(rows_, {f, -1}) + static_cast<int>(FindFolder(store_, f)->Entries.size());
    SelectRow(std::min(row, lastOfFolder));
    host_.Changed();
}

void PatternLibraryModel::Rename() {
    GunFolder* folder = FindFolder(store_, selected_.folder);
    Gun* entry = Current();
    const auto name = entry ? host_.AskName(EntryNameMode(), selected_.folder) : host_.AskName(FolderNameMode(), -1);
    if (!name) return;
    if (entry)
        LibraryEntry<Gun>::SetName(*entry, *name);
    else
        folder->Name = FitName(*name, LibraryEntry<Gun>::kFolderNameLimit);
    Refill();
    host_.Changed();
}

// --- Exchange files ---

bool PatternLibraryModel::ImportFolder(const std::string& path) {
    const std::optional<int32_t> folder = ImportPatternFolder(store_, path);
    if (!folder) return false;
    SelectAt({*folder, -1});
    host_.Changed();
    return true;
}

bool PatternLibraryModel::ExportFolder(const std::string& path) const {
    const GunFolder* folder = FindFolder(store_, selected_.folder);
    return folder && ExportPatternFolder(*folder, path);
}

bool PatternLibraryModel::ImportEntry(const std::string& path) {
    const std::optional<LibraryPosition> at = ImportPattern(store_, selected_.folder, path);
    if (!at) return false;
    // A folder made for the entry opens; the entry's own folder does too.
    FindFolder(store_, at->folder)->Expanded = true;
    SelectAt(*at);
    host_.Changed();
    return true;
}

bool PatternLibraryModel::ExportEntry(const std::string& path) const {
    const Gun* entry = Current();
    return entry && ExportPattern(*entry, path);
}

bool PatternLibraryModel::ExportLockedEntry(const std::string& path) const {
    const Gun* entry = Current();
    return entry && ExportLockedPattern(*entry, path);
}

// --- Step editor ---

const Gun& PatternLibraryModel::Shown() const {
    static const Gun blank = BlankEntry();
    const Gun* entry = Current();
    return entry ? *entry : blank;
}

int PatternLibraryModel::VisibleStepRows() const {
    const Gun* entry = Current();
    if (!entry || entry->ReadOnly) return 0;
    return std::clamp(entry->StepCount, 0, kGunStepCount);
}

int PatternLibraryModel::ShownRepeatCount() const { return std::max(Shown().RepeatCount, 1); }

int PatternLibraryModel::ShownModeValue() const {
    const Gun& shown = Shown();
    return shown.ModeIndex >= 0 && shown.ModeIndex < kGunModeCount ? shown.ModeValues[shown.ModeIndex] : 0;
}

void PatternLibraryModel::SetStep(int fieldId, int value) {
    Gun* entry = Current();
    const std::optional<StepField> field = StepFieldOf(fieldId);
    if (!entry || entry->ReadOnly || !field) return;
    GunStep& step = entry->Steps[field->row];
    const GunStep before = step;
    value = std::clamp(value, StepFieldMin(field->value), StepFieldMax(field->value));
    switch (field->value) {
        case StepValue::X: step.X = value; break;
        case StepValue::Y: step.Y = value; break;
        case StepValue::Delay: step.Delay = static_cast<uint16_t>(value); break;
    }
    // Showing an entry sets its fields, which report their values back.
    if (step.X != before.X || step.Y != before.Y || step.Delay != before.Delay) host_.Changed();
}

void PatternLibraryModel::SetStepCount(int count) {
    Gun* entry = Current();
    if (!entry) return;
    ::SetStepCount(*entry, count);
    host_.Changed();
}

void PatternLibraryModel::SetModeIndex(int mode) {
    Gun* entry = Current();
    if (!entry || mode < 0 || mode >= kGunModeCount) return;
    entry->ModeIndex = mode;
    host_.Changed();
}

void PatternLibraryModel::SetColour(uint32_t colour) {
    Gun* entry = Current();
    if (!entry) return;
    entry->Color = colour & 0x00FFFFFFu;
    host_.Changed();
}

std::optional<std::string> PatternLibraryModel::ModeValueTyped(std::string_view text) {
    const std::optional<Bounded> typed = BoundTyped(text, 0, kModeValueMax);
    if (!typed) return std::nullopt;
    if (Gun* entry = Current(); entry && !entry->ReadOnly && typed->value != ShownModeValue()) {
        SetModeValue(*entry, typed->value);
        host_.Changed();
    }
    return typed->shown;
}

std::optional<std::string> PatternLibraryModel::RepeatCountTyped(std::string_view text) {
    const std::optional<Bounded> typed = BoundTyped(text, kRepeatCountMin, kRepeatCountMax);
    if (!typed) return std::nullopt;
    Gun* entry = Current();
    if (library_ == PatternLibrary::Advanced && entry && !entry->ReadOnly && typed->value != entry->RepeatCount) {
        SetRepeatCount(*entry, typed->value);
        host_.Changed();
    }
    return typed->shown;
}

void PatternLibraryModel::SetGunMode(int32_t mode) {
    if (mode == 0 || mode == 1) gunMode_ = mode;
}
