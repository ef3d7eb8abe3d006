#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "device/device_image.h"
#include "full_profile.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<Profile> DefaultProfile() {
    auto p = std::make_unique<Profile>();
    BuildDefaultProfile(*p, 0, NoTexts());
    return p;
}

// A profile whose entries all have no function and no pattern assigned.
std::unique_ptr<Profile> EmptyProfile() {
    auto p = std::make_unique<Profile>();
    for (int n = 0; n < kButtonEntryCount; ++n) {
        ButtonFunction& b = p->MacroKeyInfo[n];
        b.Index = static_cast<uint8_t>(n);
        b.MacroItem = b.GunItem = b.AdvanceGunItem = -1;
    }
    return p;
}

std::unique_ptr<DeviceImage> Encode(const Profile& p) {
    auto image = std::make_unique<DeviceImage>();
    image->Clear();
    EncodeButtons(p, *image);
    return image;
}

Bytes Entry(const DeviceImage& image, int n) {
    return Bytes(image.ButtonTable + 4 * n, image.ButtonTable + 4 * n + 4);
}

Bytes Colour(const DeviceImage& image, int slot) {
    return Bytes(image.SlotColours[slot], image.SlotColours[slot] + 3);
}

Bytes SlotPrefix(const DeviceImage& image, int slot, size_t n) {
    return Bytes(image.Slots[slot], image.Slots[slot] + n);
}

std::vector<int> UsedSlots(const DeviceImage& image) {
    std::vector<int> used;
    for (int s = 0; s < kDataSlotCount; ++s)
        if (image.Used[s]) used.push_back(s);
    return used;
}

bool SlotIsZero(const DeviceImage& image, int slot) {
    for (uint8_t b : image.Slots[slot])
        if (b != 0) return false;
    return true;
}

// Encodes one entry with `code` in an otherwise empty profile.
Bytes EntryFor(uint8_t code, int n = 0) {
    auto p = EmptyProfile();
    p->MacroKeyInfo[n].Code = code;
    return Entry(*Encode(*p), n);
}

}  // namespace

TEST(EntryTable, RowsAndUnlistedCodes) {
    EXPECT_EQ(EntryFor(1), (Bytes{0x01, 0x00, 0xF0, 0x00}));
    EXPECT_EQ(EntryFor(4), (Bytes{0x0A, 0xF0, 0x32, 0x02}));
    EXPECT_EQ(EntryFor(25), (Bytes{0x03, 0x00, 0x83, 0x01}));
    EXPECT_EQ(EntryFor(54), (Bytes{0x00, 0x01, 0x06, 0x00}));
    EXPECT_EQ(EntryFor(71), (Bytes{0x00, 0x04, 0x2C, 0x1B}));
    EXPECT_EQ(EntryFor(85), (Bytes{0x00, 0x08, 0x0F, 0x00}));
    EXPECT_EQ(EntryFor(121), (Bytes{0x00, 0x04, 0x2B, 0x00}));
    for (uint8_t code : {0, 43, 61, 99, 102, 122, 123, 200, 255}) EXPECT_EQ(EntryFor(code), Bytes(4, 0)) << int(code);
}

TEST(ButtonEncoding, PlainButtonsWriteNoSlot) {
    auto p = EmptyProfile();
    const uint8_t codes[] = {1, 2, 3, 7, 8, 54, 85, 25};
    for (int n = 0; n < 8; ++n) p->MacroKeyInfo[n].Code = codes[n];
    p->MacroKeyInfo[8].Code = 5;
    p->MacroKeyInfo[8].Payload[0] = 0x04;
    p->MacroKeyInfo[8].Payload[1] = 0x04;
    auto image = Encode(*p);
    EXPECT_EQ(Entry(*image, 5), (Bytes{0x00, 0x01, 0x06, 0x00}));
    EXPECT_EQ(Entry(*image, 8), (Bytes{0x00, 0x01, 0x04, 0x00}));
    EXPECT_TRUE(UsedSlots(*image).empty());

    DataBlock colours{};
    colours[2] = 0xFF;
    EXPECT_EQ(image->SlotColourBlock(), colours);
    const auto uploads = ButtonUploads(*image);
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_EQ(uploads[0].Header, ButtonTableCommand());
    EXPECT_EQ(uploads[0].Data[4 * 5 + 1], 0x01);
    EXPECT_EQ(uploads[1].Header, SlotColourCommand());
    EXPECT_EQ(uploads[1].Data, colours);
}

