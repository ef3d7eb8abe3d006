#include "profile/change_flags.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename T, std::size_t N>
bool ArraysDiffer(const T (&a)[N], const T (&b)[N]) {
    return !std::equal(std::begin(a), std::end(a), std::begin(b));
}

constexpr int kFirstBankEntries = 16;

}  // namespace

bool SettingsDiffer(const Profile& e, const Profile& h) {
    return e.XYSynchronous != h.XYSynchronous || e.Sensitivity_X != h.Sensitivity_X ||
           e.Sensitivity_Y != h.Sensitivity_Y || e.XYCpiFlag != h.XYCpiFlag ||
           e.LightIntensity != h.LightIntensity || e.BreathSpeed != h.BreathSpeed ||
           e.ColorOptions0 != h.ColorOptions0 || e.rgbColor2 != h.rgbColor2 ||
           e.rgbColor3 != h.rgbColor3 || ArraysDiffer(e.CpiLevel_X, h.CpiLevel_X) ||
           ArraysDiffer(e.CpiLevel_Y, h.CpiLevel_Y) || e.CpiStep != h.CpiStep ||
           ArraysDiffer(e.dpiStepFlag, h.dpiStepFlag) ||
           ArraysDiffer(e.dpiIndicator, h.dpiIndicator) || e.LiftSwitch != h.LiftSwitch ||
           e.LiftLevel != h.LiftLevel || e.LightEffectSwitch1 != h.LightEffectSwitch1 ||
           e.LightEffectSwitch2 != h.LightEffectSwitch2 ||
           e.LightEffectType1 != h.LightEffectType1 || e.LightEffectType2 != h.LightEffectType2 ||
           e.ColorFlag != h.ColorFlag || e.ColorOptions1 != h.ColorOptions1 ||
           e.ColorOptions2 != h.ColorOptions2 || e.LightSwitch != h.LightSwitch ||
           e.ColorChangeMode != h.ColorChangeMode || e.BTOption != h.BTOption ||
           e.OTGSpeed != h.OTGSpeed;
}

void ComputeChangeFlags(SharedBlock& edited, const SharedBlock& handedOver) {
    for (int p = 0; p < kProfileCount; ++p) {
        const Profile& e = edited.Profiles[p];
        const Profile& h = handedOver.Profiles[p];
        edited.PollingChanged[p] = e.PollingRate != h.PollingRate;
        edited.DpiStageChanged[p] = e.CpiStep != h.CpiStep;
        edited.SettingsChanged[p] = SettingsDiffer(e, h);
    }
    edited.ProfileChanged = edited.CurrentProfile != handedOver.CurrentProfile;
}

void ClearAppliedFlags(SharedBlock& edited) {
    edited.ProfileChanged = 0;
    for (int p = 0; p < kProfileCount; ++p) {
        edited.PollingChanged[p] = 0;
        edited.DpiStageChanged[p] = 0;
        edited.SettingsChanged[p] = 0;
        std::fill_n(edited.ButtonChanged[p], kFirstBankEntries, 0);
    }
}
