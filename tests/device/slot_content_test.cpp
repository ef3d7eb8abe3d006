#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "device/slot_content.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Prefix(const DataBlock& block, size_t n) { return Bytes(block.begin(), block.begin() + n); }

bool ZeroFrom(const DataBlock& block, size_t from) {
    for (size_t i = from; i < block.size(); ++i)
        if (block[i] != 0) return false;
    return true;
}

std::unique_ptr<ButtonFunction> Entry(int32_t itemValue = 1) {
    auto b = std::make_unique<ButtonFunction>();
    b->ItemValue = itemValue;
    return b;
}

void AddEvent(ButtonFunction& b, uint8_t code, uint8_t action, uint16_t value) {
    uint8_t* e = b.Payload + 4 * b.ItemCount++;
    e[0] = code;
    e[1] = action;
    e[2] = static_cast<uint8_t>(value);
    e[3] = static_cast<uint8_t>(value >> 8);
}

Bytes MacroOfOneEvent(uint8_t action, uint16_t pause) {
    auto b = Entry();
    AddEvent(*b, 0x04, action, pause);
    const DataBlock slot = EncodeMacroSlot(*b);
    return Bytes(slot.begin() + 2, slot.begin() + (slot[4] == 0 ? 4 : 6));
}

void AddStep(ButtonFunction& b, int32_t x, int32_t y, uint16_t delay) {
    b.Steps[b.ItemCount++] = GunStep{x, y, delay, {0, 0}};
}

Bytes AdvancedOfOneStep(int32_t x, int32_t y, uint16_t delay, size_t length) {
    auto b = Entry();
    AddStep(*b, x, y, delay);
    const DataBlock slot = EncodeAdvancedGunSlot(*b);
    EXPECT_TRUE(ZeroFrom(slot, 2 + length));
    return Bytes(slot.begin() + 2, slot.begin() + 2 + length);
}

}  // namespace

TEST(GunSlot, TwelveBytesWithModeAndValue) {
    EXPECT_EQ(Prefix(EncodeGunSlot(0, 280), 12),
              (Bytes{0x00, 0x01, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, 0x18, 0x01, 0x82, 0xF0}));
    const DataBlock slot = EncodeGunSlot(2, 0x12345);
    EXPECT_EQ(slot[1], 0x03);
    EXPECT_EQ(slot[8], 0x45);
    EXPECT_EQ(slot[9], 0x23);
    EXPECT_TRUE(ZeroFrom(slot, 12));
    EXPECT_EQ(EncodeGunSlot(1, 5)[1], 0x01);
}

TEST(MacroSlot, RepeatValueHighByteFirst) {
    auto b = Entry(0x0102);
    const DataBlock slot = EncodeMacroSlot(*b);
    EXPECT_EQ(Prefix(slot, 2), (Bytes{0x01, 0x02}));
    EXPECT_TRUE(ZeroFrom(slot, 2));
}

TEST(MacroSlot, ShortPauseEvents) {
    EXPECT_EQ(MacroOfOneEvent(1, 100), (Bytes{0x33, 0x04}));
    EXPECT_EQ(MacroOfOneEvent(2, 100), (Bytes{0xB3, 0x04}));
    EXPECT_EQ(MacroOfOneEvent(3, 100), (Bytes{0xB3, 0x04}));
    EXPECT_EQ(MacroOfOneEvent(1, 0), (Bytes{0x01, 0x04}));
    EXPECT_EQ(MacroOfOneEvent(1, 255), (Bytes{0x7F, 0x04}));
}

TEST(MacroSlot, LongPauseEventsPickTheFinestUnit) {
    EXPECT_EQ(MacroOfOneEvent(1, 300), (Bytes{0x01, 0x04, 0x1E, 0x01}));
    EXPECT_EQ(MacroOfOneEvent(2, 300), (Bytes{0x81, 0x04, 0x1E, 0x01}));
    EXPECT_EQ(MacroOfOneEvent(1, 256), (Bytes{0x01, 0x04, 0x19, 0x01}));
    EXPECT_EQ(MacroOfOneEvent(1, 1279), (Bytes{0x01, 0x04, 0x7F, 0x01}));
    EXPECT_EQ(MacroOfOneEvent(1, 1280), (Bytes{0x01, 0x04, 0x40, 0x02}));
    EXPECT_EQ(MacroOfOneEvent(1, 2560), (Bytes{0x01, 0x04, 0x33, 0x03}));
    EXPECT_EQ(MacroOfOneEvent(1, 6400), (Bytes{0x01, 0x04, 0x40, 0x04}));
    // Longer than 255 units of 100 ms: the longest pause the byte can hold.
    EXPECT_EQ(MacroOfOneEvent(1, 65535), (Bytes{0x01, 0x04, 0xFF, 0x04}));
}

