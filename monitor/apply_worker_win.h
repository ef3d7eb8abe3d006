// The thread that alone exchanges reports with the mouse. Requests reach it
// as thread messages, so the reports of two requests never interleave.
#pragma once

#include <windows.h>

#include <cstdint>

class MonitorConnection;

class ApplyWorker {
public:
    ApplyWorker() = default;
    ~ApplyWorker() { Stop(); }
    ApplyWorker(const ApplyWorker&) = delete;
    ApplyWorker& operator=(const ApplyWorker&) = delete;

    // Starts the thread, which hands every request to `connection`, and
    // returns once it can take requests.
    bool Start(MonitorConnection& connection);
    // Queues request 1, 2 or 3; false when the thread is not running.
    bool Post(int request, intptr_t param);
    // Asks the thread to end and waits for it, however long the request in
    // hand takes.
    void Stop();

private:
    static DWORD WINAPI Run(void* self);

    MonitorConnection* connection_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
};
