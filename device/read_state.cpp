#include "device/read_state.h"

#include <cstring>

#include "device/transport_exchange.h"

namespace {

constexpr int kMaxDpiStage = 8;

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

bool ReadDeviceState(Transport& transport, Clock& clock, SharedBlock& local) {
    if (const auto reply = Query(transport, clock, QueryProfileCommand());
        reply && InRange((*reply)[1], 1, kProfileCount)) {
        local.CurrentProfile = (*reply)[1] - 1;
    }
    clock.Sleep(kTransferPauseMs);

    bool lastSucceeded = false;
    for (int index = 0; index < kProfileCount; ++index) {
        const auto reply = Query(transport, clock, QueryDpiStageCommand(index + 1));
        lastSucceeded = reply && InRange((*reply)[2], 1, kMaxDpiStage);
        if (lastSucceeded) local.Profiles[index].CpiStep = (*reply)[2] - 1;
        clock.Sleep(kTransferPauseMs);
    }

    std::memset(local.ButtonChanged, 0, sizeof local.ButtonChanged);
    return lastSucceeded;
}
