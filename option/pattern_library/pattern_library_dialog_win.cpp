#include "option/pattern_library/pattern_library_dialog_win.h"

#include <commdlg.h>

#include "lan/string_ids.h"
#include "option/name_input/name_input_dialog_win.h"
#include "option/pattern_library/pattern_file_dialog_win.h"
#include "option/pattern_library/pattern_library_menus.h"
#include "option/warning/warning_dialog_win.h"
#include "shell/skin_menu_win.h"
#include "skins/skin_entries.h"

namespace {

// The two layouts number their shared controls alike.
namespace skin = skin_qiangxieku;
namespace advanced = skin_gaoji_qiangxieku;
static_assert(skin::kClose == advanced::kClose && skin::kGunList == advanced::kPatternList &&
              skin::kStepCount == advanced::kStepCount && skin::kRepeatCount == advanced::kRepeatCount &&
              skin::kColourSwatch == advanced::kColourSwatch && skin::kLockedExport == advanced::kLockedExport &&
              skin::kOk == advanced::kOk && skin::kCancel == advanced::kCancel);
static_assert(skin::kStepX[0] == kStepXFirstId && skin::kStepY[0] == kStepYFirstId &&
              skin::kStepDelay[0] == kStepDelayFirstId && advanced::kStepX[7] == kStepXFirstId + 7);

constexpr char kNSimSunGbk[] = "\xD0\xC2\xCB\xCE\xCC\xE5";
constexpr COLORREF kFieldText = RGB(0xE6, 0xE6, 0xE6);
constexpr COLORREF kFieldBack = RGB(0x23, 0x23, 0x23);
constexpr int kFieldTextHeight = 16;
constexpr int kFieldInset = 5;
constexpr int kHeadingAboveRows = 28;
constexpr int kHeadingHeight = 22;

constexpr DialogFont kTitleFont{18, FW_BOLD, RGB(230, 230, 230)};
constexpr DialogFont kLabelFont{14, FW_NORMAL, RGB(200, 200, 200)};
constexpr SkinRect kTitleBox{16, 6, 400, 28};
constexpr SkinRect kRowNumbersColumn{280, 0, 312, 0};
// The gun library's free box right of the steps; the advanced dialog's
// labels above its step count, repeat and colour controls.
constexpr SkinRect kGunStepsLabel{540, 156, 700, 178};
constexpr SkinRect kAdvancedHeading{280, 44, 700, 66};
constexpr SkinRect kAdvancedFieldLabels[] = {{280, 90, 376, 110}, {384, 90, 440, 110}, {448, 90, 540, 110}};

RECT InsideWell(RECT well) {
    const int top = well.top + (well.bottom - well.top - kFieldTextHeight) / 2;
    return {well.left + kFieldInset, top, well.right - kFieldInset, top + kFieldTextHeight};
}

std::string TextOf(HWND field) {
    char text[16] = {};
    GetWindowTextA(field, text, sizeof text);
    return text;
}

void DrawLabel(HDC canvas, const std::string& text, const SkinRect& box, const DialogFont& font,
               const DialogFonts& fonts, TextAlign align = TextAlign::Left) {
    const int height = GdiTextMeasure(canvas, fonts).WrappedHeight(text, font, box.Width());
    DrawPlacedText(canvas, text, PlaceText(box, height, true, align), font, fonts);
}

}  // namespace

PatternLibraryDialog::PatternLibraryDialog(const PatternDialogPlace& place, GunStore& store, PatternLibrary library,
                                           const PatternSeed& seed, std::function<void()> changed)
    : SkinDialog(place.skinsFolder, library == PatternLibrary::Gun ? skin::kIniFile : advanced::kIniFile),
      place_(place),
      library_(library),
      changed_(std::move(changed)),
      model_(store, library, *this, seed),
      fonts_({kTitleFont, kLabelFont}) {}

BitmapEdit& PatternLibraryDialog::AddNumberField(const SkinWindowBuilder& build, int entry) {
    auto field = std::make_unique<BitmapEdit>();
    field->Create(Handle(), entry, InsideWell(build.Rect(entry)), WS_VISIBLE | WS_TABSTOP);
    field->SetColours(kFieldText, kFieldBack);
    field->SetNumeric(true);
    SendMessageA(field->Handle(), EM_LIMITTEXT, kPatternFieldChars, 0);
    return Own(std::move(field));
}

