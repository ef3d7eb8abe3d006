#include "monitor/shared_block_link_win.h"

#include <cstring>

#include "profile/messages.h"

namespace {

// Holds the block mutex for one copy; Held() is false when the wait failed.
class BlockLock {
public:
    explicit BlockLock(HANDLE mutex) : mutex_(mutex) {
        const DWORD result = mutex ? WaitForSingleObject(mutex, INFINITE) : WAIT_FAILED;
        // An abandoned mutex is still ours; the block is copied whole, so it
        // cannot hold a half-written copy from us.
        held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
    ~BlockLock() {
        if (held_) ReleaseMutex(mutex_);
    }
    BlockLock(const BlockLock&) = delete;
    BlockLock& operator=(const BlockLock&) = delete;
    bool Held() const { return held_; }

private:
    HANDLE mutex_;
    bool held_ = false;
};

}  // namespace

// Both objects get the process token's default security: the current user
// and the system may open them, other accounts may not.
bool SharedBlockLink::CreateMutexObject() {
    mutex_ = CreateMutexA(nullptr, FALSE, names::kSharedBlockMutex);
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex_);
        mutex_ = nullptr;
        return false;
    }
    return mutex_ != nullptr;
}

bool SharedBlockLink::CreateBlock() {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSharedBlockSize,
                                  names::kSharedBlockMapping);
    if (!mapping_) return false;
    view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kSharedBlockSize);
    return view_ != nullptr;
}

bool SharedBlockLink::CopyIn(const SharedBlock& local) {
    if (!view_) return false;
    BlockLock lock(mutex_);
    if (!lock.Held()) return false;
    std::memcpy(view_, &local, kSharedBlockSize);
    return true;
}

bool SharedBlockLink::CopyOut(SharedBlock& local) {
    if (!view_) return false;
    BlockLock lock(mutex_);
    if (!lock.Held()) return false;
    std::memcpy(&local, view_, kSharedBlockSize);
    return true;
}

void SharedBlockLink::Close() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (mutex_) CloseHandle(mutex_);
    view_ = nullptr;
    mapping_ = nullptr;
    mutex_ = nullptr;
}
