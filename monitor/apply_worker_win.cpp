#include "monitor/apply_worker_win.h"

#include "profile/messages.h"

namespace {
constexpr SIZE_T kWorkerStackCommit = 4096;
}

bool ApplyWorker::Start(const MonitorConnection& connection, Transport& mouse, HWND resultWindow) {
    transport_.emplace(mouse, clock_);
    core_.emplace(connection, *transport_, clock_, *this);
    resultWindow_ = resultWindow;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, kWorkerStackCommit, Run, this, 0, &threadId_);
    if (!thread_) return false;
    // Thread messages posted before the thread has a queue would be lost.
    WaitForSingleObject(ready_, INFINITE);
    return true;
}

bool ApplyWorker::Post(WorkerRequest request) {
    if (!thread_) return false;
    const WPARAM code = static_cast<WPARAM>(request.Code);
    auto owned = std::make_unique<WorkerRequest>(std::move(request));
    if (!PostThreadMessageA(threadId_, msg::kWorkerRequest, code, reinterpret_cast<LPARAM>(owned.get())))
        return false;
    owned.release();  // the worker owns it now
    return true;
}

void ApplyWorker::Stop() {
    if (thread_) {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
        MSG m;
        while (PeekMessageA(&m, resultWindow_, msg::kWorkerResult, msg::kWorkerResult, PM_REMOVE))
            TakeResult(m.lParam);
    }
    if (ready_) {
        CloseHandle(ready_);
        ready_ = nullptr;
    }
}

std::unique_ptr<WorkerResult> ApplyWorker::TakeResult(LPARAM lParam) {
    return std::unique_ptr<WorkerResult>(reinterpret_cast<WorkerResult*>(lParam));
}

void ApplyWorker::Deliver(WorkerResult result) {
    auto owned = std::make_unique<WorkerResult>(std::move(result));
    if (PostMessageA(resultWindow_, msg::kWorkerResult, 0, reinterpret_cast<LPARAM>(owned.get())))
        owned.release();  // the window owns it now
}

DWORD WINAPI ApplyWorker::Run(void* self) {
    auto& worker = *static_cast<ApplyWorker*>(self);
    MSG m;
    PeekMessageA(&m, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // creates the queue
    SetEvent(worker.ready_);
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (m.message != msg::kWorkerRequest) continue;
        const std::unique_ptr<WorkerRequest> request(reinterpret_cast<WorkerRequest*>(m.lParam));
        worker.core_->Handle(*request);
    }
    return 0;
}