void PatternLibraryDialog::OnBuild(const SkinWindowBuilder& build) {
    const TextSource& texts = place_.texts;
    StyleDialogButton(AddSkinButton(build, skin::kOk, "ok_mask.bmp", texts.Text(str::kOk)));
    StyleDialogButton(AddSkinButton(build, skin::kCancel, "cancel_mask.bmp", texts.Text(str::kCancel)));
    AddBitmapButton(build, skin::kClose);
    list_ = &AddListBox(build, skin::kGunList);
    list_->SetColours(RGB(24, 24, 28), RGB(30, 90, 170));
    list_->SetTextColours(RGB(220, 220, 220), RGB(255, 255, 255));
    list_->SetDoubleClickNotify(true);
    stepCount_ = &AddBitmapButton(build, skin::kStepCount);
    repeat_ = AddNumberField(build, skin::kRepeatCount).Handle();
    swatch_ = &AddColourButton(build, skin::kColourSwatch, RGB(0, 0, 0));
    swatch_->SetHandCursor(LoadCursor(nullptr, IDC_HAND));
    lockedExport_ = &AddBitmapButton(
        build, skin::kLockedExport, texts.Text(IsGunLibrary() ? str::kGunLockedExport : str::kPatternLockedExport));
    if (IsGunLibrary()) BuildGunControls(build);
    BuildStepRows(build);
}

void PatternLibraryDialog::BuildGunControls(const SkinWindowBuilder& build) {
    const int gunModeTexts[] = {str::kGunModeNormal, str::kGunModeHold};
    for (std::size_t i = 0; i < gunModes_.size(); ++i)
        gunModes_[i] = &AddBitmapButton(build, skin::kGunMode[i], place_.texts.Text(gunModeTexts[i]));
    const int modeTexts[] = {str::kGunModeValue1, str::kGunModeValue2, str::kGunModeValue3};
    for (std::size_t i = 0; i < modeButtons_.size(); ++i)
        modeButtons_[i] = &AddBitmapButton(build, skin::kModeButton[i], place_.texts.Text(modeTexts[i]));
    value_ = AddNumberField(build, skin::kModeValue).Handle();
}

void PatternLibraryDialog::BuildStepRows(const SkinWindowBuilder& build) {
    constexpr StepValue kColumns[] = {StepValue::X, StepValue::Y, StepValue::Delay};
    for (int row = 0; row < kGunStepCount; ++row) {
        for (int c = 0; c < 3; ++c) {
            const int id = StepFieldId(row, kColumns[c]);
            const RECT at = build.Rect(id);
            auto spin = std::make_unique<SpinEdit>(SpinLayout::kHorizontal);
            spin->Create(Handle(), at, id);
            spin->SetImages(at, build.Normal(), build.Over(), build.Down(), build.Disable());
            spin->SetRange(StepFieldMin(kColumns[c]), StepFieldMax(kColumns[c]));
            steps_[row][c] = &Own(std::move(spin));
            if (row == 0)
                columnHeadings_[c] = {at.left, at.top - kHeadingAboveRows, at.right,
                                      at.top - kHeadingAboveRows + kHeadingHeight};
            if (c == 0) rowNumbers_[row] = {kRowNumbersColumn.left, at.top, kRowNumbersColumn.right, at.bottom};
        }
    }
}

BOOL PatternLibraryDialog::OnInit() {
    SetWindowTextA(Handle(), place_.texts.Text(IsGunLibrary() ? str::kGunLibraryTitle : str::kAdvancedPatterns).c_str());
    FillList();
    ShowEntry();
    CentreOnOwner();
    return TRUE;
}

void PatternLibraryDialog::FillList() {
    SendMessageA(list_->Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_->Handle(), LB_RESETCONTENT, 0, 0);
    for (const TreeRow& row : model_.TreeRows()) list_->AddItem(row.text, row.data);
    SendMessageA(list_->Handle(), LB_SETCURSEL, static_cast<WPARAM>(model_.SelectedRow()), 0);
    SendMessageA(list_->Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_->Handle(), nullptr, TRUE);
}

void PatternLibraryDialog::SetFieldText(HWND field, const std::string& text) {
    if (TextOf(field) != text) SetWindowTextA(field, text.c_str());
}

