// What the window thread hands the apply worker and what the worker hands
// back. A request carries its own copy of everything the worker reads, so
// the window thread may change its local copy while an apply runs; results
// travel back as messages and are applied on the window thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>

#include "profile/profile_record.h"
#include "profile/shared_block.h"

// Request codes of the apply worker.
enum WorkerRequestCode : int {
    kRequestApply = 1,
    kRequestReadState = 2,
    kRequestAnnounceSwitch = 3,
};

// The active profile and its change flags at the moment of the request.
struct ApplyRequest {
    int ProfileIndex;
    Profile Active;
    bool PollingChanged;
    bool DpiStageChanged;
    bool SettingsChanged;
    bool Force;  // send all three settings reports whatever the flags say
};

// The apply request for `local`'s active profile; none when the
// current-profile number selects no profile. Only a flag of exactly 1 counts.
std::unique_ptr<const ApplyRequest> SnapshotForApply(const SharedBlock& local, bool force);

struct WorkerRequest {
    WorkerRequest(int code = 0, std::unique_ptr<const ApplyRequest> apply = nullptr)
        : Code(code), Apply(std::move(apply)) {}
    int Code;
    std::unique_ptr<const ApplyRequest> Apply;  // request 1 only; none: nothing to send
};

// An apply has ended. The settings block may have stepped the profile's
// colour option on; the window thread keeps the new value.
struct ApplyFinished {
    int ProfileIndex = -1;  // -1: nothing was sent
    uint32_t ColourBefore = 0;
    uint32_t ColourAfter = 0;
};

// What the mouse answered to the state queries; an empty value is a query
// that failed or answered out of range.
struct DeviceStateReading {
    std::optional<int> CurrentProfile;
    std::array<std::optional<int32_t>, kProfileCount> CpiSteps{};
    bool Complete = false;  // the fifth profile's query succeeded
};

// The closing command of a profile switch has been sent.
struct SwitchClosed {};

using WorkerResult = std::variant<ApplyFinished, DeviceStateReading, SwitchClosed>;

// Carries results from the worker thread to the window thread.
class WorkerResults {
public:
    virtual ~WorkerResults() = default;
    virtual void Deliver(WorkerResult result) = 0;
};
