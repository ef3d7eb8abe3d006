#include "option/advanced_page/advanced_page_win.h"

#include <cstring>
#include <tuple>

#include "keys/key_capture_win.h"
#include "keys/keyboard_layout_win.h"
#include "lan/string_ids.h"
#include "option/advanced_page/macro_file_dialog_win.h"
#include "option/name_input/name_input_dialog_win.h"
#include "shell/gbk_font_win.h"
#include "option/warning/warning_dialog_win.h"
#include "skins/skin_entries.h"

namespace {

namespace layout = skin_advance_setting;

constexpr char kThumbPicture[] = "scroll_arrow_down.bmp";
constexpr COLORREF kWellColour = RGB(24, 26, 32);
constexpr COLORREF kListHighlight = RGB(18, 72, 158);
constexpr COLORREF kListText = RGB(220, 224, 232);
constexpr COLORREF kFieldText = RGB(230, 230, 230);
// Caption placement of the skinned buttons: centred, centred beside a
// glyph, and beside an option's box.
constexpr int kPlainText = 4;
constexpr int kOptionText = 6;
constexpr int kGlyphText = 7;
// Opens the pause's in-place edit once the menu has closed and given the
// focus back: the list commits an open edit when it gets the focus.
constexpr UINT kStartValueEditMessage = WM_APP + 1;
constexpr COLORREF kLabelColour = RGB(200, 204, 214);
constexpr int kLabelFontHeight = 15;

// A label of the pointer controls, placed from the top-left corner of its slider.
struct Label {
    int slider;
    int caption;
    RECT offset;
};
constexpr Label kLabels[] = {{layout::kPointerSpeedSlider, str::kPointerSpeedLabel, {0, -28, 382, -8}},
                             {layout::kXSensitivitySlider, str::kSensitivityLabel, {-30, -32, 352, -12}},
                             {layout::kXSensitivitySlider, str::kXLabel, {-30, -6, -4, 14}},
                             {layout::kYSensitivitySlider, str::kYLabel, {-30, -6, -4, 14}},
                             {layout::kWheelLinesSlider, str::kWheelLinesLabel, {0, -28, 382, -8}},
                             {layout::kDoubleClickSlider, str::kDoubleClickLabel, {0, -28, 382, -8}}};

// The spare buttons under the tree list offer its first two commands; the
// third has none and stays disabled.
constexpr int kSpareCaptions[] = {str::kNewGroup, str::kDeleteGroup, 0};
constexpr int kSpareCommands[] = {kCmdNewGroup, kCmdDeleteGroup, 0};
constexpr int kSpareFontHeight = 12;  // the captions fit the narrow buttons

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

AdvancedPage::AdvancedPage(const PageContext& context, AdvancedPatternDialog patterns)
    : OptionPage(context, layout::kIniFile),
      patterns_(std::move(patterns)),
      editor_({context.libraries.MacroLibrary(), context.edited.Profiles, *this, context.texts,
               MapVirtualKeyOfActiveLayout}),
      pointer_({context.edited, *this, context.texts}),
      menus_(context.texts) {}

AdvancedPage::~AdvancedPage() {
    if (editor_.Recording()) RemoveKeyCaptureHook();
}

void AdvancedPage::OnBuild(const SkinWindowBuilder& build) {
    BuildEditor(build);
    BuildPointerControls(build);
    PlaceLabels(build);
}

void AdvancedPage::PlaceLabels(const SkinWindowBuilder& build) {
    labelFont_.reset(CreateCaptionFont(kLabelFontHeight, 0));
    for (const Label& label : kLabels) {
        const RECT slider = build.Rect(label.slider);
        const RECT& o = label.offset;
        labels_.push_back({{slider.left + o.left, slider.top + o.top, slider.left + o.right, slider.top + o.bottom},
                           Context().texts.Text(label.caption)});
    }
}

void AdvancedPage::PaintOver(HDC canvas, const RECT&) {
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, kLabelColour);
    const HGDIOBJ old = SelectObject(canvas, labelFont_.get());
    for (auto& [box, text] : labels_) DrawTextA(canvas, text.c_str(), -1, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    SelectObject(canvas, old);
}

void AdvancedPage::BuildEditor(const SkinWindowBuilder& build) {
    for (auto [entry, id, list] : {std::tuple{layout::kMacroTree, kMacroTreeListId, &tree_},
                                   std::tuple{layout::kEventList, kEventListId, &events_}}) {
        SkinListBox& added = AddListBox(build, entry, id);
        added.SetListId(id);
        added.SetColours(kWellColour, kListHighlight);
        added.SetTextColours(kListText, RGB(255, 255, 255));
        *list = &added;
    }
    tree_->SetDoubleClickNotify(true);
    for (int i = 0; i < 3; ++i) {
        spareButtons_[i] = &AddBitmapButton(
            build, layout::kSpareButton[i], kSpareCaptions[i] ? Context().texts.Text(kSpareCaptions[i]) : "");
        spareButtons_[i]->SetFont(kSpareFontHeight, 0);
        spareButtons_[i]->Enable(kSpareCommands[i] != 0);
    }
    record_ = &AddButton(build, layout::kRecord, str::kRecord, kGlyphText);
    stop_ = &AddButton(build, layout::kStop, str::kStop, kGlyphText);
    recordDelays_ = &AddOption(build, layout::kRecordDelays, str::kRecordDelays);
    repeatCount_ = &AddEdit(build, layout::kRepeatCount, kRepeatCountFieldId);
    repeatCount_->SetNumeric(true);
    repeatCount_->SetColours(kFieldText, kWellColour);
    SendMessageA(repeatCount_->Handle(), EM_LIMITTEXT, kRepeatCountTextLimit, 0);
}

void AdvancedPage::BuildPointerControls(const SkinWindowBuilder& build) {
    pointerSlider_ = AddRangeSlider(build, layout::kPointerSpeedSlider, kPointerSpeedSliderId, kSpeedSliderRange);
    wheelSlider_ = AddRangeSlider(build, layout::kWheelLinesSlider, kWheelLinesSliderId, kWheelLinesRange);
    doubleClickSlider_ =
        AddRangeSlider(build, layout::kDoubleClickSlider, kDoubleClickSliderId, kDoubleClickSliderRange);
    xSlider_ = AddRangeSlider(build, layout::kXSensitivitySlider, kSensitivityXSliderId, kSensitivitySliderRange);
    ySlider_ = AddRangeSlider(build, layout::kYSensitivitySlider, kSensitivityYSliderId, kSensitivitySliderRange);
    pointerField_ = &AddSpin(build, layout::kPointerSpeedField, kPointerSpeedFieldId, kPointerFieldRange);
    wheelField_ = &AddSpin(build, layout::kWheelLinesField, kWheelLinesFieldId, kWheelLinesRange);
    acceleration_ = &AddOption(build, layout::kAcceleration, str::kAcceleration);
    onePage_ = &AddOption(build, layout::kPagePerNotch, str::kOnePagePerNotch);
    synchronise_ = &AddOption(build, layout::kSynchroniseXy, str::kSynchroniseXy);
    restore_ = &AddButton(build, layout::kRestoreAllDefaults, str::kRestoreAllDefaults, kGlyphText);
    advancedPatterns_ = &AddButton(build, layout::kAdvancedPatterns, str::kAdvancedPatterns, kPlainText);
    advancedPatterns_->Enable(static_cast<bool>(patterns_));
}

SkinBitmapButton& AdvancedPage::AddButton(const SkinWindowBuilder& build, int entry, int caption, int textMode) {
    SkinBitmapButton& button = AddBitmapButton(build, entry, Context().texts.Text(caption));
    button.SetTextMode(textMode);
    return button;
}

SkinBitmapButton& AdvancedPage::AddOption(const SkinWindowBuilder& build, int entry, int caption) {
    SkinBitmapButton& option = AddButton(build, entry, caption, kOptionText);
    option.SetToggleMode(true);
    return option;
}

SliderTrack* AdvancedPage::AddRangeSlider(const SkinWindowBuilder& build, int entry, int id, ControlRange range) {
    SliderTrack* slider = AddSlider(build, entry, kThumbPicture, id);
    if (!slider) return nullptr;
    slider->SetRange(range.minimum, range.maximum);
    slider->SetSnap(true);
    return slider;
}

SpinEdit& AdvancedPage::AddSpin(const SkinWindowBuilder& build, int entry, int id, ControlRange range) {
    const RECT at = build.Rect(entry);
    SpinEdit& spin = Own(std::make_unique<SpinEdit>(SpinLayout::kVertical));
    spin.Create(Handle(), at, id);
    spin.SetImages(at, build.Normal(), build.Over(), build.Down(), build.Disable());
    spin.SetRange(range.minimum, range.maximum);
    return spin;
}

BOOL AdvancedPage::OnInit() {
    ShowTree();
    ShowEvents();
    ShowRecording();
    return TRUE;
}

void AdvancedPage::ShowProfile() {
    pointer_.Refresh();
    ShowPointer();
    editor_.RefreshTree();
    ShowTree();
}

void AdvancedPage::ShowTree() { tree_->ReplaceItems(editor_.TreeRows(), editor_.SelectedTreeRow()); }

void AdvancedPage::ShowEvents() {
    events_->ReplaceItems(editor_.EventRows(), editor_.CaretRow());
    // Rewritten only when it differs: every change of the field reports itself.
    const std::string count = editor_.RepeatCountText();
    if (WindowText(repeatCount_->Handle()) != count) SetWindowTextA(repeatCount_->Handle(), count.c_str());
}

void AdvancedPage::ShowRecording() {
    const bool recording = editor_.Recording();
    record_->SetSelected(recording);
    EnableWindow(tree_->Handle(), !recording);
    for (int i = 0; i < 3; ++i) spareButtons_[i]->Enable(!recording && kSpareCommands[i] != 0);
    recordDelays_->SetSelected(editor_.RecordDelays());
}

void AdvancedPage::ShowPointer() {
    const PointerControls& c = pointer_.Controls();
    const std::pair<SliderTrack*, int> sliders[] = {{pointerSlider_, c.pointerSlider},
                                                     {wheelSlider_, c.wheelSlider},
                                                     {doubleClickSlider_, c.doubleClickSlider},
                                                     {xSlider_, c.xSlider},
                                                     {ySlider_, c.ySlider}};
    for (auto [slider, position] : sliders)
        if (slider) slider->SetValue(position);
    if (wheelSlider_) EnableWindow(wheelSlider_->Handle(), c.wheelSliderEnabled);
    pointerField_->SetValue(c.pointerField);
    wheelField_->SetValue(c.wheelField);
    acceleration_->SetSelected(c.acceleration);
    onePage_->SetSelected(c.onePage);
    synchronise_->SetSelected(c.synchronise);
}

void AdvancedPage::OnCommand(int id, int code, HWND control) {
    if (id == kMacroTreeListId && code == LBN_SELCHANGE) {
        editor_.SelectTreeRow(static_cast<int>(SendMessageA(tree_->Handle(), LB_GETCURSEL, 0, 0)));
        ShowEvents();
    } else if (control && code == BN_CLICKED) {
        OnButton(control);
    }
}

void AdvancedPage::OnButton(HWND control) {
    if (control == record_->Handle()) {
        editor_.Record();
        ShowEvents();
        ShowRecording();
    } else if (control == stop_->Handle()) {
        editor_.Stop();
        ShowRecording();
        ShowEvents();
    } else if (control == recordDelays_->Handle()) {
        editor_.SetRecordDelays(recordDelays_->Selected());
    } else if (control == acceleration_->Handle()) {
        pointer_.AccelerationClicked(acceleration_->Selected());
    } else if (control == onePage_->Handle()) {
        pointer_.OnePageClicked(onePage_->Selected());
        ShowPointer();
    } else if (control == synchronise_->Handle()) {
        pointer_.SynchroniseClicked(synchronise_->Selected());
        ShowPointer();
    } else if (control == restore_->Handle()) {
        pointer_.RestoreDefaults();
    } else if (control == advancedPatterns_->Handle()) {
        RunAdvancedPatterns();
    } else {
        for (int i = 0; i < 3; ++i)
            if (control == spareButtons_[i]->Handle() && kSpareCommands[i]) {
                editor_.TreeCommand(kSpareCommands[i]);
                ShowTree();
                ShowEvents();
            }
    }
}

bool AdvancedPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (message == WM_KEY_CAPTURED) {
        editor_.KeyCaptured(static_cast<uint32_t>(wParam), lParam != 0);
        // The 50th event ends the recording by itself.
        if (!editor_.Recording()) ShowRecording();
        ShowEvents();
        return true;
    }
    if (message == kListDoubleClickMessage && lParam == kMacroTreeListId) {
        editor_.ToggleSelectedGroup();
        ShowTree();
        ShowEvents();
        return true;
    }
    if (message == kListRightButtonMessage) {
        OnContextMenu(static_cast<int>(lParam));
        return true;
    }
    if (message == kStartValueEditMessage) {
        SendMessageA(events_->Handle(), LB_SETCURSEL, static_cast<WPARAM>(editor_.EditingRow()), 0);
        events_->StartRename();
        return true;
    }
    if (message == kListRenamedMessage && lParam == kEventListId) {
        OnValueEdited(static_cast<int>(wParam));
        return true;
    }
    if (message == BitmapEditKillFocusMessage()) {
        OnRepeatCount();
        return true;
    }
    if (message == kSliderMovedMessage) {
        pointer_.SliderMoved(static_cast<int>(lParam), static_cast<int>(wParam));
        ShowPointer();
        return true;
    }
    if (message == kSpinEditChangedMessage) {
        OutputDebugStringA(("lParam = " + std::to_string(lParam) + "\n").c_str());
        pointer_.FieldChanged(static_cast<int>(lParam), static_cast<int>(wParam));
        ShowPointer();
        return true;
    }
    return OptionPage::OnMessage(message, wParam, lParam, result);
}