TEST(MacroSlot, EventsFollowEachOther) {
    auto b = Entry(5);
    AddEvent(*b, 0x04, 1, 100);
    AddEvent(*b, 0x04, 2, 300);
    AddEvent(*b, 0xF9, 3, 1);
    const DataBlock slot = EncodeMacroSlot(*b);
    EXPECT_EQ(Prefix(slot, 10), (Bytes{0x00, 0x05, 0x33, 0x04, 0x81, 0x04, 0x1E, 0x01, 0x81, 0xF9}));
    EXPECT_TRUE(ZeroFrom(slot, 10));
}

TEST(MacroSlot, OverlongListIsCutAtTheSlotEnd) {
    auto b = Entry();
    for (int i = 0; i < 50; ++i) AddEvent(*b, static_cast<uint8_t>(0x10 + i), 1, 300);
    const DataBlock full = EncodeMacroSlot(*b);
    // 2 + 50 x 4 bytes: events 0..30 fit whole, event 31 only its first half.
    EXPECT_EQ(Bytes(full.begin() + 122, full.end()), (Bytes{0x01, 0x2E, 0x1E, 0x01, 0x01, 0x2F}));

    // A damaged count never reads past the 50 events the record holds.
    b->ItemCount = 65535;
    EXPECT_EQ(EncodeMacroSlot(*b), full);
}

TEST(LongDelay, CoarsestUnitLimitsTheSearch) {
    EXPECT_EQ(EncodeLongDelay(6399, 3).Count, 127);
    EXPECT_EQ(EncodeLongDelay(6400, 3).Count, 128);
    EXPECT_EQ(EncodeLongDelay(6400, 3).Unit, 3);
    EXPECT_EQ(EncodeLongDelay(65535, 3).Count, 0xFF);
    EXPECT_EQ(EncodeLongDelay(65535, 3).Unit, 3);
}

TEST(AdvancedGunSlot, MoveWithShortPause) {
    EXPECT_EQ(AdvancedOfOneStep(0, 5, 20, 10), (Bytes{0x0A, 0xF0, 0x82, 0xF0, 0x01, 0xFA, 0x00, 0x00, 0xFB, 0xFF}));
    EXPECT_EQ(AdvancedOfOneStep(-3, -300, 0, 10),
              (Bytes{0x01, 0xF0, 0x82, 0xF0, 0x01, 0xFA, 0xFD, 0xFF, 0x2C, 0x01}));
}

TEST(AdvancedGunSlot, MovementIsSixteenBitTwosComplement) {
    // Magnitudes that are whole multiples of 256 keep their value.
    EXPECT_EQ(AdvancedOfOneStep(-256, 256, 2, 10),
              (Bytes{0x01, 0xF0, 0x82, 0xF0, 0x01, 0xFA, 0x00, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(AdvancedOfOneStep(INT32_MIN, INT32_MIN, 2, 10),
              (Bytes{0x01, 0xF0, 0x82, 0xF0, 0x01, 0xFA, 0x00, 0x00, 0x00, 0x00}));
}

TEST(AdvancedGunSlot, MoveWithLongPause) {
    EXPECT_EQ(AdvancedOfOneStep(300, -2, 400, 12),
              (Bytes{0x01, 0xF0, 0x28, 0x01, 0x82, 0xF0, 0x00, 0xFA, 0x2C, 0x01, 0x02, 0x00}));
    EXPECT_EQ(AdvancedOfOneStep(1, 0, 2000, 12),
              (Bytes{0x01, 0xF0, 0x64, 0x02, 0x82, 0xF0, 0x00, 0xFA, 0x01, 0x00, 0x00, 0x00}));
}

TEST(AdvancedGunSlot, PauseWithoutMove) {
    EXPECT_EQ(AdvancedOfOneStep(0, 0, 0, 4), (Bytes{0x01, 0xF0, 0x82, 0xF0}));
    EXPECT_EQ(AdvancedOfOneStep(0, 0, 300, 4), (Bytes{0x96, 0xF0, 0x82, 0xF0}));
    // Pauses past 510 ms saturate rather than wrap to a short pause.
    EXPECT_EQ(AdvancedOfOneStep(0, 0, 999, 4), (Bytes{0xFF, 0xF0, 0x82, 0xF0}));
}

TEST(AdvancedGunSlot, StepCountIsBoundedByTheRecord) {
    auto b = Entry(0x0203);
    for (int i = 0; i < kGunStepCount; ++i) AddStep(*b, i + 1, 0, 400);
    const DataBlock eight = EncodeAdvancedGunSlot(*b);
    EXPECT_EQ(Prefix(eight, 2), (Bytes{0x02, 0x03}));
    EXPECT_EQ(eight[2 + 7 * 12 + 8], 8) << "last step's X";
    EXPECT_TRUE(ZeroFrom(eight, 2 + 8 * 12));

    b->ItemCount = 65535;
    EXPECT_EQ(EncodeAdvancedGunSlot(*b), eight);
    b->ItemCount = 0;
    EXPECT_TRUE(ZeroFrom(EncodeAdvancedGunSlot(*b), 2));
}
