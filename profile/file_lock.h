// The lock that both programs hold around every read-modify-write of a
// shared settings file, so that a key one program writes is never lost to a
// save of the other at the same moment. The Windows programs use the named
// mutex of file_lock_win.h; tests and host tools use an in-process lock.
#pragma once

#include <mutex>

class FileLock {
public:
    virtual ~FileLock() = default;
    // Waits until the lock is held. A thread that holds it may take it again.
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
};

class InProcessFileLock final : public FileLock {
public:
    void Lock() override { mutex_.lock(); }
    void Unlock() override { mutex_.unlock(); }

private:
    std::recursive_mutex mutex_;
};

// Holds a FileLock for the lifetime of the guard.
class FileLockGuard {
public:
    explicit FileLockGuard(FileLock& lock) : lock_(&lock) { lock_->Lock(); }
    FileLockGuard(FileLockGuard&& other) noexcept : lock_(other.lock_) { other.lock_ = nullptr; }
    FileLockGuard(const FileLockGuard&) = delete;
    FileLockGuard& operator=(const FileLockGuard&) = delete;
    FileLockGuard& operator=(FileLockGuard&&) = delete;
    ~FileLockGuard() {
        if (lock_) lock_->Unlock();
    }

private:
    FileLock* lock_;
};