void AdvancedPage::OnContextMenu(int listId) {
    if (!editor_.ContextMenusAllowed()) return;
    const int command = menus_.Track(Handle(), listId);
    if (!command) return;
    if (listId == kMacroTreeListId) {
        if (const std::optional<MacroFileDialog> dialog = MacroFileDialogOf(command))
            RunFileCommand(command, *dialog);
        else
            editor_.TreeCommand(command);
        ShowTree();
        ShowEvents();
        return;
    }
    editor_.EventCommand(command, static_cast<int>(SendMessageA(events_->Handle(), LB_GETCURSEL, 0, 0)));
    ShowEvents();
    ShowRecording();
    if (editor_.EditingRow() >= 0) PostMessageA(Handle(), kStartValueEditMessage, 0, 0);
    if (editor_.Recording()) SetFocus(Handle());
}

void AdvancedPage::RunFileCommand(int command, const MacroFileDialog& dialog) {
    const std::optional<std::string> path = AskMacroFile(GetParent(Handle()), dialog, Context().folders.program);
    if (!path) return;
    switch (command) {
        case kCmdExportGroup: editor_.ExportGroup(*path); break;
        case kCmdImportGroup: editor_.ImportGroup(*path); break;
        case kCmdExportMacro: editor_.ExportMacro(*path); break;
        case kCmdImportMacro: editor_.ImportMacro(*path); break;
        default: break;
    }
}

