#include "option/button_page/button_page_win.h"

#include <span>

#include "keys/keyboard_layout_win.h"
#include "option/button_page/page_menu_win.h"
#include "option/button_page/page_resources.h"
#include "option/warning/warning_dialog_win.h"
#include "skins/skin_entries.h"

namespace {

namespace layout = skin_button_page;

// The position of `id` among the layout entries `entries`, or -1.
int IndexOf(std::span<const int> entries, int id) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == id) return static_cast<int>(i);
    return -1;
}

}  // namespace

ButtonPage::ButtonPage(const PageContext& context, LibraryDialogSlots slots)
    : OptionPage(context, layout::kIniFile),
      dialogs_(Context(), std::move(slots)),
      model_(Edited(), dialogs_, context.texts, MapVirtualKeyOfActiveLayout) {}

void ButtonPage::OnBuild(const SkinWindowBuilder& build) {
    const TextSource& texts = Context().texts;
    for (int e = 0; e < kButtonEntryCount; ++e) {
        functions_[e] = &AddBitmapButton(build, layout::kFunction[e]);
        functions_[e]->SetTextMode(kFunctionButtonTextMode);
    }
    AddBitmapButton(build, kRestoreButton.entry, texts.Text(kRestoreButton.caption))
        .SetFont(kPageButtonFontHeight, 0);
    for (int n = 0; n < kReportRateChoices; ++n)
        reportRates_[n] = &AddBitmapButton(build, layout::kReportRate[n], kReportRateCaptions[n]);
    lighting_ = &AddBitmapButton(build, layout::kLightingMode);
    breathing_ = &AddBitmapButton(build, layout::kBreathingSpeed);
    for (int n = 0; n < kDpiLevelCount; ++n) {
        const RECT at = build.Rect(layout::kDpiLevel[n]);
        levels_[n] = &Own(std::make_unique<DpiLevelControl>());
        levels_[n]->Create(Handle(), at, kDpiLevelFirstId + n, Context().folders.skins,
                           texts.Text(kDpiLevelFirstTitleString + n));
        levels_[n]->SetPictures(at, build.Normal(), build.Over(), build.Down());
    }
    for (int n = 0; n < kColourOptions; ++n) colours_[n] = &AddBitmapButton(build, layout::kColourOption[n]);
    for (int b = 0; b < kBankCount; ++b) {
        banks_[b] = &AddBitmapButton(build, kBankButtons[b].entry, texts.Text(kBankButtons[b].caption));
        banks_[b]->SetFont(kPageButtonFontHeight, 0);
    }
}

BOOL ButtonPage::OnInit() {
    // Modal over the whole main window, which also closes them when it is asked to close.
    dialogs_.SetOwner(GetAncestor(Handle(), GA_ROOT));
    submenuArrow_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(PAGE_SUBMENU_ARROW_ICON),
                                                  IMAGE_ICON, 0, 0, LR_SHARED));
    const WindowDc dc(Handle());
    headings_ = LayOutPageHeadings(Context().texts, GdiTextMeasure(dc.get(), headingFonts_));
    return TRUE;
}

void ButtonPage::ShowProfile() {
    model_.Refresh();
    ShowFunctions();
    ShowLighting();
    ShowPollingRate();
    ShowDpiLevels();
    ShowBank();
}

// A DPI level control repaints whole on every change: only changes are passed on.
void ButtonPage::ShowDpiStage() {
    for (int n = 0; n < kDpiLevelCount; ++n) {
        const bool current = model_.DpiLevel(n).IsCurrent();
        if (levels_[n]->Model().IsCurrent() != current) levels_[n]->SetCurrent(current);
    }
}

void ButtonPage::ShowPollingRate() {
    for (int n = 0; n < kReportRateChoices; ++n) reportRates_[n]->SetSelected(model_.ReportRate(n).selected);
}

void ButtonPage::OnCommand(int id, int, HWND control) {
    // Menus send their commands without a control window.
    if (control)
        OnButton(id);
    else
        OnMenuCommand(id);
}

