// The connection on one thread and its apply worker on another, as in
// Monitor: requests and results cross only as messages. Run under
// ThreadSanitizer (the native-tsan preset) this also proves the two threads
// share no data.
#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

#include "device/apply_changes.h"
#include "device/apply_worker_core.h"
#include "device/connection.h"
#include "device/event_dispatch.h"
#include "monitor_effects_fake.h"
#include "profile/profile_defaults.h"
#include "transport_fake.h"

namespace {

template <typename T>
class MessageQueue {
public:
    void Push(T item) {
        {
            std::lock_guard lock(mutex_);
            items_.push_back(std::move(item));
        }
        ready_.notify_one();
    }
    T Pop() {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return !items_.empty(); });
        T item = std::move(items_.front());
        items_.pop_front();
        return item;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<T> items_;
};

class QueuedResults final : public WorkerResults {
public:
    void Deliver(WorkerResult result) override { queue.Push(std::move(result)); }
    MessageQueue<WorkerResult> queue;
};

// Holds the worker in its first pause until the window thread lets it go,
// so that the window thread's changes land in the middle of an apply.
class GateClock final : public Clock {
public:
    void Sleep(int) override {
        if (gated_) return;
        gated_ = true;
        entered.set_value();
        release.get_future().wait();
    }
    std::promise<void> entered;
    std::promise<void> release;

private:
    bool gated_ = false;
};

// The exchanges (no pauses) an apply of `local` sends.
Log ExchangesOf(const SharedBlock& local) {
    Log log;
    FakeTransport transport(log);
    VirtualClock clock(log);
    auto image = std::make_unique<DeviceImage>();
    ApplyChangedSettings(transport, clock, *SnapshotForApply(local, false), *image);
    std::erase_if(log, [](const std::string& line) { return line.starts_with("sleep"); });
    return log;
}

TEST(WorkerThreads, EventsAndReloadsDuringAnApplyReachOnlyTheNextApply) {
    Log windowLog;
    Log mouseLog;
    RecordingEffects effects(windowLog);
    RecordingChannels channels(windowLog);
    VirtualClock windowClock(windowLog);
    FakeTransport transport(mouseLog);
    GateClock workerClock;
    QueuedResults results;
    auto local = std::make_unique<SharedBlock>();
    BuildDefaultProfiles(*local, NoTexts());
    local->DpiStageChanged[0] = local->SettingsChanged[0] = 1;
    local->Profiles[0].LightSwitch = 5;

    MonitorConnection connection(*local, effects, channels, windowClock);
    ApplyWorkerCore core(connection, transport, workerClock, results);
    MessageQueue<WorkerRequest> requests;
    std::thread worker([&] {
        for (WorkerRequest request = requests.Pop(); request.Code != 0; request = requests.Pop())
            core.Handle(request);
    });
    auto handOver = [&] {
        for (WorkerRequest& request : effects.requests) requests.Push(std::move(request));
        effects.requests.clear();
    };

    connection.ConnectAtStartup(false);
    const Log first = ExchangesOf(*local);
    connection.OnApplyRequest();
    handOver();
    workerClock.entered.get_future().wait();

    // While the worker is inside the first apply: a DPI event, a polling
    // event and a second apply of a block Option changed.
    DispatchDeviceEvent(connection, NoTexts(), 0x0700'0006);
    DispatchDeviceEvent(connection, NoTexts(), 0x0500'0002);
    auto shared = std::make_unique<SharedBlock>(*local);
    shared->Profiles[0].Sensitivity_X = 3;
    for (auto& function : shared->Profiles[0].MacroKeyInfo) function.Code = 1;
    effects.sharedSource = shared.get();
    connection.OnApplyRequest();
    handOver();
    const Log second = ExchangesOf(*local);
    workerClock.release.set_value();

    for (int i = 0; i < 2; ++i) connection.OnWorkerResult(results.queue.Pop());
    requests.Push(WorkerRequest{});
    worker.join();

    ASSERT_NE(first, second);
    Log expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(mouseLog, expected);
    EXPECT_EQ(std::ranges::count(windowLog, "option 1256"), 2);
    EXPECT_EQ(local->Profiles[0].CpiStep, 5);
    EXPECT_EQ(local->Profiles[0].PollingRate, 2);
}

}  // namespace