void AdvancedPage::OnValueEdited(int row) {
    const int length = static_cast<int>(SendMessageA(events_->Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(row), 0));
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(events_->Handle(), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    if (const std::optional<EventRow> bounded = editor_.FinishEdit(text)) {
        SendMessageA(events_->Handle(), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
        events_->InsertItem(row, bounded->text, bounded->data);
        SendMessageA(events_->Handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
}

void AdvancedPage::OnRepeatCount() {
    if (const std::optional<std::string> shown = editor_.RepeatCountChanged(WindowText(repeatCount_->Handle())))
        SetWindowTextA(repeatCount_->Handle(), shown->c_str());
}

// The dialog commits (saves the library, refreshes the buttons' copies) or
// drops its changes itself; the page only shows the buttons again.
void AdvancedPage::RunAdvancedPatterns() {
    if (patterns_(GetParent(Handle()), Context())) RefreshButtonCaptions();
}

uint32_t AdvancedPage::TickCount() { return GetTickCount(); }

void AdvancedPage::InstallKeyCapture() {
    InstallKeyCaptureHook(Handle());
    SetFocus(Handle());
}

void AdvancedPage::RemoveKeyCapture() { RemoveKeyCaptureHook(); }

std::optional<std::string> AdvancedPage::AskName(NameMode mode, int group) {
    const PageContext& context = Context();
    NameInputDialog ask(context.folders.skins, context.texts, context.libraries, mode, group);
    if (ask.RunModal(GetParent(Handle())) != IDOK) return std::nullopt;
    return ask.Name();
}

bool AdvancedPage::Warn(WarningVariant variant, int kind) {
    const PageContext& context = Context();
    return WarningDialog(context.folders.skins, context.texts, variant, kind).RunModal(GetParent(Handle())) == IDOK;
}

void AdvancedPage::SaveMacros() { Context().libraries.SaveMacros(); }

// The button page shows the macros' names: reselecting the shown profile
// makes the main window display both pages again from the edited copy.
void AdvancedPage::RefreshButtonCaptions() {
    const HWND main = GetParent(Handle());
    const int id = skin_main::kProfile[Context().edited.CurrentProfile];
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, id)));
}

void AdvancedPage::SetDoubleClickTime(int32_t milliseconds) { ::SetDoubleClickTime(static_cast<UINT>(milliseconds)); }

bool AdvancedPage::ConfirmRestoreDefaults() { return Warn(WarningVariant::B, 0); }

// The main window refreshes and applies as when the user picks profile 1
// and presses Apply.
void AdvancedPage::ProfilesRestored() {
    const HWND main = GetParent(Handle());
    for (int id : {skin_main::kProfile[0], skin_main::kApply})
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, id)));
}
