// Monitor's side of the shared block: it creates the block and its mutex,
// and copies whole blocks in and out under the mutex. Without a block every
// copy reports failure and Monitor runs on with its local copy.
#pragma once

#include <windows.h>

#include "profile/shared_block.h"

class SharedBlockLink {
public:
    SharedBlockLink() = default;
    ~SharedBlockLink() { Close(); }
    SharedBlockLink(const SharedBlockLink&) = delete;
    SharedBlockLink& operator=(const SharedBlockLink&) = delete;

    // Creates the block's mutex; false when it already existed (another
    // Monitor owns the block) or could not be made.
    bool CreateMutexObject();
    // Creates and maps the named block; false leaves Monitor without one.
    bool CreateBlock();

    // Whole-block copies; false (nothing copied) without a block or when
    // the mutex cannot be taken.
    bool CopyIn(const SharedBlock& local);
    bool CopyOut(SharedBlock& local);

    void Close();

private:
    HANDLE mutex_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
};
