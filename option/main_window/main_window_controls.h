// The controls of the main window, built from skin_main.ini: which layout
// entry, outline mask, caption and command each one has.
#pragma once

#include "lan/string_ids.h"
#include "skins/skin_entries.h"

enum class MainCommand {
    ShowBasicPage,
    ShowAdvancedPage,
    Ok,
    Apply,
    Cancel,
    Minimise,
    Close,
    OpenWebSite,
    SelectProfile,  // profile `profile` of the control
    Import,
    Export,
};

struct MainControl {
    int entry;         // BUTTONPOS key
    const char* mask;  // outline mask in the skins folder, or nullptr
    int caption;       // language string, 0 for none
    MainCommand command;
    int profile = -1;  // for SelectProfile: 0..4
};

inline constexpr MainControl kMainControls[] = {
    {skin_main::kBasicPage, "basic_mask.bmp", str::kBasicPage, MainCommand::ShowBasicPage},
    {skin_main::kAdvancedPage, "advanced_mask.bmp", str::kAdvancedPage, MainCommand::ShowAdvancedPage},
    {skin_main::kOk, "ok_mask.bmp", str::kOk, MainCommand::Ok},
    {skin_main::kApply, "ok_mask.bmp", str::kApply, MainCommand::Apply},
    {skin_main::kCancel, "cancel_mask.bmp", str::kCancel, MainCommand::Cancel},
    {skin_main::kMinimise, nullptr, 0, MainCommand::Minimise},
    {skin_main::kClose, nullptr, 0, MainCommand::Close},
    {skin_main::kLogo, nullptr, 0, MainCommand::OpenWebSite},
    {skin_main::kProfile[0], "prifile1_mask.bmp", str::kProfile1, MainCommand::SelectProfile, 0},
    {skin_main::kProfile[1], "prifile2_mask.bmp", str::kProfile2, MainCommand::SelectProfile, 1},
    {skin_main::kProfile[2], "prifile1_mask.bmp", str::kProfile3, MainCommand::SelectProfile, 2},
    {skin_main::kProfile[3], "prifile2_mask.bmp", str::kProfile4, MainCommand::SelectProfile, 3},
    {skin_main::kProfile[4], "prifile1_mask.bmp", str::kProfile5, MainCommand::SelectProfile, 4},
    {skin_main::kImport, "prifile2_mask.bmp", 0, MainCommand::Import},
    {skin_main::kExport, nullptr, 0, MainCommand::Export},
};

// A control without a caption shows nothing but its piece of the window's
// background until it is pointed at or pressed (none of them is ever
// latched), so the window builds it after its first frame.
constexpr bool BuiltAfterFirstFrame(const MainControl& control) { return control.caption == 0; }

// Both pages are placed in the rectangle of this entry.
inline constexpr int kMainPageAreaEntry = skin_main::kPageArea;
// Where the window paints the mouse's firmware version and its own.
inline constexpr int kMainStatusEntry = skin_main::kStatus;
