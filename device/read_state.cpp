#include "device/read_state.h"

#include <cstring>

#include "device/transport_exchange.h"
#include "device/reported_ranges.h"

DeviceStateReading ReadDeviceState(Transport& transport, Clock& clock) {
    DeviceStateReading reading;
    if (const auto reply = Query(transport, clock, QueryProfileCommand());
        reply && InRange((*reply)[1], 1, kProfileCount)) {
        reading.CurrentProfile = (*reply)[1] - 1;
    }
    clock.Sleep(kTransferPauseMs);

    for (int index = 0; index < kProfileCount; ++index) {
        const auto reply = Query(transport, clock, QueryDpiStageCommand(index + 1));
        reading.Complete = reply && InRange((*reply)[2], 1, kMaxDpiStage);
        if (reading.Complete) reading.CpiSteps[index] = (*reply)[2] - 1;
        clock.Sleep(kTransferPauseMs);
    }
    return reading;
}

void StoreDeviceState(const DeviceStateReading& reading, SharedBlock& local) {
    if (reading.CurrentProfile) local.CurrentProfile = *reading.CurrentProfile;
    for (int index = 0; index < kProfileCount; ++index) {
        if (reading.CpiSteps[index]) local.Profiles[index].CpiStep = *reading.CpiSteps[index];
    }
    std::memset(local.ButtonChanged, 0, sizeof local.ButtonChanged);
}
