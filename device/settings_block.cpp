// The 128-byte settings block: lighting effect, sensitivity and DPI levels of
// the active profile, framed by bytes the mouse expects unchanged.
#include "device/device_command.h"

namespace {

// Every byte that does not come from the profile.
constexpr DataBlock kSettingsTemplate = [] {
    DataBlock b{};
    b[0x00] = 0xFF;
    b[0x01] = 0xFF;
    constexpr uint8_t row30[16] = {0x35, 0xD4, 0x0B, 0x04, 0, 0, 0, 0,
                                   0,    0,    0,    0,    0x04, 0x80, 0x03, 0};
    constexpr uint8_t row40[16] = {0x0F, 0x04, 0x0A, 0x0A, 0x19, 0x19, 0x07, 0,
                                   0,    0,    0,    0,    0x01, 0xC0, 0xF0, 0x03};
    constexpr uint8_t row50[16] = {0x01, 0x01, 0x64, 0, 0, 0, 0, 0,
                                   0,    0,    0x07, 0x07, 0, 0, 0, 0};
    constexpr uint8_t row60[16] = {0, 0, 0x07, 0x07, 0, 0xFF, 0xFF, 0xFF,
                                   0xFF, 0, 0, 0, 0xFF, 0, 0, 0};
    constexpr uint8_t row70[16] = {0xFF, 0xFF, 0xFF, 0, 0xFF, 0, 0xFF, 0,
                                   0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < 16; ++i) {
        b[0x30 + i] = row30[i];
        b[0x40 + i] = row40[i];
        b[0x50 + i] = row50[i];
        b[0x60 + i] = row60[i];
        b[0x70 + i] = row70[i];
    }
    return b;
}();

constexpr int kEffectOffset = 0x47;
constexpr int kSpeedOffset = 0x48;
constexpr int kColourOffset = 0x49;
constexpr int kSensXOffset = 0x4A;
constexpr int kSensYOffset = 0x4B;
constexpr int kLevelGroupOffsets[2] = {0x54, 0x5C};
constexpr int kStageMaskOffset = 0x64;

struct LightingBytes {
    uint8_t Effect;
    uint8_t Speed;
    uint8_t Colour;
};

// Speed byte per breathing speed 1, 2 and any other value.
uint8_t PickSpeed(int32_t breathSpeed, uint8_t s1, uint8_t s2, uint8_t other) {
    return breathSpeed == 1 ? s1 : breathSpeed == 2 ? s2 : other;
}

// Effect 4 moves colour option 7 to 9; the effects past 4 step the option
// on with each block (7 wraps to 0). The changed option stays in the
// profile so the next block starts from it.
LightingBytes EncodeLighting(Profile& p) {
    const int32_t s = p.BreathSpeed;
    switch (p.LightSwitch) {
        case 0: return {0x00, 0x00, 0x00};
        case 1: return {0x05, PickSpeed(s, 0x01, 0x02, 0x05), 0x00};
        case 2: return {0x03, PickSpeed(s, 0x05, 0x08, 0x0F), 0x00};
        case 3: return {0x04, PickSpeed(s, 0x0A, 0x0F, 0x1E), 0x00};
        case 4:
            if (p.ColorOptions0 == 7) p.ColorOptions0 = 9;
            return {0x01, PickSpeed(s, 0x04, 0x06, 0x08), static_cast<uint8_t>(p.ColorOptions0 + 1)};
        default:
            p.ColorOptions0 = p.ColorOptions0 == 7 ? 0 : p.ColorOptions0 + 1;
            return {0x02, PickSpeed(s, 0x0F, 0x19, 0x23), static_cast<uint8_t>(p.ColorOptions0)};
    }
}

// Low byte of value x 10, computed without signed overflow.
uint8_t SensitivityByte(int32_t value) {
    return static_cast<uint8_t>(static_cast<uint32_t>(value) * 10u);
}

// One bit per enabled DPI level. Only bit 0 of each flag counts, so a stray
// value in one flag cannot switch a neighbouring level on or off.
uint8_t StageMask(const Profile& p) {
    uint8_t mask = 0;
    for (int n = 0; n < 6; ++n)
        if (p.dpiStepFlag[n] & 1) mask = static_cast<uint8_t>(mask | (1u << n));
    return mask;
}

}  // namespace

DataBlock BuildSettingsBlock(Profile& p) {
    DataBlock b = kSettingsTemplate;
    const LightingBytes light = EncodeLighting(p);
    b[kEffectOffset] = light.Effect;
    b[kSpeedOffset] = light.Speed;
    b[kColourOffset] = light.Colour;
    b[kSensXOffset] = SensitivityByte(p.Sensitivity_X);
    b[kSensYOffset] = SensitivityByte(p.Sensitivity_Y);
    // Both level groups carry the X levels; the mouse has no separate Y levels.
    for (int group : kLevelGroupOffsets)
        for (int n = 0; n < 6; ++n) b[group + n] = static_cast<uint8_t>(p.CpiLevel_X[n]);
    b[kStageMaskOffset] = StageMask(p);
    return b;
}
