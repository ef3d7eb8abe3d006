#include "keys/key_name.h"

#include <array>
#include <string>

namespace {

struct NamedKey {
    uint32_t vk;
    const char* name;
};

// Keys whose names do not follow a run of letters, digits or F-keys.
constexpr NamedKey kSingleNames[] = {
    {0x08, "BackSpace"},   {0x09, "Tab"},          {0x0D, "Enter"},       {0x13, "Pause"},
    {0x14, "CapsLock"},    {0x1B, "Esc"},          {0x20, "Space"},       {0x21, "Page UP"},
    {0x22, "Page Down"},   {0x23, "End"},          {0x24, "Home"},        {0x25, "Left"},
    {0x26, "Up"},          {0x27, "Right"},        {0x28, "Down"},        {0x29, "Select"},
    {0x2B, "Execute"},     {0x2C, "Print Screen"}, {0x2D, "Insert"},      {0x2E, "Delete"},
    {0x2F, "Help"},        {0x5B, "L_WIN"},        {0x5C, "R_WIN"},       {0x5D, "APP"},
    {0x6A, "Num_*"},       {0x6B, "Num_+"},        {0x6C, "Num_ "},       {0x6D, "Num_-"},
    {0x6E, "Num_."},       {0x6F, "Num_/"},        {0x90, "Number Lock"}, {0x91, "Scroll Lock"},
    {0xA0, "Left Shift"},  {0xA1, "Right Shift"},  {0xA2, "Left Ctrl"},   {0xA3, "Right Ctrl"},
    {0xA4, "Left Alt"},    {0xA5, "Right Alt"},    {0xBA, ";"},           {0xBB, "="},
    {0xBC, ","},           {0xBD, "-"},            {0xBE, "."},           {0xBF, "/"},
    {0xC0, "`"},           {0xDB, "["},            {0xDC, "\\"},          {0xDD, "]"},
    {0xDE, "'"},           {0xF0, "Left"},         {0xF1, "Right"},       {0xF2, "Wheel"},
    {0xF3, "Backward"},    {0xF4, "Forward"},      {0xF7, "Scroll Up"},   {0xF8, "Scroll Down"},
};

std::array<std::string, 256> BuildNames() {
    std::array<std::string, 256> names;
    for (uint32_t d = 0; d <= 9; ++d) {
        names[0x30 + d] = std::to_string(d);
        names[0x60 + d] = "Num_" + std::to_string(d);
    }
    for (uint32_t c = 'A'; c <= 'Z'; ++c) names[c] = std::string(1, static_cast<char>(c));
    for (uint32_t f = 1; f <= 12; ++f) names[0x70 + f - 1] = "F" + std::to_string(f);
    for (const NamedKey& key : kSingleNames) names[key.vk] = key.name;
    return names;
}

}  // namespace

std::string_view KeyName(uint32_t vk) {
    static const std::array<std::string, 256> names = BuildNames();
    return vk < names.size() ? std::string_view(names[vk]) : std::string_view();
}