void ButtonPage::OnButton(int id) {
    if (const int e = IndexOf(layout::kFunction, id); e >= 0) {
        OpenMenu(*functions_[e], model_.ClickFunction(e, GetTickCount()), kFunctionMenuWidth);
    } else if (id == layout::kLightingMode) {
        OpenMenu(*lighting_, model_.ClickLighting(GetTickCount()), kSettingMenuWidth);
    } else if (id == layout::kBreathingSpeed) {
        OpenMenu(*breathing_, model_.ClickBreathing(GetTickCount()), kSettingMenuWidth);
    } else if (id == kRestoreButton.entry) {
        model_.RestoreDefaults();
        ShowFunctions();
    } else if (const int n = IndexOf(layout::kReportRate, id); n >= 0) {
        model_.ChooseReportRate(n);
        ShowPollingRate();
    } else if (const int c = IndexOf(layout::kColourOption, id); c >= 0) {
        model_.ChooseColourOption(c);
        ShowLighting();
    } else if (id == kBankButtons[0].entry || id == kBankButtons[1].entry) {
        model_.ShowBank(id == kBankButtons[0].entry ? 0 : 1);
        ShowBank();
    }
}

void ButtonPage::OpenMenu(SkinBitmapButton& button, const std::optional<std::vector<MenuItem>>& items, int width) {
    if (!items) return;  // the click that closed the last menu
    TrackPageMenu(Handle(), button.Handle(), *items, width, Context().texts, submenuArrow_);
    // Wakes the message loop so the chosen command is handled at once.
    PostMessageA(Handle(), WM_NULL, 0, 0);
    button.LeaveHover();
    SetFocus(Handle());
    model_.MenuClosed(GetTickCount());
}

void ButtonPage::OnMenuCommand(int command) {
    switch (model_.Command(command)) {
        case AssignOutcome::Refused:
            WarningDialog(Context().folders.skins, Context().texts, kPrimaryClickWarning)
                .RunModal(GetAncestor(Handle(), GA_ROOT));
            break;
        case AssignOutcome::Assigned:
            ShowFunctions();
            ShowLighting();
            break;
        case AssignOutcome::Cancelled:
        case AssignOutcome::Ignored: break;
    }
}

bool ButtonPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kDpiLevelMessage) {
        model_.DpiLevelMessage(static_cast<uint32_t>(wParam), static_cast<int32_t>(lParam));
        ShowDpiStage();
        result = 0;
        return true;
    }
    if (message == WM_SYSCOMMAND && ((wParam & 0xFFF0) == SC_MINIMIZE || (wParam & 0xFFF0) == SC_MAXIMIZE)) {
        result = 0;
        return true;
    }
    return OptionPage::OnMessage(message, wParam, lParam, result);
}

void ButtonPage::PaintOver(HDC canvas, const RECT&) {
    for (const PageHeading& h : headings_) DrawPlacedText(canvas, h.text, h.place, h.font, headingFonts_);
}

void ButtonPage::ShowFunctions() {
    for (int e = 0; e < kButtonEntryCount; ++e) functions_[e]->SetCaption(model_.FunctionCaption(e));
}

void ButtonPage::ShowLighting() {
    lighting_->SetCaption(model_.LightingCaption());
    breathing_->SetCaption(model_.BreathingCaption());
    breathing_->Enable(model_.BreathingEnabled());
    for (int n = 0; n < kColourOptions; ++n) {
        const ControlState state = model_.ColourOption(n);
        colours_[n]->Enable(state.enabled);
        colours_[n]->SetSelected(state.selected);
    }
}

void ButtonPage::ShowBank() {
    for (int b = 0; b < kBankCount; ++b) banks_[b]->SetSelected(model_.BankButton(b).selected);
    for (int e = 0; e < kButtonEntryCount; ++e) {
        const bool shown = model_.FunctionShown(e);
        ShowWindow(functions_[e]->Handle(), shown ? SW_SHOW : SW_HIDE);
        EnableWindow(functions_[e]->Handle(), shown);
    }
}

void ButtonPage::ShowDpiLevels() {
    for (int n = 0; n < kDpiLevelCount; ++n) {
        const DpiLevelModel level = model_.DpiLevel(n);
        const DpiLevelModel& shown = levels_[n]->Model();
        if (shown.Value() != level.Value()) levels_[n]->SetValue(level.Value());
        if (shown.Enabled() != level.Enabled()) levels_[n]->SetEnabled(level.Enabled());
    }
    ShowDpiStage();
}
