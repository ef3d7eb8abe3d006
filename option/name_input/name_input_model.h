// The name input dialog: asks for the name of a new or renamed group or
// item in one of the three libraries, refuses an empty name and one that
// already exists at that place, and hands the accepted name back.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "option/option_stores.h"
#include "option/warning/dialog_text.h"
#include "profile/text_source.h"

// What is being named; set by the caller before the dialog runs.
enum class NameMode {
    MacroGroup = 1,
    Macro = 2,           // in group groupIndex
    GunFolder = 3,
    Gun = 4,             // in folder groupIndex
    AdvancedFolder = 5,
    AdvancedPattern = 6  // in folder groupIndex
};

struct NameModeTexts {
    int heading;      // language string
    int prompt;       // language string
    int warningKind;  // kind of the warning shown when the name exists
};

// The texts of a mode; none for a mode outside 1..6 (the dialog then
// shows its title alone).
std::optional<NameModeTexts> TextsOfNameMode(int mode);

inline constexpr std::size_t kNameMaxLength = 50;

// Title (string 226) and heading: white, 18 high; prompt: white, 15 high.
inline constexpr DialogFont kNameTitleFont{18, 400, Rgb(255, 255, 255)};
inline constexpr DialogFont kNamePromptFont{15, 400, Rgb(255, 255, 255)};
// Boxes of the title, the heading and the prompt, above the name field.
inline constexpr SkinRect kNameTitleBox{24, 40, 376, 64};
inline constexpr SkinRect kNameHeadingBox{24, 66, 376, 88};
inline constexpr SkinRect kNamePromptBox{24, 92, 376, 114};

struct NameDialogText {
    std::string text;
    DialogFont font;
    PlacedText place;
};

// What the dialog paints over its background: the title, then the mode's
// heading and prompt, each measured in its box's width and drawn
// left-aligned from the box's top.
std::vector<NameDialogText> LayOutNameTexts(int mode, const TextSource& texts, const TextMeasure& measure);

struct NameSubmit {
    bool accepted;
    int warningKind;  // when refused: the kind of the warning (variant B) to show
};

class NameInputModel {
public:
    explicit NameInputModel(const OptionStores& stores) : stores_(stores) {}

    void SetMode(int mode) { mode_ = mode; }
    void SetGroupIndex(int group) { groupIndex_ = group; }
    int Mode() const { return mode_; }

    // OK: takes the field's text as the name. Refused when it is empty or
    // blank (the libraries compare names without their blanks, so a blank
    // name would be an empty one) or when the library already holds it at
    // the mode's place; the dialog then shows the warning and stays open.
    NameSubmit Submit(std::string_view fieldText);

    // The accepted name, for the caller after OK.
    const std::string& Name() const { return name_; }

private:
    const OptionStores& stores_;
    int mode_ = 0;
    int groupIndex_ = -1;
    std::string name_;
};
