// What the page draws besides its controls' state: the captions of its
// fixed buttons, the caption mode of the function buttons and the section
// headings painted over the background.
#pragma once

#include <string>
#include <vector>

#include "lan/string_ids.h"
#include "option/warning/dialog_text.h"
#include "profile/text_source.h"
#include "skins/skin_entries.h"

// Function buttons: caption text mode 6. Restore and bank buttons: SimSun 15 x 0.
inline constexpr int kFunctionButtonTextMode = 6;
inline constexpr int kPageButtonFontHeight = 15;

struct PageButton {
    int entry;    // BUTTONPOS key
    int caption;  // language string
};
inline constexpr PageButton kRestoreButton{skin_button_page::kRestoreDefaults, str::kRestoreButtons};
inline constexpr PageButton kBankButtons[] = {{skin_button_page::kFirstBank, str::kFirstBank},
                                              {skin_button_page::kSecondBank, str::kSecondBank}};

// The headings' fonts: over sections, and before the lighting and breathing buttons.
inline constexpr DialogFont kPageSectionFont{18, 400, Rgb(230, 230, 230)};
inline constexpr DialogFont kPageLabelFont{15, 400, Rgb(230, 230, 230)};

struct PageHeading {
    std::string text;
    DialogFont font;
    PlacedText place;
};

// The six headings in light grey SimSun (18 high over sections, 15 before
// the lighting and breathing buttons), each measured word-wrapped in its
// box's width and centred vertically in the box.
std::vector<PageHeading> LayOutPageHeadings(const TextSource& texts, const TextMeasure& measure);
