// The thread that alone exchanges reports with the mouse. Requests reach it
// as thread messages, so the reports of two requests never interleave; its
// results reach Monitor's window as posted messages.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "device/apply_worker_core.h"
#include "device/pause_timeline.h"

class ApplyWorker final : public WorkerResults {
public:
    ApplyWorker() = default;
    ~ApplyWorker() override { Stop(); }
    ApplyWorker(const ApplyWorker&) = delete;
    ApplyWorker& operator=(const ApplyWorker&) = delete;

    // Starts the thread, which reports through `mouse` and posts its results
    // to `resultWindow`, and returns once it can take requests.
    bool Start(const MonitorConnection& connection, Transport& mouse, HWND resultWindow);
    // Queues a request; false when the thread is not running.
    bool Post(WorkerRequest request);
    // Asks the thread to end and waits for it, however long the request in
    // hand takes; then drops the results the window has not taken. Call it
    // on the window's thread.
    void Stop();

    // The result carried by a kWorkerResult message; the caller owns it.
    static std::unique_ptr<WorkerResult> TakeResult(LPARAM lParam);

private:
    void Deliver(WorkerResult result) override;
    static DWORD WINAPI Run(void* self);

    DeadlineClock clock_;
    std::optional<PacedTransport> transport_;
    std::optional<ApplyWorkerCore> core_;
    HWND resultWindow_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
};
