#include "profile/profile_files_keys.h"

#include <cstdio>

namespace {

#define PROFILE_FIELD(field) offsetof(Profile, field), sizeof(Profile::field)

std::string Numbered(const char* pattern, int n) {
    char name[64];
    std::snprintf(name, sizeof name, pattern, n);
    return name;
}

// `count` keys "<pattern>%d" for the elements of an array field.
void AddArray(std::vector<ProfileKey>& keys, const char* pattern, ProfileKeyKind kind, std::size_t offset,
              std::size_t elementSize, int count) {
    for (int i = 0; i < count; ++i)
        keys.push_back({Numbered(pattern, i), kind, offset + static_cast<std::size_t>(i) * elementSize, elementSize});
}

std::vector<ProfileKey> BuildKeys() {
    using K = ProfileKeyKind;
    std::vector<ProfileKey> keys = {
        {"ProFileName", K::Text, PROFILE_FIELD(ProFileName)},
        {"GameFile", K::Text, PROFILE_FIELD(GameFile)},
        {"DbleClickSpeed", K::Int32, PROFILE_FIELD(DbleClickSpeed)},
        {"ScrollWheelSpeed", K::Int32, PROFILE_FIELD(ScrollWheelSpeed)},
        {"ScrollWheelFlag", K::Int32, PROFILE_FIELD(ScrollWheelFlag)},
        {"MouseSpeed", K::Int32, PROFILE_FIELD(MouseSpeed)},
        {"Acceleration", K::Int32, PROFILE_FIELD(Acceleration)},
        {"AccelerationFlag", K::Int32, PROFILE_FIELD(AccelerationFlag)},
        {"TiltSpeed", K::Int32, PROFILE_FIELD(TiltSpeed)},
        {"MediaOption", K::Int32, PROFILE_FIELD(MediaOption)},
        {"HDDKeyboard", K::Int32, PROFILE_FIELD(HDDKeyboard)},
        {"Orientation", K::Int32, PROFILE_FIELD(Orientation)},
        {"XYSynchronous", K::Int32, PROFILE_FIELD(XYSynchronous)},
        {"Sensitivity_X", K::Int32, PROFILE_FIELD(Sensitivity_X)},
        {"Sensitivity_Y", K::Int32, PROFILE_FIELD(Sensitivity_Y)},
        {"XYCpiFlag", K::Int32, PROFILE_FIELD(XYCpiFlag)},
        {"LightIntensity", K::Int32, PROFILE_FIELD(LightIntensity)},
        {"BreathSpeed", K::Int32, PROFILE_FIELD(BreathSpeed)},
        {"TimeCloseFlag", K::Int32, PROFILE_FIELD(TimeCloseFlag)},
        {"rgbColor1", K::Int32, PROFILE_FIELD(rgbColor1)},
        {"rgbColor2", K::Int32, PROFILE_FIELD(rgbColor2)},
        {"rgbColor3", K::Int32, PROFILE_FIELD(rgbColor3)},
        {"ColorOptions0", K::Int32, PROFILE_FIELD(ColorOptions0)},
    };
    AddArray(keys, "ColorType%d", K::Int32, offsetof(Profile, ColorType), sizeof(int32_t), 3);
    AddArray(keys, "CpiLevel_X%d", K::Int32, offsetof(Profile, CpiLevel_X), sizeof(int32_t), 6);
    AddArray(keys, "CpiLevel_Y%d", K::Int32, offsetof(Profile, CpiLevel_Y), sizeof(int32_t), 6);
    keys.push_back({"CpiStep", K::Int32, PROFILE_FIELD(CpiStep)});
    AddArray(keys, "dpiStepFlag%d", K::Int32, offsetof(Profile, dpiStepFlag), sizeof(int32_t), 6);
    AddArray(keys, "dpiIndicator%d", K::Byte, offsetof(Profile, dpiIndicator), sizeof(uint8_t), 6);
    const std::vector<ProfileKey> middle = {
        {"DpiIndicationType", K::Byte, PROFILE_FIELD(DpiIndicationType)},
        {"PollingRate", K::Int32, PROFILE_FIELD(PollingRate)},
        {"LiftSwitch", K::Int32, PROFILE_FIELD(LiftSwitch)},
        {"LiftLevel", K::Int32, PROFILE_FIELD(LiftLevel)},
        {"LightSwitch", K::Int32, PROFILE_FIELD(LightSwitch)},
        {"LightType", K::Int32, PROFILE_FIELD(LightType)},
        {"ColorFlag", K::Int32, PROFILE_FIELD(ColorFlag)},
        {"ColorChangeMode", K::Int32, PROFILE_FIELD(ColorChangeMode)},
        {"BTOption", K::Int32, PROFILE_FIELD(BTOption)},
        {"OTGSpeed", K::Int32, PROFILE_FIELD(OTGSpeed)},
        {"BtnConfiguration", K::Byte, PROFILE_FIELD(BtnConfiguration)},
        {"Color1Type", K::Byte, PROFILE_FIELD(Color1Type)},
        {"Color2Type", K::Byte, PROFILE_FIELD(Color2Type)},
        {"LightEffectSwitch1", K::Byte, PROFILE_FIELD(LightEffectSwitch1)},
        {"LightEffectSwitch2", K::Byte, PROFILE_FIELD(LightEffectSwitch2)},
        {"LightEffectType1", K::Byte, PROFILE_FIELD(LightEffectType1)},
        {"LightEffectType2", K::Byte, PROFILE_FIELD(LightEffectType2)},
        {"ColorOptions1", K::Byte, PROFILE_FIELD(ColorOptions1)},
        {"ColorOptions2", K::Byte, PROFILE_FIELD(ColorOptions2)},
        {"ColorChangeModeOptions1", K::Byte, PROFILE_FIELD(ColorChangeModeOptions1)},
        {"ColorChangeModeOptions2", K::Byte, PROFILE_FIELD(ColorChangeModeOptions2)},
        {"FireOrOnToGoStatusIndicatorSetting", K::Byte, PROFILE_FIELD(FireOrOnToGoStatusIndicatorSetting)},
        {"ProfileSwitchIndictor", K::Byte, PROFILE_FIELD(ProfileSwitchIndictor)},
        {"GunMode", K::Int32, PROFILE_FIELD(GunMode)},
    };
    keys.insert(keys.end(), middle.begin(), middle.end());
    AddArray(keys, "DPIColor%d", K::Int32, offsetof(Profile, DPIColor), sizeof(uint32_t), 6);
    AddArray(keys, "MacroKeyInfo%d", K::Entry, offsetof(Profile, MacroKeyInfo), sizeof(ButtonFunction),
             kButtonEntryCount);
    return keys;
}

#undef PROFILE_FIELD

}  // namespace

const std::vector<ProfileKey>& ProfileFileKeys() {
    static const std::vector<ProfileKey> keys = BuildKeys();
    return keys;
}
