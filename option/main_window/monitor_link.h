// The main window's link to Monitor: the shared block that Monitor created
// and Monitor's window. The platform layer implements it with the block
// channel and the window found by its title; tests record the calls.
#pragma once

#include "profile/shared_block.h"

class MonitorLink {
public:
    virtual ~MonitorLink() = default;
    // Opens the block mutex and the block (once, at start-up).
    virtual BlockOpenResult OpenBlock() = 0;
    // Whole-block copies under the mutex; false (nothing copied) when there
    // is no block or the mutex cannot be taken.
    virtual bool CopyIn(SharedBlock& local) = 0;
    virtual bool CopyOut(const SharedBlock& local) = 0;
    // Posts the apply request to Monitor's window; false when Monitor's
    // window does not exist.
    virtual bool PostApply() = 0;
    // Unmaps the block and closes the handles.
    virtual void Release() = 0;
};
