#include "option/button_page/button_page_model.h"

#include "option/button_page/button_caption.h"
#include "option/button_page/function_commands.h"

namespace {

constexpr int kLastColourOption = kColourOptions - 1;

}  // namespace

ButtonPageModel::ButtonPageModel(SharedBlock& edited, ButtonDialogs& dialogs, const TextSource& texts,
                                 MapVirtualKeyFunction map)
    : block_(edited), dialogs_(dialogs), texts_(texts), map_(map) {}

void ButtonPageModel::Refresh() {
    if (const Profile* p = ActiveProfile(block_)) {
        MarkColourOption(static_cast<int32_t>(p->ColorOptions0));
        ApplyLightingRule();
    }
    ShowBank(0);
}

void ButtonPageModel::ChooseReportRate(int n) {
    if (Profile* p = ActiveProfile(block_)) p->PollingRate = n;
}

void ButtonPageModel::ChooseColourOption(int n) {
    Profile* p = ActiveProfile(block_);
    if (!p) return;
    p->ColorOptions0 = static_cast<uint32_t>(n);
    MarkColourOption(n);
}

void ButtonPageModel::ShowBank(int bank) { shownBank_ = bank; }

std::optional<std::vector<MenuItem>> ButtonPageModel::ClickFunction(int entry, uint32_t now) {
    if (!menuGuard_.MayOpen(now)) return std::nullopt;
    selectedEntry_ = entry;
    return FunctionMenu(entry, dialogs_);
}

std::optional<std::vector<MenuItem>> ButtonPageModel::ClickLighting(uint32_t now) {
    if (!menuGuard_.MayOpen(now)) return std::nullopt;
    return LightingMenu();
}

std::optional<std::vector<MenuItem>> ButtonPageModel::ClickBreathing(uint32_t now) {
    if (!menuGuard_.MayOpen(now)) return std::nullopt;
    return BreathingMenu();
}

AssignOutcome ButtonPageModel::Command(int command) {
    Profile* p = ActiveProfile(block_);
    if (!p) return AssignOutcome::Ignored;
    if (command >= kFirstFunctionCommand && command <= kLastFunctionCommand)
        return AssignFunction(block_, selectedEntry_, command, dialogs_);
    if (command >= kFirstLightingCommand && command < kFirstLightingCommand + kLightingChoices) {
        SetLightSwitch(command - kFirstLightingCommand);
        return AssignOutcome::Assigned;
    }
    if (command >= kFirstBreathingCommand && command < kFirstBreathingCommand + kBreathingChoices) {
        p->BreathSpeed = command - kFirstBreathingCommand + 1;
        return AssignOutcome::Assigned;
    }
    return AssignOutcome::Ignored;
}

void ButtonPageModel::DpiLevelMessage(uint32_t wParam, int32_t controlId) {
    Profile* p = ActiveProfile(block_);
    const int n = controlId - kDpiLevelFirstId;
    if (!p || n < 0 || n >= kDpiLevelCount) return;
    const DpiLevelNotice notice = UnpackDpiLevelNotice(wParam);
    switch (notice.kind) {
        case DpiLevelChange::kEnabled: p->dpiStepFlag[n] = notice.data; break;
        case DpiLevelChange::kValue: p->CpiLevel_X[n] = notice.data; break;
        // Whatever the strip's flag: a click on it always makes its level current.
        case DpiLevelChange::kCurrent: p->CpiStep = n; break;
    }
}

std::string ButtonPageModel::FunctionCaption(int entry) const {
    const Profile* p = ActiveProfile(block_);
    return p ? ButtonCaption(p->MacroKeyInfo[entry], texts_, map_) : std::string();
}

ControlState ButtonPageModel::ReportRate(int n) const {
    const Profile* p = ActiveProfile(block_);
    return {true, p && p->PollingRate == n};
}

std::string ButtonPageModel::LightingCaption() const {
    const Profile* p = ActiveProfile(block_);
    return TextOrEmpty(p ? LightingText(p->LightSwitch) : 0);
}

std::string ButtonPageModel::BreathingCaption() const {
    const Profile* p = ActiveProfile(block_);
    return TextOrEmpty(p ? BreathingText(p->BreathSpeed) : 0);
}

std::string ButtonPageModel::TextOrEmpty(int text) const { return text ? texts_.Text(text) : std::string(); }

DpiLevelModel ButtonPageModel::DpiLevel(int n) const {
    DpiLevelModel level;
    if (const Profile* p = ActiveProfile(block_)) {
        level.SetValue(p->CpiLevel_X[n]);
        level.SetEnabled(p->dpiStepFlag[n] != 0);
        level.SetCurrent(p->CpiStep == n);
    }
    return level;
}

void ButtonPageModel::SetLightSwitch(int32_t lightSwitch) {
    ActiveProfile(block_)->LightSwitch = lightSwitch;
    ApplyLightingRule();
}

// Off: no colour and no breathing. The three single-colour effects run on
// the last colour option alone. The other two offer all eight colours.
// Any other value (a damaged file) leaves the controls as they are.
void ButtonPageModel::ApplyLightingRule() {
    Profile& p = *ActiveProfile(block_);
    switch (p.LightSwitch) {
        case 0:
            colours_.fill({false, false});
            breathingEnabled_ = false;
            break;
        case 1:
        case 2:
        case 3:
            p.ColorOptions0 = kLastColourOption;
            colours_.fill({false, false});
            colours_[kLastColourOption] = {true, true};
            breathingEnabled_ = true;
            break;
        case 4:
        case 5:
            for (ControlState& c : colours_) c.enabled = true;
            breathingEnabled_ = true;
            break;
        default: break;
    }
}

void ButtonPageModel::MarkColourOption(int32_t n) {
    for (int i = 0; i < kColourOptions; ++i) colours_[i].selected = i == n;
}
