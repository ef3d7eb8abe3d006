#include "hiddriver/report_decoder.h"

#include <gtest/gtest.h>

#include "hiddriver/mouse_log.h"

using namespace vmouse;

namespace {

std::string Entry(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
    const uint8_t e[4] = {b0, b1, b2, b3};
    return DescribeButtonEntry(e);
}

// The settings block a default profile produces: levels 16..164, all six
// stages on, lighting mode 1 with breathing speed 2, sensitivity 10.
Block128 DefaultSettings() {
    Block128 b{};
    b[0] = b[1] = 0xFF;
    const uint8_t row30[] = {0x35, 0xD4, 0x0B, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x80, 0x03, 0x00};
    const uint8_t row40[] = {0x0F, 0x04, 0x0A, 0x0A, 0x19, 0x19, 0x07, 0x05, 0x02, 0x00, 0x64, 0x64, 0x01, 0xC0, 0xF0, 0x03};
    const uint8_t row50[] = {0x01, 0x01, 0x64, 0x00, 0x10, 0x20, 0x30, 0x50, 0x80, 0xA4, 0x07, 0x07,
                             0x10, 0x20, 0x30, 0x50, 0x80, 0xA4, 0x07, 0x07, 0x3F, 0xFF, 0xFF, 0xFF,
                             0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00};
    const uint8_t row70[] = {0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(row30), std::end(row30), b.begin() + 0x30);
    std::copy(std::begin(row40), std::end(row40), b.begin() + 0x40);
    std::copy(std::begin(row50), std::end(row50), b.begin() + 0x50);
    std::copy(std::begin(row70), std::end(row70), b.begin() + 0x70);
    return b;
}

}  // namespace

TEST(ButtonEntryTest, NamesFunctionsByEntryBytes) {
    EXPECT_EQ(Entry(0x00, 0x01, 0x06, 0x00), "key combination Ctrl+C");
    EXPECT_EQ(Entry(0x00, 0x08, 0x0F, 0x00), "key combination Win+L");
    EXPECT_EQ(Entry(0x00, 0x04, 0x2C, 0x1B), "key combination Alt+Space+X");
    EXPECT_EQ(Entry(0x00, 0x03, 0x3E, 0x00), "key combination Ctrl+Shift+F5");
    EXPECT_EQ(Entry(0x00, 0x00, 0x87, 0x00), "key combination key 0x87");
    EXPECT_EQ(Entry(0x00, 0x00, 0x00, 0x00), "nothing");
    EXPECT_EQ(Entry(0x01, 0x00, 0xF0, 0x00), "mouse button left");
    EXPECT_EQ(Entry(0x01, 0x00, 0xF4, 0x00), "mouse button forward");
    EXPECT_EQ(Entry(0x03, 0x00, 0xCD, 0x00), "consumer play/pause");
    EXPECT_EQ(Entry(0x03, 0x00, 0x92, 0x01), "consumer calculator");
    EXPECT_EQ(Entry(0x03, 0x00, 0x99, 0x03), "consumer usage 0x0399");
    EXPECT_EQ(Entry(0x06, 0x00, 0x0A, 0x05), "event word 000A:0005 (run program of button 5)");
    EXPECT_EQ(Entry(0x06, 0x00, 0xA0, 0x00), "event word 00A0:0000 (open Option)");
    EXPECT_EQ(Entry(0x09, 0x00, 0x1E, 0x00), "macro in slot 30, run mode 0");
    EXPECT_EQ(Entry(0x0C, 0x04, 0x02, 0x0C), "gun in slot 12, mode byte 04 02");
    EXPECT_EQ(Entry(0x0C, 0x01, 0x00, 0x00), "gun function 0C 01 (no slot)");
    EXPECT_EQ(Entry(0x07, 0x00, 0x03, 0x00), "DPI stage function 07 00 03 00");
    EXPECT_EQ(Entry(0x0A, 0xF0, 0x32, 0x02), "device function 0A F0 32 02");
    EXPECT_EQ(ButtonName(0), "button 1");
    EXPECT_EQ(ButtonName(31), "button 16, bank 2");
}

TEST(SettingsDecodeTest, DefaultBlockReadsCleanly) {
    EXPECT_EQ(DescribeSettingsBlock(DefaultSettings()),
              "settings: DPI 800/1600/2400/4000/6400/8200, stages 1-6 on, lighting mode 1, "
              "breathing speed 2, colour 0, sensitivity X 100 Y 100");
}