TEST(ButtonEncoding, KeyCombinationModifiersInHidOrder) {
    auto combination = [](uint8_t modifiers) {
        auto p = EmptyProfile();
        ButtonFunction& b = p->MacroKeyInfo[2];
        b.Code = 5;
        b.Payload[0] = 0x0F;
        b.Payload[1] = modifiers;
        return Entry(*Encode(*p), 2);
    };
    EXPECT_EQ(combination(0x01), (Bytes{0x00, 0x00, 0x0F, 0x00})) << "key alone";
    EXPECT_EQ(combination(0x02), (Bytes{0x00, 0x02, 0x0F, 0x00})) << "Shift";
    EXPECT_EQ(combination(0x04), (Bytes{0x00, 0x01, 0x0F, 0x00})) << "Ctrl";
    EXPECT_EQ(combination(0x08), (Bytes{0x00, 0x04, 0x0F, 0x00})) << "Alt";
    EXPECT_EQ(combination(0x10), (Bytes{0x00, 0x08, 0x0F, 0x00})) << "Windows key";
    EXPECT_EQ(combination(0xFF), (Bytes{0x00, 0x0F, 0x0F, 0x00})) << "unknown bits dropped";
}

TEST(ButtonEncoding, PerCodeAdjustments) {
    auto p = EmptyProfile();
    p->OTGSpeed = 0x10A;
    ButtonFunction* b = p->MacroKeyInfo;
    b[4].Code = 17;
    b[5].Code = 21;
    b[5].Payload[0] = 0xF1;
    b[5].FireInterval = 9;
    b[5].FireCount = 300;
    b[6].Code = 21;
    b[6].FireInterval = 4;
    b[6].FireCount = 3;
    b[7].Code = 22;
    b[8].Code = 21;
    b[8].FireInterval = -50;
    auto image = Encode(*p);
    EXPECT_EQ(Entry(*image, 4), (Bytes{0x06, 0x00, 0x0A, 0x05}));
    EXPECT_EQ(Entry(*image, 5), (Bytes{0x0A, 0xF1, 0x04, 0x2C}));
    EXPECT_EQ(Entry(*image, 6), (Bytes{0x0A, 0x00, 0x02, 0x03}));
    EXPECT_EQ(Entry(*image, 7), (Bytes{0x0A, 0x01, 0x0A, 0x0A}));
    EXPECT_EQ(Entry(*image, 8), (Bytes{0x0A, 0x00, 0x02, 0x00}));
    EXPECT_TRUE(UsedSlots(*image).empty());
}

TEST(ButtonEncoding, MacroEntryAndSlot) {
    auto p = EmptyProfile();
    ButtonFunction& empty = p->MacroKeyInfo[3];
    empty.Code = 16;
    empty.MacroItem = 0;
    ButtonFunction& macro = p->MacroKeyInfo[5];
    macro.Code = 16;
    macro.MacroItem = 2;
    macro.RunMode = 0x103;
    macro.ItemValue = 7;
    macro.ItemCount = 1;
    macro.Payload[0] = 0x04;
    macro.Payload[1] = 1;
    macro.Payload[2] = 100;
    auto image = Encode(*p);
    EXPECT_EQ(Entry(*image, 3), Bytes(4, 0)) << "a macro without events";
    EXPECT_EQ(Entry(*image, 5), (Bytes{0x09, 0x03, 0x10, 0x00}));
    EXPECT_EQ(UsedSlots(*image), (std::vector<int>{16}));
    EXPECT_EQ(SlotPrefix(*image, 16, 5), (Bytes{0x00, 0x07, 0x33, 0x04, 0x00}));
    EXPECT_EQ(Colour(*image, 16), Bytes(3, 0)) << "macros have no colour";
}

