#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "profile/ini_file.h"
#include "temp_folder.h"

namespace {

// Counts how often the lock is taken and checks it is held while the file
// is replaced.
class CountingLock final : public FileLock {
public:
    void Lock() override {
        inner.Lock();
        ++depth;
        ++taken;
    }
    void Unlock() override {
        --depth;
        inner.Unlock();
    }
    InProcessFileLock inner;
    int depth = 0;
    int taken = 0;
};

}  // namespace

TEST(IniFile, MissingFileReadsDefaultsAndPutCreatesIt) {
    TempFolder dir;
    InProcessFileLock lock;
    const IniFile ini(dir.File("config.ini"), lock);
    EXPECT_EQ(ini.GetInt("Setting", "CurrentProfile", -1), -1);
    EXPECT_EQ(ini.GetString("Setting", "Name", "none"), "none");
    EXPECT_TRUE(ini.PutInt("Setting", "CurrentProfile", 3));
    EXPECT_EQ(dir.ReadText("config.ini"), "[Setting]\r\nCurrentProfile=3\r\n");
}

TEST(IniFile, EditWritesOnceOnCommitAndLeavesNoTemporaryFile) {
    TempFolder dir;
    dir.Write("a.ini", "[S]\r\nkeep=1\r\n");
    InProcessFileLock lock;
    const IniFile ini(dir.File("a.ini"), lock);
    {
        IniEdit edit = ini.Edit();
        edit.PutInt("S", "x", 1);
        edit.PutString("T", "y", "two");
        EXPECT_EQ(dir.ReadText("a.ini"), "[S]\r\nkeep=1\r\n");  // nothing before commit
        EXPECT_TRUE(edit.Commit());
    }
    EXPECT_EQ(dir.ReadText("a.ini"), "[S]\r\nkeep=1\r\nx=1\r\n[T]\r\ny=two\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.ini.tmp")));
    {
        IniEdit abandoned = ini.Edit();
        abandoned.PutInt("S", "keep", 2);
    }
    EXPECT_EQ(ini.GetInt("S", "keep", 0), 1);
}

TEST(IniFile, UnchangedTextIsNotRewrittenButAnEmptyNewFileIsCreated) {
    TempFolder dir;
    dir.Write("a.ini", "[S]\r\nk=1\r\n");
    InProcessFileLock lock;
    const IniFile ini(dir.File("a.ini"), lock);
    const auto before = std::filesystem::last_write_time(dir.File("a.ini"));
    std::filesystem::last_write_time(dir.File("a.ini"), before - std::chrono::hours(1));
    EXPECT_TRUE(ini.PutInt("S", "k", 1));
    EXPECT_EQ(std::filesystem::last_write_time(dir.File("a.ini")), before - std::chrono::hours(1));
    EXPECT_TRUE(ini.PutInt("S", "k", 2));
    EXPECT_NE(std::filesystem::last_write_time(dir.File("a.ini")), before - std::chrono::hours(1));

    EXPECT_TRUE(IniFile(dir.File("empty.ini"), lock).Edit().Commit());
    EXPECT_TRUE(std::filesystem::exists(dir.File("empty.ini")));
}

TEST(IniFile, EditFromEmptyReplacesTheWholeFile) {
    TempFolder dir;
    dir.Write("store.dat", "[Old]\r\nnumber=4\r\n");
    InProcessFileLock lock;
    IniEdit edit = IniFile(dir.File("store.dat"), lock).Edit(true);
    edit.PutInt("New", "number", 0);
    ASSERT_TRUE(edit.Commit());
    EXPECT_EQ(dir.ReadText("store.dat"), "[New]\r\nnumber=0\r\n");
}

TEST(IniFile, WriteIntoMissingFolderFailsAndReportsIt) {
    TempFolder dir;
    InProcessFileLock lock;
    EXPECT_FALSE(IniFile(dir.File("no/such/folder.ini"), lock).PutInt("S", "k", 1));
}

TEST(IniFile, EveryReadAndEditHoldsTheLock) {
    TempFolder dir;
    CountingLock lock;
    const IniFile ini(dir.File("a.ini"), lock);
    ini.PutInt("S", "k", 1);
    ini.GetInt("S", "k", 0);
    EXPECT_EQ(lock.taken, 2);
    EXPECT_EQ(lock.depth, 0);
    IniEdit edit = ini.Edit();
    EXPECT_EQ(lock.depth, 1);
    edit.Commit();
    IniEdit moved = std::move(edit);
    EXPECT_EQ(lock.depth, 1);
}

TEST(IniFile, ConcurrentWritersNeverLoseAKey) {
    TempFolder dir;
    InProcessFileLock lock;
    const IniFile ini(dir.File("shared.ini"), lock);
    constexpr int kWriters = 4, kKeys = 25;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&ini, w] {
            for (int k = 0; k < kKeys; ++k) ini.PutInt("S", "w" + std::to_string(w) + "_" + std::to_string(k), k);
        });
    for (std::thread& t : writers) t.join();
    const IniDocument doc = ini.Read();
    for (int w = 0; w < kWriters; ++w)
        for (int k = 0; k < kKeys; ++k)
            EXPECT_EQ(doc.GetInt("S", "w" + std::to_string(w) + "_" + std::to_string(k), -1), k);
}
