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

uint32_t ApplyChangedSettings(Transport& transport, Clock& clock, const ApplyRequest& request,
                              DeviceImage& image) {
    // The settings block may step the colour option on in its own copy.
    Profile profile = request.Active;

    SendCommand(transport, OpeningCommand());
    clock.Sleep(kApplyStepPauseMs);
    if (request.Force || request.PollingChanged) {
        SendCommand(transport, PollingRateCommand(profile));
        clock.Sleep(kApplyStepPauseMs);
    }
    if (request.Force || request.DpiStageChanged) {
        SendCommand(transport, DpiStageCommand(profile));
        clock.Sleep(kApplyStepPauseMs);
    }
    if (request.Force || request.SettingsChanged) {
        SendDataBlock(transport, clock, SettingsBlockCommand(), BuildSettingsBlock(profile));
        clock.Sleep(kApplyStepPauseMs);
    }

    image.Clear();
    EncodeButtons(profile, image);
    const std::vector<DataUpload> uploads = ButtonUploads(image);
    for (std::size_t i = 0; i < uploads.size(); ++i) {
        SendDataBlock(transport, clock, uploads[i].Header, uploads[i].Data);
        if (i < kTableUploads) clock.Sleep(kApplyStepPauseMs);
    }
    SendCommand(transport, ClosingCommand());
    return profile.ColorOptions0;
}
