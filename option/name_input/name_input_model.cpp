#include "option/name_input/name_input_model.h"

#include "lan/string_ids.h"
#include "option/warning/warning_model.h"

std::optional<NameModeTexts> TextsOfNameMode(int mode) {
    switch (static_cast<NameMode>(mode)) {
        case NameMode::MacroGroup:
            return NameModeTexts{str::kNewGroup, str::kPromptGroupName, kWarnNameEmptyOrGroupExists};
        case NameMode::Macro:
            return NameModeTexts{str::kNewMacro, str::kPromptMacroName, kWarnMacroExists};
        case NameMode::GunFolder:
            return NameModeTexts{str::kNewFolder, str::kPromptFolderName, kWarnGunFolderExists};
        case NameMode::Gun:
            return NameModeTexts{str::kNewGun, str::kPromptGunName, kWarnGunExists};
        case NameMode::AdvancedFolder:
            return NameModeTexts{str::kNewFolder, str::kPromptFolderName, kWarnAdvancedFolderExists};
        case NameMode::AdvancedPattern:
            return NameModeTexts{str::kNewGun, str::kPromptGunName, kWarnAdvancedPatternExists};
    }
    return std::nullopt;
}

std::vector<NameDialogText> LayOutNameTexts(int mode, const TextSource& texts, const TextMeasure& measure) {
    std::vector<NameDialogText> out;
    auto add = [&](int id, const DialogFont& font, const SkinRect& box) {
        std::string text = texts.Text(id);
        const int height = measure.WrappedHeight(text, font, box.Width());
        out.push_back({std::move(text), font, PlaceText(box, height, false, TextAlign::Left)});
    };
    add(str::kNameDialogTitle, kNameTitleFont, kNameTitleBox);
    if (const auto modeTexts = TextsOfNameMode(mode)) {
        add(modeTexts->heading, kNameTitleFont, kNameHeadingBox);
        add(modeTexts->prompt, kNamePromptFont, kNamePromptBox);
    }
    return out;
}

namespace {

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// Whether the library of `mode` already holds `name` where it would go.
bool NameTaken(const OptionStores& stores, int mode, int group, std::string_view name) {
    switch (static_cast<NameMode>(mode)) {
        case NameMode::MacroGroup:
            return stores.Macros().GroupExists(name);
        case NameMode::Macro:
            return stores.Macros().ItemExists(group, name);
        case NameMode::GunFolder:
            return stores.Guns().GroupExists(name);
        case NameMode::Gun:
            return stores.Guns().ItemExists(group, name);
        case NameMode::AdvancedFolder:
            return stores.AdvancedGuns().GroupExists(name);
        case NameMode::AdvancedPattern:
            return stores.AdvancedGuns().ItemExists(group, name);
    }
    return false;
}

}  // namespace

NameSubmit NameInputModel::Submit(std::string_view fieldText) {
    name_.assign(fieldText.substr(0, kNameMaxLength));
    if (IsBlank(name_)) return {false, kWarnNameEmptyOrGroupExists};
    const auto texts = TextsOfNameMode(mode_);
    if (texts && NameTaken(stores_, mode_, groupIndex_, name_)) return {false, texts->warningKind};
    return {true, 0};
}
