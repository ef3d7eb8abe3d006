// The button assignment page: page 0 of the main window. It shows the
// ButtonPageModel in its skinned controls and forwards every click, menu
// command and DPI level message to it.
//
//   pages[0] = std::make_unique<ButtonPage>(context, LibraryDialogSlots{});
//   pages[0]->CreateChild(mainWindow, area);
//   pages[0]->ShowProfile();              // RefreshPage
#pragma once

#include <array>
#include <vector>

#include "option/button_page/button_dialogs_win.h"
#include "option/button_page/button_page_layout.h"
#include "option/button_page/button_page_model.h"
#include "option/dpi_level/dpi_level_control_win.h"
#include "option/main_window/option_page_win.h"
#include "option/warning/dialog_text_win.h"

class ButtonPage final : public OptionPage {
public:
    ButtonPage(const PageContext& context, LibraryDialogSlots slots);

    // RefreshPage: every control from the current profile, first bank shown.
    void ShowProfile() override;
    void ShowDpiStage() override;
    void ShowPollingRate() override;

private:
    void OnBuild(const SkinWindowBuilder& build) override;
    BOOL OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintOver(HDC canvas, const RECT& client) override;

    void OnButton(int id);
    void OnMenuCommand(int command);
    // Opens a menu below `button` when the model allows it (`items`).
    void OpenMenu(SkinBitmapButton& button, const std::optional<std::vector<MenuItem>>& items, int width);
    void ShowFunctions();
    void ShowLighting();
    void ShowBank();
    void ShowDpiLevels();

    ButtonDialogsWin dialogs_;
    ButtonPageModel model_;
    std::array<SkinBitmapButton*, kButtonEntryCount> functions_{};
    std::array<SkinBitmapButton*, kReportRateChoices> reportRates_{};
    std::array<SkinBitmapButton*, kColourOptions> colours_{};
    std::array<SkinBitmapButton*, kBankCount> banks_{};
    std::array<DpiLevelControl*, kDpiLevelCount> levels_{};
    SkinBitmapButton* lighting_ = nullptr;
    SkinBitmapButton* breathing_ = nullptr;
    HICON submenuArrow_ = nullptr;  // a shared resource icon: not destroyed
    DialogFonts headingFonts_{kPageSectionFont, kPageLabelFont};
    std::vector<PageHeading> headings_;  // laid out once: the texts do not change
};
