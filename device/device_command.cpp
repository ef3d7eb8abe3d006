#include "device/device_command.h"

Command MakeCommand(uint8_t b0, uint8_t b1, uint8_t b2) {
    Command c{};
    c[0] = b0;
    c[1] = b1;
    c[2] = b2;
    uint8_t sum = 0;
    for (int i = 0; i < 7; ++i) sum = static_cast<uint8_t>(sum + c[i]);
    c[7] = static_cast<uint8_t>(0xFF - sum);
    return c;
}

Command OpeningCommand() { return MakeCommand(0x01, 0x88, 0x02); }
Command ClosingCommand() { return MakeCommand(0x02, 0x01, 0x00); }

Command PollingRateCommand(const Profile& p) {
    return MakeCommand(0x03, 0x01, PollingInterval(p.PollingRate));
}

Command DpiStageCommand(const Profile& p) {
    // The mouse counts stages from 1; the profile counts them from 0.
    return MakeCommand(0x04, 0x01, static_cast<uint8_t>(static_cast<uint32_t>(p.CpiStep) + 1u));
}

Command SettingsBlockCommand() { return MakeCommand(0x0C, 0x01, 0x80); }
Command ButtonTableCommand() { return MakeCommand(0x0D, 0x01, 0x80); }
Command DataSlotCommand(int slot) { return MakeCommand(0x0F, static_cast<uint8_t>(slot), 0x80); }
Command SlotColourCommand() { return MakeCommand(0x0F, 0x64, 0x80); }
Command QueryProfileCommand() { return MakeCommand(0x82); }

Command QueryDpiStageCommand(int profileNumber) {
    return MakeCommand(0x84, static_cast<uint8_t>(profileNumber));
}

uint8_t PollingInterval(int32_t pollingRate) {
    switch (pollingRate) {
        case 0: return 8;
        case 1: return 4;
        case 3: return 1;
        default: return 2;
    }
}

std::span<const uint8_t, kDataWriteSize> DataBlockHalf(const DataBlock& block, int half) {
    return std::span<const uint8_t, kDataWriteSize>(block.data() + (half == 0 ? 0 : kDataWriteSize),
                                                    kDataWriteSize);
}
