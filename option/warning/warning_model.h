// The warning and confirmation dialog: one layout (skin_warn.ini), five
// variants that differ in the message they show. The caller picks the
// variant, sets the kind for B and E, runs the dialog and acts on OK.
#pragma once

#include <string>
#include <string_view>

#include "option/warning/dialog_text.h"
#include "profile/text_source.h"

enum class WarningVariant {
    A,  // the first bank would lose its last primary click
    B,  // name refused (by kind), or restore-defaults confirmation (kind 0)
    C,  // select a macro first
    D,  // the mouse is not connected
    E,  // delete confirmations (by kind)
};

// Kinds of variant B, as the name dialog and the macro editor pass them.
inline constexpr int kWarnNameEmptyOrGroupExists = 1;
inline constexpr int kWarnMacroExists = 2;
inline constexpr int kWarnGunFolderExists = 3;
inline constexpr int kWarnGunExists = 4;
inline constexpr int kWarnAdvancedFolderExists = 5;
inline constexpr int kWarnAdvancedPatternExists = 6;

// The language string of the message, or 0 when the dialog shows the
// title alone (variant E with an unknown kind).
int WarningMessageString(WarningVariant variant, int kind);

// Title: string 251, red, 18 high, normal weight, left-aligned in its box.
inline constexpr DialogFont kWarningTitleFont{18, 400, Rgb(255, 0, 0)};
// Message: 15 high, light grey, centred in its box.
inline constexpr DialogFont kWarningMessageFont{15, 400, Rgb(230, 230, 230)};
inline constexpr SkinRect kWarningTitleBox{40, 40, 200, 70};
inline constexpr SkinRect kWarningMessageBox{40, 80, 360, 200};

struct WarningTexts {
    std::string title;
    std::string message;  // empty when the variant shows none
    PlacedText titlePlace;
    PlacedText messagePlace;
};

// What the dialog paints and where: both texts are measured in their box's
// width; one shorter than its box is centred vertically in it, a longer one
// starts at the box's top.
WarningTexts LayOutWarningTexts(WarningVariant variant, int kind, const TextSource& texts,
                                const TextMeasure& measure);

// Every variant is centred on its owner (the window that asked), kept
// inside the work area; with no owner it is centred in the work area.
SkinRect WarningPlacement(const SkinRect* owner, int width, int height, const SkinRect& workArea);
