#include "device/apply_worker_core.h"

#include "device/apply_changes.h"
#include "device/connection.h"
#include "device/device_command.h"
#include "device/read_state.h"
#include "device/transport_exchange.h"

ApplyWorkerCore::ApplyWorkerCore(const MonitorConnection& connection, Transport& transport,
                                 Clock& clock, WorkerResults& results)
    : connection_(connection), transport_(transport), clock_(clock), results_(results) {}

void ApplyWorkerCore::Handle(const WorkerRequest& request) {
    if (connection_.State() != ConnectionState::Connected) return;
    busy_ = true;
    switch (request.Code) {
    case kRequestApply:
        Apply(request.Apply.get());
        break;
    case kRequestReadState:
        ReadStateAndReopen();
        break;
    case kRequestAnnounceSwitch:
        CloseForSwitch();
        break;
    default:
        break;
    }
    busy_ = false;
}

// Without a profile nothing is sent, but Option is still released.
void ApplyWorkerCore::Apply(const ApplyRequest* request) {
    ApplyFinished finished;
    if (request != nullptr) {
        finished.ProfileIndex = request->ProfileIndex;
        finished.ColourBefore = request->Active.ColorOptions0;
        finished.ColourAfter = ApplyChangedSettings(transport_, clock_, *request, image_);
    }
    results_.Deliver(finished);
}

void ApplyWorkerCore::ReadStateAndReopen() {
    results_.Deliver(ReadDeviceState(transport_, clock_));
    clock_.Sleep(kOpenAfterReadMs);
    SendCommand(transport_, OpeningCommand());
}

void ApplyWorkerCore::CloseForSwitch() {
    SendCommand(transport_, ClosingCommand());
    clock_.Sleep(kAnnounceSwitchPauseMs);
    results_.Deliver(SwitchClosed{});
}
