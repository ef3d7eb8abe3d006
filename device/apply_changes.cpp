#include "device/apply_changes.h"

#include <cstddef>
#include <vector>

#include "device/transport_exchange.h"

namespace {

// The button table and the slot colours lead the uploads and are apply steps
// of their own, each followed by the step pause; the data slots follow
// without it.
constexpr std::size_t kTableUploads = 2;

}  // namespace

void ApplyChangedSettings(Transport& transport, Clock& clock, SharedBlock& local,
                          DeviceImage& image, bool force) {
    Profile* profile = ActiveProfile(local);
    if (profile == nullptr) return;
    // The flags of the profile being written, not those of profile 0.
    const int index = local.CurrentProfile;

    SendCommand(transport, OpeningCommand());
    clock.Sleep(kApplyStepPauseMs);
    if (force || local.PollingChanged[index] == 1) {
        SendCommand(transport, PollingRateCommand(*profile));
        clock.Sleep(kApplyStepPauseMs);
    }
    if (force || local.DpiStageChanged[index] == 1) {
        SendCommand(transport, DpiStageCommand(*profile));
        clock.Sleep(kApplyStepPauseMs);
    }
    if (force || local.SettingsChanged[index] == 1) {
        SendDataBlock(transport, clock, SettingsBlockCommand(), BuildSettingsBlock(*profile));
        clock.Sleep(kApplyStepPauseMs);
    }

    image.Clear();
    EncodeButtons(*profile, image);
    const std::vector<DataUpload> uploads = ButtonUploads(image);
    for (std::size_t i = 0; i < uploads.size(); ++i) {
        SendDataBlock(transport, clock, uploads[i].Header, uploads[i].Data);
        if (i < kTableUploads) clock.Sleep(kApplyStepPauseMs);
    }
    SendCommand(transport, ClosingCommand());
}
