// The profile record shared byte for byte by Option, Monitor, the profile
// files and the shared-memory block. Plain little-endian layout with natural
// alignment and explicit pad members; every offset is pinned below.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr int kProfileCount = 5;
inline constexpr int kButtonEntryCount = 32;  // 16 buttons in two banks
inline constexpr int kBankEntryCount = kButtonEntryCount / 2;
inline constexpr int kGunStepCount = 8;

// One step of a fire pattern: pointer movement and the pause after it.
struct GunStep {
    int32_t X;
    int32_t Y;
    uint16_t Delay;  // milliseconds
    uint8_t Pad[2];
};

// What one button entry does. Fields a function code does not use are zero.
struct ButtonFunction {
    uint8_t Index;  // the entry's own number, 0..31
    uint8_t Code;   // function code
    uint8_t Pad0[2];
    int32_t FireCount;
    int32_t FireInterval;
    int32_t RunMode;
    int32_t MacroGroup;
    int32_t MacroItem;
    int32_t GunGroup;
    int32_t GunItem;
    int32_t AdvanceGunGroup;
    int32_t AdvanceGunItem;
    int32_t ModeValue;
    int32_t ModeIndex;
    int16_t GunAux;
    uint8_t Pad1[2];
    uint32_t GunColor;  // 0x00BBGGRR
    char ItemName[50];
    char GroupName[50];
    int32_t ItemValue;
    uint16_t ItemCount;
    uint8_t Payload[200];
    char ProgramPath[262];
    GunStep Steps[kGunStepCount];
};

// Characters of a macro, pattern or folder name held in a button's copy.
inline constexpr std::size_t kButtonNameLimit = sizeof(ButtonFunction::ItemName) - 1;

// One profile's complete settings.
struct Profile {
    char ProFileName[250];
    char GameFile[502];
    int32_t DbleClickSpeed;
    int32_t ScrollWheelSpeed;
    int32_t ScrollWheelFlag;
    int32_t MouseSpeed;
    int32_t Acceleration;
    int32_t AccelerationFlag;
    int32_t TiltSpeed;
    int32_t LightIntensity;
    int32_t BreathSpeed;
    int32_t TimeCloseFlag;
    int32_t GunMode;
    int32_t MediaOption;
    int32_t HDDKeyboard;
    int32_t Orientation;
    int32_t XYSynchronous;
    int32_t Sensitivity_X;
    int32_t Sensitivity_Y;
    int32_t XYCpiFlag;
    int32_t CpiLevel_X[6];
    int32_t CpiLevel_Y[6];
    int32_t CpiStep;
    int32_t dpiStepFlag[6];
    uint8_t dpiIndicator[6];
    uint8_t DpiIndicationType;
    uint8_t Pad0;
    int32_t PollingRate;
    int32_t LiftSwitch;
    int32_t LiftLevel;
    int32_t LightSwitch;
    int32_t LightType;
    int32_t ColorFlag;
    int32_t ColorChangeMode;
    int32_t BTOption;
    int32_t OTGSpeed;
    uint32_t DPIColor[6];
    uint8_t BtnConfiguration;
    uint8_t Color1Type;
    uint8_t Color2Type;
    uint8_t LightEffectSwitch1;
    uint8_t LightEffectSwitch2;
    uint8_t LightEffectType1;
    uint8_t LightEffectType2;
    uint8_t ColorOptions1;
    uint8_t ColorOptions2;
    uint8_t ColorChangeModeOptions1;
    uint8_t ColorChangeModeOptions2;
    uint8_t FireOrOnToGoStatusIndicatorSetting;
    uint8_t ProfileSwitchIndictor;
    uint8_t Pad1[3];
    ButtonFunction MacroKeyInfo[kButtonEntryCount];
    uint32_t ColorOptions0;
    int32_t ColorType[3];
    uint32_t rgbColor1;
    uint32_t rgbColor2;
    uint32_t rgbColor3;
};

static_assert(sizeof(GunStep) == 12);
static_assert(offsetof(GunStep, X) == 0 && offsetof(GunStep, Y) == 4 &&
              offsetof(GunStep, Delay) == 8 && offsetof(GunStep, Pad) == 10);