void PatternLibraryDialog::ShowEntry() {
    showing_ = true;
    const Gun& shown = model_.Shown();
    const bool has = model_.HasEntry();
    const std::string count = has ? std::to_string(shown.StepCount) : "";
    SetWindowTextA(stepCount_->Handle(), count.c_str());
    stepCount_->SetCaption(count);
    stepCount_->Enable(has);
    lockedExport_->Enable(has);
    SetFieldText(repeat_, std::to_string(model_.ShownRepeatCount()));
    swatch_->SetFillColour(shown.Color);
    if (IsGunLibrary()) {
        SetFieldText(value_, std::to_string(model_.ShownModeValue()));
        for (std::size_t i = 0; i < gunModes_.size(); ++i)
            gunModes_[i]->SetSelected(model_.GunMode() == static_cast<int>(i));
        for (std::size_t i = 0; i < modeButtons_.size(); ++i)
            modeButtons_[i]->SetSelected(has && shown.ModeIndex == static_cast<int>(i));
    }
    const int visible = model_.VisibleStepRows();
    for (int row = 0; row < kGunStepCount; ++row) {
        const GunStep& step = shown.Steps[row];
        const int values[] = {step.X, step.Y, step.Delay};
        for (int c = 0; c < 3; ++c) {
            SpinEdit& spin = *steps_[row][c];
            spin.SetValue(values[c]);
            EnableWindow(spin.Handle(), row < visible);
            ShowWindow(spin.Handle(), row < visible ? SW_SHOWNA : SW_HIDE);
        }
    }
    showing_ = false;
}

void PatternLibraryDialog::OnCommand(int id, int code, HWND control) {
    if (id == skin::kOk) return End(IDOK);
    if (id == skin::kCancel || id == skin::kClose) return End(IDCANCEL);
    if (control == list_->Handle() && code == LBN_SELCHANGE) {
        model_.SelectRow(static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0)));
        return ShowEntry();
    }
    if ((control == repeat_ || (value_ && control == value_)) && code == EN_CHANGE) return Typed(control);
    if (id == skin::kStepCount) return OpenStepCountMenu();
    if (IsStepCountCommand(id)) {
        model_.SetStepCount(id - kCmdFirstStepCount + 1);
        return ShowEntry();
    }
    if (id == skin::kColourSwatch) return ChooseColour();
    if (id == skin::kLockedExport) return ExportLocked();
    if (IsGunLibrary()) {
        for (std::size_t i = 0; i < gunModes_.size(); ++i)
            if (id == skin::kGunMode[i]) model_.SetGunMode(static_cast<int>(i));
        for (std::size_t i = 0; i < modeButtons_.size(); ++i)
            if (id == skin::kModeButton[i]) model_.SetModeIndex(static_cast<int>(i));
        if (id == skin::kGunMode[0] || id == skin::kGunMode[1] || (id >= skin::kModeButton[0] && id <= skin::kModeButton[2]))
            return ShowEntry();
    }
    if (id >= kCmdImportFolder && id <= kCmdExportEntry) return RunFileCommand(id);
    if (id >= kCmdNewFolder && id <= kCmdRename) {
        model_.Command(id);
        FillList();
        ShowEntry();
    }
}

void PatternLibraryDialog::Typed(HWND field) {
    if (showing_) return;
    const std::string text = TextOf(field);
    const auto shown = field == repeat_ ? model_.RepeatCountTyped(text) : model_.ModeValueTyped(text);
    if (!shown) return;
    SetWindowTextA(field, shown->c_str());
    SendMessageA(field, EM_SETSEL, shown->size(), shown->size());
}

bool PatternLibraryDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    if (message == kSpinEditChangedMessage) {
        model_.SetStep(static_cast<int>(lParam), static_cast<int>(wParam));
        return true;
    }
    if (message == kListDoubleClickMessage) {
        model_.ToggleSelectedFolder();
        FillList();
        ShowEntry();
        return true;
    }
    if (message == kListRightButtonMessage) {
        OpenContextMenu();
        return true;
    }
    return false;
}

void PatternLibraryDialog::OpenContextMenu() {
    SkinMenu menu;
    menu.SetFont(kNSimSunGbk, kContextMenuFontHeight);
    menu.SetWidth(kContextMenuWidth);
    for (const PatternMenuItem& item : kPatternContextMenu) menu.AppendItem(place_.texts.Text(item.text), item.command);
    POINT at{};
    GetCursorPos(&at);
    menu.Track(Handle(), at.x, at.y);
}

