#include <gtest/gtest.h>

#include <map>
#include <string>

#include "keys/key_code_table.h"
#include "keys/key_name.h"

namespace {

std::map<uint32_t, std::string> ExpectedNames() {
    std::map<uint32_t, std::string> names = {
        {0x08, "BackSpace"},   {0x09, "Tab"},          {0x0D, "Enter"},        {0x13, "Pause"},
        {0x14, "CapsLock"},    {0x1B, "Esc"},          {0x20, "Space"},        {0x21, "Page UP"},
        {0x22, "Page Down"},   {0x23, "End"},          {0x24, "Home"},         {0x25, "Left"},
        {0x26, "Up"},          {0x27, "Right"},        {0x28, "Down"},         {0x29, "Select"},
        {0x2B, "Execute"},     {0x2C, "Print Screen"}, {0x2D, "Insert"},       {0x2E, "Delete"},
        {0x2F, "Help"},        {0x30, "0"},            {0x5B, "L_WIN"},        {0x5C, "R_WIN"},
        {0x5D, "APP"},         {0x60, "Num_0"},        {0x6A, "Num_*"},        {0x6B, "Num_+"},
        {0x6C, "Num_ "},       {0x6D, "Num_-"},        {0x6E, "Num_."},        {0x6F, "Num_/"},
        {0x7A, "F11"},         {0x7B, "F12"},          {0x90, "Number Lock"},  {0x91, "Scroll Lock"},
        {0xA0, "Left Shift"},  {0xA1, "Right Shift"},  {0xA2, "Left Ctrl"},    {0xA3, "Right Ctrl"},
        {0xA4, "Left Alt"},    {0xA5, "Right Alt"},    {0xBA, ";"},            {0xBB, "="},
        {0xBC, ","},           {0xBD, "-"},            {0xBE, "."},            {0xBF, "/"},
        {0xC0, "`"},           {0xDB, "["},            {0xDC, "\\"},           {0xDD, "]"},
        {0xDE, "'"},           {0xF0, "Left"},         {0xF1, "Right"},        {0xF2, "Wheel"},
        {0xF3, "Backward"},    {0xF4, "Forward"},      {0xF7, "Scroll Up"},    {0xF8, "Scroll Down"},
    };
    for (int i = 0; i < 9; ++i) {
        names[0x31 + i] = std::to_string(i + 1);
        names[0x61 + i] = "Num_" + std::to_string(i + 1);
    }
    for (int i = 0; i < 26; ++i) names[0x41 + i] = std::string(1, static_cast<char>('A' + i));
    for (int i = 0; i < 10; ++i) names[0x70 + i] = "F" + std::to_string(i + 1);
    return names;
}

}  // namespace

TEST(KeyName, EveryCodeHasItsExactNameOrNone) {
    const auto expected = ExpectedNames();
    ASSERT_EQ(expected.size(), 114u);
    for (uint32_t vk = 0; vk < 0x110; ++vk) {
        const auto found = expected.find(vk);
        EXPECT_EQ(KeyName(vk), found == expected.end() ? "" : found->second) << std::hex << "vk 0x" << vk;
    }
}

TEST(KeyName, EveryRowOfTheCodeTableIsNamed) {
    for (const KeyCodeRow& row : KeyCodeTable) EXPECT_NE(KeyName(row.vk), "") << std::hex << row.vk;
}
