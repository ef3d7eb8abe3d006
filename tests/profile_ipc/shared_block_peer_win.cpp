// The other side of the shared-block test: opens the block as Option does.
//   shared_block_peer roundtrip  - checks the marks the test wrote, answers
//                                  with marks of its own
//   shared_block_peer fill N     - writes N whole blocks, each filled with
//                                  one byte value, as fast as it can
// Exit code 0 = success.
#include <cstring>
#include <memory>
#include <string>

#include "profile/shared_block_win.h"

namespace {

int RoundTrip(SharedBlockChannel& channel) {
    auto block = std::make_unique<SharedBlock>();
    if (!channel.CopyIn(*block)) return 10;
    if (block->CurrentProfile != 3 || block->Profiles[4].rgbColor3 != 0x00123456u ||
        block->SettingsChanged[4] != 1)
        return 11;
    block->MouseType = 77;
    block->ButtonChanged[2][31] = 1;
    std::strcpy(block->Profiles[0].ProFileName, "from peer");
    return channel.CopyOut(*block) ? 0 : 12;
}

int Fill(SharedBlockChannel& channel, int count) {
    auto block = std::make_unique<SharedBlock>();
    for (int i = 0; i < count; ++i) {
        std::memset(block.get(), 1 + i % 250, sizeof(SharedBlock));
        if (!channel.CopyOut(*block)) return 20;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    SharedBlockChannel channel;
    if (!channel.OpenBlockMutex()) return 3;
    if (channel.OpenBlock() != BlockOpenResult::Opened) return 4;
    const std::string command = argv[1];
    if (command == "roundtrip") return RoundTrip(channel);
    if (command == "fill" && argc > 2) return Fill(channel, std::stoi(argv[2]));
    return 2;
}
