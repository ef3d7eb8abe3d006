// The pauses of the protocol with the mouse go through a clock so that tests
// can check every pause without waiting.
#pragma once

#include <chrono>
#include <thread>

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(int milliseconds) = 0;
};

// Real time: blocks the calling thread.
class SystemClock final : public Clock {
public:
    void Sleep(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};
