#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "profile/config_file.h"
#include "profile/fixed_text.h"
#include "profile/ini_document.h"
#include "profile/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/profile_files_keys.h"
#include "profile/program_folder.h"
#include "temp_folder.h"

namespace {

class PresetName final : public TextSource {
public:
    std::string Text(int) const override { return "Preset"; }
};

// Records what reaches the Windows settings.
class FakeMouseSettings final : public WindowsMouseSettings {
public:
    int Read(Profile& profile) override {
        ++reads;
        profile.MouseSpeed = 17;
        return 1;
    }
    int Write(const Profile& profile) override {
        written = FixedText(profile.ProFileName);
        return 1;
    }
    int reads = 0;
    std::string written;
};

struct Fixture {
    TempFolder dir;
    InProcessFileLock lock;
    PresetName texts;
    FakeMouseSettings mouse;
    ProfileStorage storage{dir.Folder(), lock, texts, mouse};
    std::unique_ptr<SharedBlock> set = std::make_unique<SharedBlock>();

    Fixture() { ResetSharedProfiles(*set); }
    std::string ProfileText(int n) const { return dir.ReadText("config/Default" + std::to_string(n) + ".gmp"); }
};

std::unique_ptr<Profile> DefaultProfile(int n, const TextSource& texts) {
    auto p = std::make_unique<Profile>();
    std::memset(p.get(), 0, sizeof *p);
    BuildDefaultProfile(*p, n, texts);
    return p;
}

// A profile in which every field has a distinct, non-default value.
std::unique_ptr<Profile> UnusualProfile() {
    auto p = std::make_unique<Profile>();
    auto* bytes = reinterpret_cast<uint8_t*>(p.get());
    for (std::size_t i = 0; i < sizeof *p; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    p->Pad0 = 0;
    std::memset(p->Pad1, 0, sizeof p->Pad1);
    SetFixedText(p->ProFileName, "Sniper; with = signs");
    SetFixedText(p->GameFile, "C:\\Games\\game.exe");
    p->DPIColor[2] = 0xFFFFFFFF;
    return p;
}

}  // namespace

TEST(ProfileFiles, KeysAreWrittenInFileOrderWithExactSpellings) {
    Fixture f;
    std::filesystem::create_directories(f.dir.File("config"));
    ASSERT_EQ(SaveProfile(*DefaultProfile(0, f.texts), ProfileFilePath(f.storage.programFolder, 0), f.lock), 1);
    const std::string text = f.ProfileText(0);
    ASSERT_EQ(ProfileFileKeys().size(), 113u);
    EXPECT_EQ(text.rfind("[Setting]\r\nProFileName=Default1\r\nGameFile=\r\nDbleClickSpeed=550\r\n", 0), 0u);
    std::size_t last = 0;
    for (const ProfileKey& key : ProfileFileKeys()) {
        const std::size_t at = text.find("\r\n" + key.name + "=");
        ASSERT_NE(at, std::string::npos) << key.name;
        EXPECT_GT(at, last) << key.name;
        last = at;
    }
    EXPECT_NE(text.find("\r\nProfileSwitchIndictor=1\r\nGunMode=0\r\nDPIColor0=255\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nColorOptions0=0\r\nColorType0=0\r\n"), std::string::npos);
    const std::size_t value = text.find("MacroKeyInfo31=") + 15;
    EXPECT_EQ(text.find("\r\n", value) - value, 1442u);
}

TEST(ProfileFiles, SaveAndLoadRoundTripEveryByte) {
    Fixture f;
    std::filesystem::create_directories(f.dir.File("config"));
    const std::string path = ProfileFilePath(f.storage.programFolder, 2);
    const auto original = UnusualProfile();
    SaveProfile(*original, path, f.lock);
    auto loaded = std::make_unique<Profile>();
    LoadProfile(*loaded, path, f.lock, f.texts);
    EXPECT_EQ(std::memcmp(loaded.get(), original.get(), sizeof(Profile)), 0);
}

TEST(ProfileFiles, MissingKeysReadAsMinusOneAndBadEntriesKeepTheirDefault) {
    Fixture f;
    const auto defaults = DefaultProfile(0, f.texts);
    IniDocument file;
    SaveProfileTo(file, *UnusualProfile());
    std::string text = file.Text();
    // Remove "LiftLevel" and "Color1Type", damage entry 3's checksum, cut entry 4.
    auto removeLine = [&text](const std::string& key) {
        const std::size_t at = text.find("\r\n" + key + "=") + 2;
        text.erase(at, text.find("\r\n", at) + 2 - at);
    };
    removeLine("LiftLevel");
    removeLine("Color1Type");
    const std::size_t entry3 = text.find("MacroKeyInfo3=") + 14 + 1440;
    text[entry3] = text[entry3] == '0' ? '1' : '0';
    text.erase(text.find("MacroKeyInfo4=") + 14, 2);

    auto loaded = UnusualProfile();
    LoadProfileFrom(IniDocument::Parse(text), *loaded, f.texts);
    EXPECT_EQ(loaded->LiftLevel, -1);
    EXPECT_EQ(loaded->Color1Type, 255);
    EXPECT_EQ(std::memcmp(&loaded->MacroKeyInfo[3], &defaults->MacroKeyInfo[3], sizeof(ButtonFunction)), 0);
    EXPECT_EQ(std::memcmp(&loaded->MacroKeyInfo[4], &defaults->MacroKeyInfo[4], sizeof(ButtonFunction)), 0);
    EXPECT_EQ(std::memcmp(&loaded->MacroKeyInfo[5], &UnusualProfile()->MacroKeyInfo[5], sizeof(ButtonFunction)), 0);

    auto empty = std::make_unique<Profile>();
    LoadProfileFrom(IniDocument(), *empty, f.texts);
    EXPECT_EQ(empty->DbleClickSpeed, -1);
    EXPECT_EQ(empty->DPIColor[0], 0xFFFFFFFFu);
    EXPECT_EQ(empty->dpiIndicator[5], 255);
    EXPECT_EQ(FixedText(empty->ProFileName), "");
    EXPECT_EQ(FixedText(empty->MacroKeyInfo[19].ItemName), "Preset");
}

TEST(ProfileFiles, LongNamesAreCutToTheirFields) {
    IniDocument file;
    file.PutString("Setting", "ProFileName", std::string(400, 'n'));
    file.PutString("setting", "GAMEFILE", std::string(3000, 'g'));
    auto p = std::make_unique<Profile>();
    LoadProfileFrom(file, *p, NoTexts());
    EXPECT_EQ(FixedText(p->ProFileName), std::string(249, 'n'));
    EXPECT_EQ(FixedText(p->GameFile), std::string(501, 'g'));
}

TEST(ProfileFiles, RenamedProfileUpdatesNameInPlaceAndKeepsForeignKeys) {
    Fixture f;
    f.dir.Write("config/Default1.gmp", "; hand note\r\n[Setting]\r\nProFileName=Old\r\nExtra=kept\r\n");
    const std::string path = ProfileFilePath(f.storage.programFolder, 1);
    auto p = DefaultProfile(1, f.texts);
    SetFixedText(p->ProFileName, "Renamed");
    SaveProfile(*p, path, f.lock);
    const std::string text = f.dir.ReadText("config/Default1.gmp");
    EXPECT_EQ(text.rfind("; hand note\r\n[Setting]\r\nProFileName=Renamed\r\nExtra=kept\r\nGameFile=\r\n", 0), 0u);
    EXPECT_EQ(text.find("Old"), std::string::npos);
}

TEST(ProfileFiles, NoConfigFolderGivesDefaultsAndNoWindowsSettings) {
    Fixture f;
    LoadAllProfiles(*f.set, f.storage);
    EXPECT_EQ(f.set->CurrentProfile, -1);
    EXPECT_EQ(f.set->MouseType, -1);
    EXPECT_EQ(f.mouse.reads, 0);
    for (int n = 0; n < kProfileCount; ++n)
        EXPECT_EQ(std::memcmp(&f.set->Profiles[n], DefaultProfile(n, f.texts).get(), sizeof(Profile)), 0) << n;
    EXPECT_EQ(FixedText(f.set->Profiles[4].ProFileName), "Default5");
}

TEST(ProfileFiles, SaveAllThenLoadAllRestoresTheSet) {
    Fixture f;
    std::filesystem::create_directories(f.dir.File("config"));
    BuildDefaultProfiles(*f.set, f.texts);
    f.set->CurrentProfile = 3;
    f.set->MouseType = 7;
    std::memcpy(&f.set->Profiles[1], UnusualProfile().get(), sizeof(Profile));
    SetFixedText(f.set->Profiles[3].ProFileName, "Current");
    ASSERT_EQ(SaveAllProfiles(*f.set, f.storage), 1);
    EXPECT_EQ(f.mouse.written, "Current");
    EXPECT_EQ(f.dir.ReadText("config.ini"), "[Setting]\r\nCurrentProfile=3\r\nMouseType=7\r\n");

    auto loaded = std::make_unique<SharedBlock>();
    ResetSharedProfiles(*loaded);
    LoadAllProfiles(*loaded, f.storage);
    EXPECT_EQ(loaded->CurrentProfile, 3);
    EXPECT_EQ(loaded->MouseType, 7);
    EXPECT_EQ(f.mouse.reads, 1);
    EXPECT_EQ(loaded->Profiles[3].MouseSpeed, 17);  // taken from the Windows settings
    loaded->Profiles[3].MouseSpeed = f.set->Profiles[3].MouseSpeed;
    EXPECT_EQ(std::memcmp(loaded->Profiles, f.set->Profiles, sizeof f.set->Profiles), 0);
}

TEST(ProfileFiles, CurrentProfileOutOfRangeTouchesNoProfile) {
    Fixture f;
    f.dir.Write("config.ini", "[Setting]\r\nCurrentProfile=7\r\n");
    LoadAllProfiles(*f.set, f.storage);
    EXPECT_EQ(f.set->CurrentProfile, 7);
    EXPECT_EQ(f.mouse.reads, 0);
    f.mouse.written = "untouched";
    std::filesystem::create_directories(f.dir.File("config"));
    SaveAllProfiles(*f.set, f.storage);
    EXPECT_EQ(f.mouse.written, "untouched");
}

TEST(ProfileFiles, SaveAllReportsMissingConfigFolder) {
    Fixture f;
    BuildDefaultProfiles(*f.set, f.texts);
    EXPECT_EQ(SaveAllProfiles(*f.set, f.storage), 0);
    EXPECT_EQ(f.dir.ReadText("config.ini"), "[Setting]\r\nCurrentProfile=0\r\nMouseType=0\r\n");
}
