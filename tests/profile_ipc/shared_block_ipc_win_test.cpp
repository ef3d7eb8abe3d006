#include <aclapi.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "profile/shared_block_win.h"

namespace {

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

class Peer {
public:
    explicit Peer(const std::string& arguments) {
        std::string command = "\"" + ExecutableFolder() + "shared_block_peer.exe\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_);
        if (started_) CloseHandle(process_.hThread);
    }
    ~Peer() {
        if (started_) CloseHandle(process_.hProcess);
    }
    bool Started() const { return started_; }
    bool Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD ExitCode() const {
        WaitForSingleObject(process_.hProcess, 60000);
        DWORD code = 999;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

// The test process plays Monitor: it owns the block and its mutex.
class SharedBlockIpc : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(monitor_.CreateBlockMutex());
        ASSERT_TRUE(monitor_.CreateBlock());
    }
    SharedBlockChannel monitor_;
    std::unique_ptr<SharedBlock> block_ = std::make_unique<SharedBlock>();
};

TEST_F(SharedBlockIpc, ProfilesCrossBothWays) {
    std::memset(block_.get(), 0, sizeof(SharedBlock));
    block_->CurrentProfile = 3;
    block_->Profiles[4].rgbColor3 = 0x00123456u;
    block_->SettingsChanged[4] = 1;
    ASSERT_TRUE(monitor_.CopyOut(*block_));

    Peer peer("roundtrip");
    ASSERT_TRUE(peer.Started());
    ASSERT_EQ(peer.ExitCode(), 0u);

    ASSERT_TRUE(monitor_.CopyIn(*block_));
    EXPECT_EQ(block_->MouseType, 77);
    EXPECT_EQ(block_->ButtonChanged[2][31], 1);
    EXPECT_STREQ(block_->Profiles[0].ProFileName, "from peer");
    EXPECT_EQ(block_->CurrentProfile, 3);  // the peer copied the whole block back
}

TEST_F(SharedBlockIpc, CopiesNeverShowAMixOfTwoWrites) {
    std::memset(block_.get(), 1, sizeof(SharedBlock));
    ASSERT_TRUE(monitor_.CopyOut(*block_));
    Peer peer("fill 3000");
    ASSERT_TRUE(peer.Started());
    const auto* bytes = reinterpret_cast<const unsigned char*>(block_.get());
    int copies = 0;
    do {
        ASSERT_TRUE(monitor_.CopyIn(*block_));
        ++copies;
        ASSERT_EQ(bytes[0], bytes[kSharedBlockSize - 1]) << "after " << copies << " copies";
        ASSERT_EQ(bytes[0], bytes[kSharedBlockSize / 2]);
    } while (peer.Running());
    EXPECT_EQ(peer.ExitCode(), 0u);
    ASSERT_TRUE(monitor_.CopyIn(*block_));
    EXPECT_EQ(bytes[0], 1 + 2999 % 250);  // the last whole write
}

TEST_F(SharedBlockIpc, ASecondMonitorCannotTakeTheMutex) {
    SharedBlockChannel second;
    EXPECT_FALSE(second.CreateBlockMutex());
}

TEST_F(SharedBlockIpc, OnlyTheUserAndTheSystemMayOpenTheObjects) {
    const std::unique_ptr<void, decltype(&CloseHandle)> mapping(
        OpenFileMappingA(READ_CONTROL, FALSE, "TARN_4415Q_5520_Gaming_Mouse_ShareData"), &CloseHandle);
    ASSERT_NE(mapping, nullptr);
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(GetSecurityInfo(mapping.get(), SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_NE(dacl, nullptr) << "a null DACL lets every account in";
    EXPECT_EQ(dacl->AceCount, 2);

    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof everyone;
    ASSERT_TRUE(CreateWellKnownSid(WinWorldSid, nullptr, everyone, &size));
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        ASSERT_TRUE(GetAce(dacl, i, &ace));
        const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        EXPECT_FALSE(EqualSid(const_cast<DWORD*>(&allowed->SidStart), everyone));
    }
    LocalFree(descriptor);
}

TEST(SharedBlockWithoutMonitor, NothingToOpenAndNothingCopied) {
    SharedBlockChannel option;
    EXPECT_FALSE(option.OpenBlockMutex());
    EXPECT_EQ(option.OpenBlock(), BlockOpenResult::Missing);
    EXPECT_FALSE(option.HasBlock());
    auto block = std::make_unique<SharedBlock>();
    std::memset(block.get(), 0x5A, sizeof(SharedBlock));
    EXPECT_FALSE(option.CopyIn(*block));
    EXPECT_FALSE(option.CopyOut(*block));
    const auto* bytes = reinterpret_cast<const unsigned char*>(block.get());
    EXPECT_EQ(bytes[0], 0x5A);
    EXPECT_EQ(bytes[kSharedBlockSize - 1], 0x5A);
}

TEST(SharedBlockWithoutMutex, ABlockWithoutItsMutexIsNotCopied) {
    SharedBlockChannel monitor;
    ASSERT_TRUE(monitor.CreateBlock());
    SharedBlockChannel option;
    EXPECT_EQ(option.OpenBlock(), BlockOpenResult::Opened);
    auto block = std::make_unique<SharedBlock>();
    EXPECT_FALSE(option.CopyIn(*block));  // no lock, no copy
}

TEST(SharedBlockRelease, ReleasedBlockCanBeCreatedAgain) {
    {
        SharedBlockChannel monitor;
        ASSERT_TRUE(monitor.CreateBlockMutex());
        ASSERT_TRUE(monitor.CreateBlock());
        monitor.Release();
        EXPECT_FALSE(monitor.HasBlock());
    }
    SharedBlockChannel option;
    EXPECT_EQ(option.OpenBlock(), BlockOpenResult::Missing);
    SharedBlockChannel again;
    EXPECT_TRUE(again.CreateBlockMutex());
}

}  // namespace
