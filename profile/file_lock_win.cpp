#include "profile/file_lock_win.h"

#include <windows.h>

NamedMutexFileLock::NamedMutexFileLock(const char* name) : mutex_(CreateMutexA(nullptr, FALSE, name)) {}

NamedMutexFileLock::~NamedMutexFileLock() {
    if (mutex_) CloseHandle(mutex_);
}

void NamedMutexFileLock::Lock() {
    if (!mutex_) return fallback_.Lock();
    // An abandoned mutex (the other program died holding it) is ours now;
    // the file it guarded is whole because every write replaces it in one step.
    WaitForSingleObject(mutex_, INFINITE);
}

void NamedMutexFileLock::Unlock() {
    if (!mutex_) return fallback_.Unlock();
    ReleaseMutex(mutex_);
}