TEST(ButtonEncoding, GunEntrySlotAndColours) {
    auto p = EmptyProfile();
    p->GunMode = 1;
    ButtonFunction& gun = p->MacroKeyInfo[3];
    gun.Code = 100;
    gun.GunItem = 4;
    gun.ModeIndex = 2;
    gun.ModeValue = 0x1234;
    gun.GunColor = 0x00332211;
    auto image = Encode(*p);
    EXPECT_EQ(Entry(*image, 3), (Bytes{0x0C, 0x02, 0x00, 0x0E}));
    EXPECT_EQ(UsedSlots(*image), (std::vector<int>{14}));
    EXPECT_EQ(SlotPrefix(*image, 14, 12),
              (Bytes{0x00, 0x03, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, 0x34, 0x12, 0x82, 0xF0}));
    EXPECT_EQ(Colour(*image, 14), (Bytes{0x11, 0x22, 0x33}));
    EXPECT_EQ(Colour(*image, 1), (Bytes{0xFF, 0x00, 0x00}));
    EXPECT_EQ(Colour(*image, 6), (Bytes{0xFF, 0xFF, 0x00}));
}

TEST(ButtonEncoding, SlotKindFollowsTheLastAssignedPattern) {
    auto p = EmptyProfile();
    ButtonFunction& b = p->MacroKeyInfo[0];
    b.Code = 100;
    b.GunItem = 0;
    b.AdvanceGunItem = 0;  // the advanced gun wins over the gun
    b.ItemValue = 0x0102;
    b.ItemCount = 1;
    b.Steps[0] = GunStep{0, 5, 20, {0, 0}};
    ButtonFunction& m = p->MacroKeyInfo[1];
    m.Code = 105;
    m.MacroItem = 0;
    m.ItemValue = 9;
    m.ItemCount = 1;
    m.Payload[0] = 0x04;
    m.Payload[1] = 2;
    m.Payload[2] = 100;
    auto image = Encode(*p);
    EXPECT_EQ(SlotPrefix(*image, 11, 4), (Bytes{0x01, 0x02, 0x0A, 0xF0}));
    EXPECT_EQ(SlotPrefix(*image, 12, 4), (Bytes{0x00, 0x09, 0xB3, 0x04}));
}

TEST(ButtonEncoding, AdvancedGunRunModeOnlyWithSteps) {
    auto p = EmptyProfile();
    for (int n : {0, 1}) {
        ButtonFunction& b = p->MacroKeyInfo[n];
        b.Code = 105;
        b.AdvanceGunItem = 0;
        b.RunMode = 3;
        b.GunColor = 0x0000FF;
    }
    p->MacroKeyInfo[1].ItemCount = 1;
    auto image = Encode(*p);
    EXPECT_EQ(Entry(*image, 0), (Bytes{0x0C, 0x04, 0x00, 0x0B}));
    EXPECT_EQ(Entry(*image, 1), (Bytes{0x0C, 0x04, 0x03, 0x0C}));
    EXPECT_EQ(UsedSlots(*image), (std::vector<int>{11, 12}));
}

TEST(ButtonEncoding, GunWithoutSlotUsesNoColours) {
    auto p = EmptyProfile();
    p->MacroKeyInfo[0].Code = 101;
    p->MacroKeyInfo[0].GunColor = 0xFFFFFF;
    auto image = Encode(*p);
    EXPECT_EQ(Entry(*image, 0), (Bytes{0x0C, 0x01, 0x00, 0x00}));
    EXPECT_TRUE(UsedSlots(*image).empty());
    EXPECT_EQ(Colour(*image, 1), Bytes(3, 0));
    EXPECT_EQ(Colour(*image, 11), Bytes(3, 0));
}

