#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "profile/file_lock_win.h"
#include "profile/program_folder_win.h"

TEST(NamedMutexFileLock, SecondHolderWaitsAndOwnerMayLockAgain) {
    // Two objects on one name stand for the two programs.
    NamedMutexFileLock first("DuvaraZariv_ProfileFiles_TestMutex");
    NamedMutexFileLock second("DuvaraZariv_ProfileFiles_TestMutex");
    first.Lock();
    first.Lock();  // the owner takes it again without waiting
    std::atomic<bool> entered{false};
    std::thread other([&] {
        second.Lock();
        entered = true;
        second.Unlock();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(entered);
    first.Unlock();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(entered);  // still held once
    first.Unlock();
    other.join();
    EXPECT_TRUE(entered);
}

TEST(RunningProgramFolder, IsTheFolderOfThisProgramWithBackslash) {
    const std::string folder = RunningProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(std::filesystem::exists(folder + "profile_win_test.exe"));
}
