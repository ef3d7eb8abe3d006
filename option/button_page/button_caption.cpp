#include "option/button_page/button_caption.h"

#include "keys/key_combo.h"
#include "lan/string_ids.h"
#include "option/button_page/function_commands.h"
#include "profile/button_code.h"
#include "profile/fixed_text.h"
#include "profile/program_folder.h"

namespace {

int GunModeSuffix(int32_t modeIndex) {
    switch (modeIndex) {
        case 1: return str::kGunModeSuffix1;
        case 2: return str::kGunModeSuffix2;
        default: return str::kGunModeSuffix0;
    }
}

}  // namespace

std::string ButtonCaption(const ButtonFunction& entry, const TextSource& texts, MapVirtualKeyFunction map) {
    const std::string name(FixedText(entry.ItemName));
    switch (CodeOf(entry)) {
        case ButtonCode::KeyCombination:
            return entry.ItemCount == 0 ? std::string() : KeyComboCaption(entry.Payload[0], entry.Payload[1], map);
        case ButtonCode::RepeatedClick:
            if (entry.ItemCount == 0) return {};
            return texts.Text(str::kFnRepeatedClick) + " + " + std::string(StoredKeyName(entry.Payload[0], map));
        case ButtonCode::Macro: return name;
        case ButtonCode::RunProgram: return std::string(FileNameOfPath(FixedText(entry.ProgramPath)));
        case ButtonCode::FirePattern: return name + texts.Text(GunModeSuffix(entry.ModeIndex));
        case ButtonCode::AdvancedFirePattern: return name + texts.Text(str::kAdvancedPatternSuffix);
        default: break;
    }
    const FunctionCommand* command = CommandOfCode(CodeOf(entry));
    return command ? texts.Text(command->text) : std::string();
}