TEST(ButtonEncoding, PresetGunEntryFillsBothBuiltInSlots) {
    auto p = EmptyProfile();
    ButtonFunction& b = p->MacroKeyInfo[19];
    b.Code = 100;
    b.GunItem = 9;
    b.ModeValue = 70;
    b.GunColor = 0x00FF00;
    auto image = Encode(*p);
    EXPECT_EQ(Entry(*image, 19), (Bytes{0x0C, 0x04, 0x02, 0x01}));
    EXPECT_EQ(UsedSlots(*image), (std::vector<int>{1, 6}));
    EXPECT_EQ(SlotPrefix(*image, 1, 12),
              (Bytes{0x00, 0x01, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, 0x18, 0x01, 0x82, 0xF0}));
    EXPECT_EQ(SlotPrefix(*image, 6, 12),
              (Bytes{0x00, 0x01, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, 0x30, 0x02, 0x82, 0xF0}));
    EXPECT_EQ(Colour(*image, 1), (Bytes{0xFF, 0x00, 0x00}));
    EXPECT_EQ(Colour(*image, 30), Bytes(3, 0));
}

TEST(ButtonEncoding, DefaultProfileImage) {
    auto image = Encode(*DefaultProfile());
    const Bytes table = {
        0x01, 0x00, 0xF0, 0x00, 0x01, 0x00, 0xF1, 0x00, 0x01, 0x00, 0xF2, 0x00, 0x01, 0x00, 0xF4, 0x00,  // 0-3
        0x01, 0x00, 0xF3, 0x00, 0x07, 0x00, 0x03, 0x00, 0x0A, 0xF0, 0x20, 0x00, 0x0B, 0x00, 0x05, 0x05,  // 4-7
        0x03, 0x00, 0xE9, 0x00, 0x03, 0x00, 0xEA, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 8-11
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00,  // 12-15
        0x01, 0x00, 0xF0, 0x00, 0x01, 0x00, 0xF1, 0x00, 0x01, 0x00, 0xF2, 0x00, 0x0C, 0x04, 0x02, 0x01,  // 16-19
        0x0C, 0x04, 0x02, 0x1F, 0x07, 0x00, 0x03, 0x00, 0x0C, 0x04, 0x02, 0x21, 0x0C, 0x04, 0x02, 0x22,  // 20-23
        0x01, 0x00, 0xF0, 0x00, 0x00, 0x00, 0x2E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 24-27
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00,  // 28-31
    };
    EXPECT_EQ(Bytes(std::begin(image->ButtonTable), std::end(image->ButtonTable)), table);
    EXPECT_EQ(UsedSlots(*image), (std::vector<int>{1, 6, 31, 33, 34}));
    auto gunSlot = [](uint16_t w) {
        return Bytes{0x00, 0x01, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, static_cast<uint8_t>(w), 0x00, 0x82, 0xF0};
    };
    EXPECT_EQ(SlotPrefix(*image, 1, 12), gunSlot(48));
    EXPECT_EQ(SlotPrefix(*image, 6, 12), gunSlot(96));
    EXPECT_EQ(SlotPrefix(*image, 31, 12), gunSlot(12));
    EXPECT_EQ(SlotPrefix(*image, 33, 12), gunSlot(6));
    EXPECT_EQ(SlotPrefix(*image, 34, 12), gunSlot(11));

    DataBlock colours{};
    const Bytes set[] = {{0, 0x00, 0x00, 0xFF}, {1, 0xFF, 0x00, 0x00},  {6, 0xFF, 0xFF, 0x00},
                         {31, 0x00, 0xFF, 0xFF}, {33, 0x00, 0x00, 0xFF}, {34, 0x00, 0xFF, 0x00}};
    for (const Bytes& c : set) std::copy(c.begin() + 1, c.end(), colours.begin() + 3 * c[0]);
    EXPECT_EQ(image->SlotColourBlock(), colours);

    const auto uploads = ButtonUploads(*image);
    ASSERT_EQ(uploads.size(), 7u);
    const int order[] = {1, 6, 31, 33, 34};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(uploads[2 + i].Header, DataSlotCommand(order[i]));
        EXPECT_EQ(uploads[2 + i].Data[8], image->Slots[order[i]][8]);
    }
}