TEST(SettingsDecodeTest, NamesDeviationsFromTheLayout) {
    Block128 b = DefaultSettings();
    b[0x64] = 0b101101;
    b[0x47] = 0;
    b[0x5E] = 0x31;
    b[0x73] = 0xFF;
    EXPECT_EQ(DescribeSettingsBlock(b),
              "settings: DPI 800/1600/2400/4000/6400/8200, stages 1,3-4,6 on, lighting off, "
              "sensitivity X 100 Y 100; second level group differs at 0x5E; "
              "unexpected byte FF at 0x73 (expected 00)");
}

TEST(SlotDecodeTest, KindsComeFromTheButtonTableAndContent) {
    Block128 table{};
    table[4 * 3] = 0x09, table[4 * 3 + 2] = 14;            // entry 3: macro in slot 14
    table[4 * 20] = 0x0C, table[4 * 20 + 1] = 0x04, table[4 * 20 + 3] = 31;
    table[4 * 21] = 0x0C, table[4 * 21 + 1] = 0x04, table[4 * 21 + 3] = 32;

    const Block128 gun{0x00, 0x01, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, 0x18, 0x01, 0x82, 0xF0};
    // Steps: (0,5,20) ten bytes, (0,0,10) four bytes, (1,0,400) twelve bytes.
    const Block128 advanced{0x00, 0x02, 0x0A, 0xF0, 0x82, 0xF0, 0x01, 0xFA, 0x00, 0x00, 0xFB, 0xFF,
                            0x05, 0xF0, 0x82, 0xF0, 0x01, 0xF0, 0x28, 0x01, 0x82, 0xF0, 0x00, 0xFA,
                            0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(KindOfSlot(&table, 14, Block128{}), SlotKind::Macro);
    EXPECT_EQ(KindOfSlot(&table, 31, gun), SlotKind::Gun);
    EXPECT_EQ(KindOfSlot(&table, 32, advanced), SlotKind::AdvancedGun);
    EXPECT_EQ(KindOfSlot(nullptr, 32, advanced), SlotKind::Unknown);
    EXPECT_EQ(KindOfSlot(nullptr, 1, gun), SlotKind::Gun);

    EXPECT_EQ(DescribeSlot(1, SlotKind::Gun, gun), "slot 1: gun, mode 1, value 280");
    EXPECT_EQ(DescribeSlot(32, SlotKind::AdvancedGun, advanced), "slot 32: advanced gun, 3 steps, repeat 2");
    Block128 broken = advanced;
    broken[13] = 0x11;
    EXPECT_EQ(DescribeSlot(32, SlotKind::AdvancedGun, broken),
              "slot 32: advanced gun, unreadable step list, repeat 2");
    EXPECT_EQ(DescribeSlot(40, SlotKind::Unknown, gun), "slot 40: data not referred to by any button");
}

TEST(SlotDecodeTest, MacroEventsRunToTheEndOfTheSlot) {
    Block128 full{0x00, 0x01};
    for (size_t i = 2; i < full.size(); i += 2) full[i] = 0x33, full[i + 1] = 0x04;
    EXPECT_EQ(DescribeSlot(20, SlotKind::Macro, full), "slot 20: macro, 63 events, repeat 1");
    Block128 truncatedLong{0x01, 0x00};
    truncatedLong[126] = 0x01, truncatedLong[127] = 0x04;  // long record cut off by the slot end
    for (size_t i = 2; i < 126; i += 2) truncatedLong[i] = 0x33, truncatedLong[i + 1] = 0x04;
    EXPECT_EQ(DescribeSlot(20, SlotKind::Macro, truncatedLong), "slot 20: macro, 63 events, repeat 256");
}

TEST(SlotColourDecodeTest, ListsColouredSlots) {
    Block128 b{0x00, 0x00, 0xFF};
    EXPECT_EQ(DescribeSlotColours(b), "slot colours: none");
    b[3] = 0xFF, b[18] = 0xFF, b[19] = 0xFF;
    b[3 * 41] = 0x12;
    EXPECT_EQ(DescribeSlotColours(b), "slot colours: slot 1 #FF0000, slot 6 #FFFF00, slot 41 #120000");
    b[2] = 0;
    EXPECT_EQ(DescribeSlotColours(b).rfind("slot colours: unexpected header 00 00 00;", 0), 0u);
}

TEST(LogFormatTest, OneLinePerExchangeWithIndentedDetails) {
    LogEntry entry{"SET", {0x01, 0x88, 0x02, 0, 0, 0, 0, 0x74}, "open", {}};
    EXPECT_EQ(FormatLogEntry({9, 5, 7, 42}, entry), "09:05:07.042 SET   01 88 02 00 00 00 00 74  open\n");
    LogEntry press{"PRESS", {}, "save", {"a", "b"}};
    EXPECT_EQ(FormatLogEntry({23, 59, 59, 999}, press), "23:59:59.999 PRESS save\n    a\n    b\n");
}
