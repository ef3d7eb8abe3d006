// The file lock shared by both programs: a named mutex in the session.
#pragma once

#include "profile/file_lock.h"

inline constexpr char kProfileFilesMutexName[] = "DuvaraZariv_ProfileFiles_Mutex";

class NamedMutexFileLock final : public FileLock {
public:
    // Opens or creates the mutex with default security. If that fails the
    // lock only serialises this process, so the program still runs.
    explicit NamedMutexFileLock(const char* name = kProfileFilesMutexName);
    ~NamedMutexFileLock() override;
    NamedMutexFileLock(const NamedMutexFileLock&) = delete;
    NamedMutexFileLock& operator=(const NamedMutexFileLock&) = delete;

    void Lock() override;
    void Unlock() override;

private:
    void* mutex_;  // HANDLE
    InProcessFileLock fallback_;
};
