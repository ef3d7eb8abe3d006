// The named shared-memory block through which Monitor and Option hand the
// profiles to each other, and the mutex that guards it. Monitor creates both;
// Option opens them. Every copy moves the whole block under the mutex.
#pragma once

#include <windows.h>

#include "profile/shared_block.h"

class SharedBlockChannel {
public:
    SharedBlockChannel() = default;
    ~SharedBlockChannel() { Release(); }
    SharedBlockChannel(const SharedBlockChannel&) = delete;
    SharedBlockChannel& operator=(const SharedBlockChannel&) = delete;

    // Monitor: creates the mutex, not owned. False when it already exists
    // (another Monitor holds it) or cannot be created.
    bool CreateBlockMutex();
    // Monitor: creates and maps the block. False leaves no block.
    bool CreateBlock();

    // Option: opens the mutex and the block that Monitor created.
    bool OpenBlockMutex();
    BlockOpenResult OpenBlock();

    bool HasBlock() const { return view_ != nullptr; }

    // Whole-block copies under the mutex. False, with nothing copied, when
    // there is no block or mutex or the wait for the mutex fails.
    bool CopyIn(SharedBlock& local) const;
    bool CopyOut(const SharedBlock& local);

    // Unmaps the view and closes the mapping and mutex handles.
    void Release();

private:
    bool Lock() const;

    HANDLE mutex_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
};