TEST(ButtonEncoding, FullProfileUsesEverySlotWithoutSpilling) {
    auto p = std::make_unique<Profile>();
    full_profile::BuildFullProfile(*p);
    const auto before = std::make_unique<Profile>(*p);
    auto image = Encode(*p);
    EXPECT_EQ(std::memcmp(p.get(), before.get(), sizeof(Profile)), 0) << "encoding leaves the profile alone";

    std::vector<int> expected = {1, 6};
    for (int n = 0; n < kButtonEntryCount; ++n)
        if (n != 19) expected.push_back(n + 11);
    EXPECT_EQ(UsedSlots(*image), expected);
    for (int s : {0, 2, 3, 4, 5, 7, 8, 9, 10, 30, 43, 99}) EXPECT_TRUE(SlotIsZero(*image, s)) << s;

    for (int n = 0; n < kButtonEntryCount; ++n) {
        const ButtonCode kind = full_profile::KindOf(n);
        const int slot = n == 19 ? 1 : n + 11;
        const Bytes entry = Entry(*image, n);
        if (kind == ButtonCode::Macro) {
            EXPECT_EQ(entry, (Bytes{0x09, 0x00, static_cast<uint8_t>(slot), 0x00})) << n;
            EXPECT_EQ(SlotPrefix(*image, slot, 4), (Bytes{0x00, 0x03, 0x01, 0x04})) << n;
            // 202 bytes of events: cut after the first byte pair of event 31.
            EXPECT_EQ(image->Slots[slot][126], 0x81) << n;  // a release
            EXPECT_EQ(image->Slots[slot][127], 0x04 + 31 % 26) << n;
            EXPECT_EQ(Colour(*image, slot), Bytes(3, 0)) << n;
            continue;
        }
        EXPECT_EQ(entry[0], 0x0C) << n;
        EXPECT_EQ(entry[3], slot) << n;
        if (n == 19) continue;
        const uint32_t c = full_profile::ColourOf(n);
        EXPECT_EQ(Colour(*image, slot), (Bytes{uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)})) << n;
        if (kind == ButtonCode::FirePattern) {
            EXPECT_EQ(image->Slots[slot][8], uint8_t(10 * n + 5)) << n;
        } else {
            // Eight twelve-byte steps after the repeat value; the rest stays zero.
            EXPECT_EQ(SlotPrefix(*image, slot, 4), (Bytes{0x00, 0x02, 0x01, 0xF0})) << n;
            EXPECT_EQ(image->Slots[slot][2 + 7 * 12 + 8], 8) << n;
            EXPECT_EQ(image->Slots[slot][2 + 7 * 12 + 10], 0x08) << n;
            EXPECT_EQ(image->Slots[slot][2 + 7 * 12 + 11], 0x00) << n;
            for (int i = 2 + 8 * 12; i < 128; ++i) EXPECT_EQ(image->Slots[slot][i], 0) << n << " " << i;
        }
    }
    EXPECT_EQ(SlotPrefix(*image, 1, 10), (Bytes{0x00, 0x01, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, 0x0C, 0x03}));
    EXPECT_EQ(SlotPrefix(*image, 6, 10), (Bytes{0x00, 0x01, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, 0x18, 0x06}));

    // The colour block ends inside slot 42's colour: its blue does not fit.
    const DataBlock colours = image->SlotColourBlock();
    const uint32_t last = full_profile::ColourOf(31);
    EXPECT_EQ(colours[126], uint8_t(last));
    EXPECT_EQ(colours[127], uint8_t(last >> 8));
    EXPECT_EQ(Bytes(colours.begin() + 3, colours.begin() + 6), (Bytes{0xFF, 0x00, 0x00}));
    EXPECT_EQ(ButtonUploads(*image).size(), 2u + 33u);
}
