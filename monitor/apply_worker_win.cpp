#include "monitor/apply_worker_win.h"

#include "device/connection.h"
#include "profile/messages.h"

namespace {
constexpr SIZE_T kWorkerStackCommit = 4096;
}

bool ApplyWorker::Start(MonitorConnection& connection) {
    connection_ = &connection;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, kWorkerStackCommit, Run, this, 0, &threadId_);
    if (!thread_) return false;
    // Thread messages posted before the thread has a queue would be lost.
    WaitForSingleObject(ready_, INFINITE);
    return true;
}

bool ApplyWorker::Post(int request, intptr_t param) {
    return thread_ && PostThreadMessageA(threadId_, msg::kWorkerRequest, static_cast<WPARAM>(request),
                                         static_cast<LPARAM>(param)) != FALSE;
}

void ApplyWorker::Stop() {
    if (thread_) {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    if (ready_) {
        CloseHandle(ready_);
        ready_ = nullptr;
    }
}

DWORD WINAPI ApplyWorker::Run(void* self) {
    auto& worker = *static_cast<ApplyWorker*>(self);
    MSG m;
    PeekMessageA(&m, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // creates the queue
    SetEvent(worker.ready_);
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (m.message == msg::kWorkerRequest) worker.connection_->HandleWorkerRequest(static_cast<int>(m.wParam));
    }
    return 0;
}