static_assert(sizeof(ButtonFunction) == 720);
static_assert(offsetof(ButtonFunction, Index) == 0);
static_assert(offsetof(ButtonFunction, Code) == 1);
static_assert(offsetof(ButtonFunction, Pad0) == 2);
static_assert(offsetof(ButtonFunction, FireCount) == 4);
static_assert(offsetof(ButtonFunction, FireInterval) == 8);
static_assert(offsetof(ButtonFunction, RunMode) == 12);
static_assert(offsetof(ButtonFunction, MacroGroup) == 16);
static_assert(offsetof(ButtonFunction, MacroItem) == 20);
static_assert(offsetof(ButtonFunction, GunGroup) == 24);
static_assert(offsetof(ButtonFunction, GunItem) == 28);
static_assert(offsetof(ButtonFunction, AdvanceGunGroup) == 32);
static_assert(offsetof(ButtonFunction, AdvanceGunItem) == 36);
static_assert(offsetof(ButtonFunction, ModeValue) == 40);
static_assert(offsetof(ButtonFunction, ModeIndex) == 44);
static_assert(offsetof(ButtonFunction, GunAux) == 48);
static_assert(offsetof(ButtonFunction, Pad1) == 50);
static_assert(offsetof(ButtonFunction, GunColor) == 52);
static_assert(offsetof(ButtonFunction, ItemName) == 56);
static_assert(offsetof(ButtonFunction, GroupName) == 106);
static_assert(offsetof(ButtonFunction, ItemValue) == 156);
static_assert(offsetof(ButtonFunction, ItemCount) == 160);
static_assert(offsetof(ButtonFunction, Payload) == 162);
static_assert(offsetof(ButtonFunction, ProgramPath) == 362);
static_assert(offsetof(ButtonFunction, Steps) == 624);

static_assert(sizeof(Profile) == 24052);
static_assert(offsetof(Profile, ProFileName) == 0);
static_assert(offsetof(Profile, GameFile) == 250);
static_assert(offsetof(Profile, DbleClickSpeed) == 752);
static_assert(offsetof(Profile, ScrollWheelSpeed) == 756);
static_assert(offsetof(Profile, ScrollWheelFlag) == 760);
static_assert(offsetof(Profile, MouseSpeed) == 764);
static_assert(offsetof(Profile, Acceleration) == 768);
static_assert(offsetof(Profile, AccelerationFlag) == 772);
static_assert(offsetof(Profile, TiltSpeed) == 776);
static_assert(offsetof(Profile, LightIntensity) == 780);
static_assert(offsetof(Profile, BreathSpeed) == 784);
static_assert(offsetof(Profile, TimeCloseFlag) == 788);
static_assert(offsetof(Profile, GunMode) == 792);
static_assert(offsetof(Profile, MediaOption) == 796);
static_assert(offsetof(Profile, HDDKeyboard) == 800);
static_assert(offsetof(Profile, Orientation) == 804);
static_assert(offsetof(Profile, XYSynchronous) == 808);
static_assert(offsetof(Profile, Sensitivity_X) == 812);
static_assert(offsetof(Profile, Sensitivity_Y) == 816);
static_assert(offsetof(Profile, XYCpiFlag) == 820);
static_assert(offsetof(Profile, CpiLevel_X) == 824);
static_assert(offsetof(Profile, CpiLevel_Y) == 848);
static_assert(offsetof(Profile, CpiStep) == 872);
static_assert(offsetof(Profile, dpiStepFlag) == 876);
static_assert(offsetof(Profile, dpiIndicator) == 900);
static_assert(offsetof(Profile, DpiIndicationType) == 906);
static_assert(offsetof(Profile, Pad0) == 907);
static_assert(offsetof(Profile, PollingRate) == 908);
static_assert(offsetof(Profile, LiftSwitch) == 912);
static_assert(offsetof(Profile, LiftLevel) == 916);
static_assert(offsetof(Profile, LightSwitch) == 920);
static_assert(offsetof(Profile, LightType) == 924);
static_assert(offsetof(Profile, ColorFlag) == 928);
static_assert(offsetof(Profile, ColorChangeMode) == 932);
static_assert(offsetof(Profile, BTOption) == 936);
static_assert(offsetof(Profile, OTGSpeed) == 940);
static_assert(offsetof(Profile, DPIColor) == 944);
static_assert(offsetof(Profile, BtnConfiguration) == 968);
static_assert(offsetof(Profile, Color1Type) == 969);
static_assert(offsetof(Profile, Color2Type) == 970);
static_assert(offsetof(Profile, LightEffectSwitch1) == 971);
static_assert(offsetof(Profile, LightEffectSwitch2) == 972);
static_assert(offsetof(Profile, LightEffectType1) == 973);
static_assert(offsetof(Profile, LightEffectType2) == 974);
static_assert(offsetof(Profile, ColorOptions1) == 975);
static_assert(offsetof(Profile, ColorOptions2) == 976);
static_assert(offsetof(Profile, ColorChangeModeOptions1) == 977);
static_assert(offsetof(Profile, ColorChangeModeOptions2) == 978);
static_assert(offsetof(Profile, FireOrOnToGoStatusIndicatorSetting) == 979);
static_assert(offsetof(Profile, ProfileSwitchIndictor) == 980);
static_assert(offsetof(Profile, Pad1) == 981);
static_assert(offsetof(Profile, MacroKeyInfo) == 984);
static_assert(offsetof(Profile, ColorOptions0) == 24024);
static_assert(offsetof(Profile, ColorType) == 24028);
static_assert(offsetof(Profile, rgbColor1) == 24040);
static_assert(offsetof(Profile, rgbColor2) == 24044);
static_assert(offsetof(Profile, rgbColor3) == 24048);