void PatternLibraryDialog::OpenStepCountMenu() {
    if (!model_.HasEntry()) return;
    SkinMenu menu;
    menu.SetFont("Arial", kStepMenuFontHeight);
    menu.SetWidth(kStepMenuWidth);
    for (int command = kCmdFirstStepCount; command <= kCmdLastStepCount; ++command)
        menu.AppendItem(std::to_string(command - kCmdFirstStepCount + 1), command);
    RECT below{};
    GetWindowRect(stepCount_->Handle(), &below);
    menu.Track(Handle(), below.left, below.bottom);
}

void PatternLibraryDialog::ChooseColour() {
    if (!model_.HasEntry()) return;
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = Handle();
    choose.rgbResult = model_.Shown().Color;
    choose.lpCustColors = customColours_;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choose)) return;
    model_.SetColour(choose.rgbResult);
    ShowEntry();
}

void PatternLibraryDialog::RunFileCommand(int command) {
    if (!model_.CanRun(command)) return;
    const bool folder = command == kCmdImportFolder || command == kCmdExportFolder;
    const bool save = command == kCmdExportFolder || command == kCmdExportEntry;
    const PatternFileKind kind = PatternFileKindOf(library_, folder ? PatternFile::Folder : PatternFile::Entry);
    const auto path = AskPatternFile(Handle(), kind, place_.programFolder, save);
    if (!path) return;
    switch (command) {
        case kCmdImportFolder: model_.ImportFolder(*path); break;
        case kCmdExportFolder: model_.ExportFolder(*path); break;
        case kCmdImportEntry: model_.ImportEntry(*path); break;
        default: model_.ExportEntry(*path); break;
    }
    FillList();
    ShowEntry();
}

void PatternLibraryDialog::ExportLocked() {
    if (!model_.HasEntry()) return;
    const PatternFileKind kind = PatternFileKindOf(library_, PatternFile::LockedEntry);
    if (const auto path = AskPatternFile(Handle(), kind, place_.programFolder, true)) model_.ExportLockedEntry(*path);
}

std::optional<std::string> PatternLibraryDialog::AskName(NameMode mode, int folder) {
    NameInputDialog ask(place_.skinsFolder, place_.texts, place_.names, mode, folder);
    if (ask.RunModal(Handle()) != IDOK) return std::nullopt;
    return ask.Name();
}

bool PatternLibraryDialog::ConfirmDelete(int kind) {
    WarningDialog confirm(place_.skinsFolder, place_.texts, WarningVariant::E, kind);
    return confirm.RunModal(Handle()) == IDOK;
}

void PatternLibraryDialog::PaintOver(HDC canvas, const RECT&) {
    const TextSource& texts = place_.texts;
    DrawLabel(canvas, texts.Text(IsGunLibrary() ? str::kGunLibraryTitle : str::kAdvancedPatterns), kTitleBox,
              kTitleFont, fonts_);
    // "X / Y / Delay": one part over each column.
    std::string columns = texts.Text(str::kPatternStepColumns);
    for (const SkinRect& heading : columnHeadings_) {
        const std::size_t cut = columns.find(" / ");
        DrawLabel(canvas, columns.substr(0, cut), heading, kLabelFont, fonts_, TextAlign::Centre);
        columns = cut == std::string::npos ? "" : columns.substr(cut + 3);
    }
    for (int row = 0; row < kGunStepCount; ++row)
        DrawLabel(canvas, std::to_string(row + 1), rowNumbers_[row], kLabelFont, fonts_, TextAlign::Centre);
    if (IsGunLibrary()) {
        DrawLabel(canvas, texts.Text(str::kGunSteps), kGunStepsLabel, kLabelFont, fonts_);
        return;
    }
    DrawLabel(canvas, texts.Text(str::kPatternLibrary), kAdvancedHeading, kLabelFont, fonts_);
    const int fieldLabels[] = {str::kPatternStepCount, str::kPatternRepeat, str::kPatternColour};
    for (std::size_t i = 0; i < std::size(fieldLabels); ++i)
        DrawLabel(canvas, texts.Text(fieldLabels[i]), kAdvancedFieldLabels[i], kLabelFont, fonts_);
}
