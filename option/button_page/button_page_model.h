// The button assignment page: what every control shows and what each click,
// menu command and DPI level message does to the current profile of the
// edited copy. The Win32 page only reads this model into its controls and
// forwards the user's actions.
//
//   ButtonPageModel page(mainWindow.Edited(), dialogs, texts, MapVirtualKeyOfActiveLayout);
//   page.Refresh();                                  // RefreshPage
//   if (auto menu = page.ClickFunction(5, GetTickCount())) { ...track it...
//       page.MenuClosed(GetTickCount()); }
//   if (page.Command(id) == AssignOutcome::Refused) ...warning kPrimaryClickWarning...
//   caption = page.FunctionCaption(5);
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "keys/key_conversion.h"
#include "option/button_page/button_assignment.h"
#include "option/button_page/function_menu.h"
#include "option/dpi_level/dpi_level_model.h"
#include "profile/text_source.h"

inline constexpr int kReportRateChoices = 4;   // PollingRate 0..3
// What each choice means to the mouse: reports every 8, 4, 2 and 1 ms.
inline constexpr const char* kReportRateCaptions[kReportRateChoices] = {"125 Hz", "250 Hz", "500 Hz", "1000 Hz"};
inline constexpr int kColourOptions = 8;       // ColorOptions0 0..7
inline constexpr int kBankCount = 2;

struct ControlState {
    bool enabled = true;
    bool selected = false;
    bool operator==(const ControlState&) const = default;
};

class ButtonPageModel {
public:
    ButtonPageModel(SharedBlock& edited, ButtonDialogs& dialogs, const TextSource& texts, MapVirtualKeyFunction map);

    // RefreshPage: marks the report rate and colour option of the current
    // profile, applies its lighting rule and shows the first bank.
    void Refresh();

    // Page buttons.
    void ChooseReportRate(int n);
    void ChooseColourOption(int n);
    void ShowBank(int bank);
    void RestoreDefaults() { RestoreDefaultFunctions(block_); }

    // A click on function button `entry`, the lighting button or the
    // breathing button at tick `now`: the menu to open, or nothing when a
    // menu closed less than 200 ms ago (the click that closed it).
    std::optional<std::vector<MenuItem>> ClickFunction(int entry, uint32_t now);
    std::optional<std::vector<MenuItem>> ClickLighting(uint32_t now);
    std::optional<std::vector<MenuItem>> ClickBreathing(uint32_t now);
    // After a menu closes the view posts the page an empty message, destroys
    // the menus, takes the opening button out of hover, redraws it at once
    // and gives the page the focus; then it reports the time here.
    void MenuClosed(uint32_t now) { menuGuard_.Closed(now); }

    // WM_COMMAND from a menu: function commands 1000-2000 for the entry
    // whose menu opened last, lighting 3001-3006, breathing 4001-4003.
    // Refused means: show the warning kPrimaryClickWarning.
    AssignOutcome Command(int command);

    // Message 0x468 from DPI level control `controlId` (500-505; others are
    // ignored) with its packed wParam.
    void DpiLevelMessage(uint32_t wParam, int32_t controlId);

    // What the controls show.
    std::string FunctionCaption(int entry) const;
    // A function button is shown and enabled while its bank is shown.
    bool FunctionShown(int entry) const { return entry / kBankEntryCount == shownBank_; }
    ControlState BankButton(int bank) const { return {true, bank == shownBank_}; }
    ControlState ReportRate(int n) const;
    ControlState ColourOption(int n) const { return colours_[n]; }
    // Captions of the lighting and breathing buttons; empty for a value
    // without a menu item.
    std::string LightingCaption() const;
    std::string BreathingCaption() const;
    bool BreathingEnabled() const { return breathingEnabled_; }
    DpiLevelModel DpiLevel(int n) const;

    int ShownBank() const { return shownBank_; }
    int SelectedEntry() const { return selectedEntry_; }

private:
    void SetLightSwitch(int32_t lightSwitch);
    void ApplyLightingRule();
    void MarkColourOption(int32_t n);
    std::string TextOrEmpty(int text) const;

    SharedBlock& block_;
    ButtonDialogs& dialogs_;
    const TextSource& texts_;
    MapVirtualKeyFunction map_;
    int selectedEntry_ = 0;
    int shownBank_ = 0;
    MenuReopenGuard menuGuard_;
    std::array<ControlState, kColourOptions> colours_{};
    bool breathingEnabled_ = true;
};
