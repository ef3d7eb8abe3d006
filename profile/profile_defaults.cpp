#include "profile/profile_defaults.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "profile/fixed_text.h"

const uint8_t kDefaultButtonCodes[kButtonEntryCount] = {
    1, 2, 3, 7, 8, 13, 46, 47,        //
    31, 32, 0, 0, 0, 0, 9, 10,        //
    1, 2, 3, 100, 100, 13, 100, 100,  //
    1, 103, 0, 0, 0, 0, 9, 10,        //
};

namespace {

struct GunPreset {
    int entry;
    const char* name;  // nullptr: the language string of the preset
    int32_t gunItem;
    int32_t modeValue;
    uint32_t colour;
};

constexpr GunPreset kGunPresets[] = {
    {19, nullptr, 9, 12, 0x0000FF},
    {20, "M4", 0, 12, 0xFFFF00},
    {22, "SKS", 10, 6, 0xFF0000},
    {23, "AKM", 1, 11, 0x00FF00},
};

constexpr int32_t kDefaultCpiLevels[6] = {16, 32, 48, 80, 128, 164};
constexpr uint8_t kDefaultDpiIndicators[6] = {0, 2, 1, 4, 3, 5};
constexpr uint32_t kDefaultDpiColours[6] = {0x0000FF, 0xFF0000, 0x00FF00,
                                            0xFF00FF, 0xFFFF00, 0x00FFFF};

void SetScalarDefaults(Profile& p) {
    p.DbleClickSpeed = 550;
    p.ScrollWheelSpeed = 3;
    p.ScrollWheelFlag = 0;
    p.MouseSpeed = 10;
    p.Acceleration = 10;
    p.AccelerationFlag = 0;
    p.TiltSpeed = 3;
    p.LightIntensity = 1;
    p.BreathSpeed = 2;
    p.TimeCloseFlag = 1;
    p.GunMode = 0;
    p.MediaOption = 0;
    p.HDDKeyboard = 1;
    p.Orientation = 0;
    p.XYSynchronous = 0;
    p.Sensitivity_X = 10;
    p.Sensitivity_Y = 10;
    p.XYCpiFlag = 1;
    p.CpiStep = 1;
    p.DpiIndicationType = 1;
    p.PollingRate = 2;
    p.LightSwitch = 1;
    p.LightType = 0;
    p.ColorFlag = 1;
    p.OTGSpeed = 10;
    p.BtnConfiguration = 4;
    p.Color1Type = 1;
    p.Color2Type = 1;
    p.LightEffectSwitch1 = 2;
    p.LightEffectSwitch2 = 0;
    p.LightEffectType1 = 0;
    p.LightEffectType2 = 1;
    p.ColorOptions1 = 1;
    p.ColorOptions2 = 1;
    p.ColorChangeModeOptions1 = 1;
    p.ColorChangeModeOptions2 = 1;
    p.FireOrOnToGoStatusIndicatorSetting = 1;
    p.ProfileSwitchIndictor = 1;
}

void SetDpiDefaults(Profile& p) {
    for (int i = 0; i < 6; ++i) {
        p.CpiLevel_X[i] = kDefaultCpiLevels[i];
        p.CpiLevel_Y[i] = kDefaultCpiLevels[i];
        p.dpiStepFlag[i] = 1;
        p.dpiIndicator[i] = kDefaultDpiIndicators[i];
        p.DPIColor[i] = kDefaultDpiColours[i];
    }
}

void SetGunPreset(ButtonFunction& b, const GunPreset& preset, const TextSource& texts) {
    b.Code = 100;
    b.ItemCount = 1;
    std::memset(b.Payload, 0, sizeof b.Payload);
    std::memset(b.Steps, 0, sizeof b.Steps);
    b.MacroGroup = -1;
    b.MacroItem = -1;
    b.AdvanceGunGroup = -1;
    b.AdvanceGunItem = -1;
    b.GunGroup = 0;
    b.GunItem = preset.gunItem;
    b.ModeIndex = 0;
    b.ModeValue = preset.modeValue;
    b.GunAux = 5;
    b.GunColor = preset.colour;
    b.RunMode = 2;
    SetFixedText(b.ItemName, preset.name ? std::string(preset.name) : texts.Text(kPresetGunNameString));
}

}  // namespace

void ResetSharedProfiles(SharedBlock& block) {
    std::memset(&block, 0, sizeof block);
    block.CurrentProfile = -1;
}

void ClearToDefaultFunction(ButtonFunction& entry, int e) {
    std::memset(&entry, 0, sizeof entry);
    entry.Index = static_cast<uint8_t>(e);
    entry.Code = kDefaultButtonCodes[e];
}

void BuildDefaultProfile(Profile& p, int n, const TextSource& texts) {
    char name[32];
    std::snprintf(name, sizeof name, "Default%d", n + 1);
    SetFixedText(p.ProFileName, name);
    SetFixedText(p.GameFile, "");
    SetScalarDefaults(p);
    SetDpiDefaults(p);
    p.ColorOptions0 = 0;
    for (int e = 0; e < kButtonEntryCount; ++e) ClearToDefaultFunction(p.MacroKeyInfo[e], e);
    for (const GunPreset& preset : kGunPresets) SetGunPreset(p.MacroKeyInfo[preset.entry], preset, texts);
}

void BuildDefaultProfiles(SharedBlock& block, const TextSource& texts) {
    block.CurrentProfile = 0;
    for (int n = 0; n < kProfileCount; ++n) BuildDefaultProfile(block.Profiles[n], n, texts);
}
