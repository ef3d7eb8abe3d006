// The INI engine against the platform's private-profile functions: the same
// edits applied to the same starting text must leave files that the
// platform reads identically, and every read must give the same result.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "profile/ini_file.h"
#include "temp_folder.h"

namespace {

using Content = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;

// A list of names as the platform returns it: NUL-separated, double-NUL end.
std::vector<std::string> SplitNames(const std::vector<char>& buffer) {
    std::vector<std::string> names;
    for (const char* p = buffer.data(); *p; p += names.back().size() + 1) names.emplace_back(p);
    return names;
}

std::string PlatformString(const std::string& path, const char* section, const char* key, const char* fallback) {
    std::vector<char> buffer(kIniStringBufferSize);
    GetPrivateProfileStringA(section, key, fallback, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    return buffer.data();
}

// Every section with its keys and values, as the platform reads the file.
Content PlatformContent(const std::string& path) {
    Content content;
    std::vector<char> buffer(65536, '\0');
    GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    for (const std::string& section : SplitNames(buffer)) {
        std::vector<char> keys(65536, '\0');
        GetPrivateProfileStringA(section.c_str(), nullptr, "", keys.data(), static_cast<DWORD>(keys.size()),
                                 path.c_str());
        auto& entries = content[section];
        for (const std::string& key : SplitNames(keys))
            entries.emplace_back(key, PlatformString(path, section.c_str(), key.c_str(), "<missing>"));
    }
    return content;
}

struct Put {
    const char* section;
    const char* key;
    const char* value;
};

struct Case {
    const char* name;
    const char* text;  // nullptr: no file at first
    std::vector<Put> puts;
    std::vector<std::pair<const char*, const char*>> reads;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"mixed case names", "[setting]\r\nKey=1\r\n[OTHER]\r\nkey=2\r\n",
         {{"SETTING", "KEY", "x"}, {"Other", "New", "y"}, {"Third", "k", "z"}},
         {{"Setting", "key"}, {"other", "KEY"}, {"THIRD", "K"}, {"other", "new"}}},
        {"key in several sections", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n[C]\r\nk=3\r\n",
         {{"B", "k", "20"}, {"C", "j", "4"}},
         {{"A", "k"}, {"B", "k"}, {"C", "k"}, {"C", "j"}, {"D", "k"}}},
        {"no final line end", "[A]\r\nk=1", {{"A", "j", "2"}, {"B", "k", "3"}}, {{"A", "k"}, {"A", "j"}, {"B", "k"}}},
        {"duplicate keys and sections", "[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\nonly=4\r\n",
         {{"A", "k", "9"}, {"A", "fresh", "5"}},
         {{"A", "k"}, {"A", "only"}, {"A", "fresh"}}},
        {"blank lines and comments", "; top\r\n\r\n[A]\r\n; note\r\nk=1\r\n\r\n\r\n[B]\r\n\r\nk=2\r\n",
         {{"A", "j", "x"}, {"B", "j", "y"}},
         {{"A", "k"}, {"A", "j"}, {"B", "k"}, {"B", "j"}}},
        {"LF line ends", "[A]\nk=1\n[B]\nk=2\n", {{"A", "k", "one"}, {"B", "n", "two"}},
         {{"A", "k"}, {"B", "k"}, {"B", "n"}}},
        {"quotes and blanks",
         "[A]\r\nq=\"quoted\"\r\ns = spaced  \r\nh=\"half\r\nm=\"a'\r\ne=\r\nsq='single'\r\n",
         {{"A", "new", "  lead"}, {"A", "q2", "\"again\""}},
         {{"A", "q"}, {"A", "s"}, {"A", "h"}, {"A", "m"}, {"A", "e"}, {"A", "sq"}, {"A", "new"}, {"A", "q2"}}},
        {"missing file", nullptr, {{"Setting", "CurrentProfile", "2"}, {"Setting", "MouseType", "-1"}},
         {{"Setting", "CurrentProfile"}, {"Setting", "MouseType"}, {"Setting", "Device"}}},
    };
    return cases;
}

class IniConformance : public testing::Test {
protected:
    // Two copies of the same starting text: one for the engine, one for the platform.
    void Start(const char* text) {
        engine = dir.File("engine.ini");
        platform = dir.File("platform.ini");
        if (text) {
            dir.Write("engine.ini", text);
            dir.Write("platform.ini", text);
        }
    }

    TempFolder dir;
    InProcessFileLock lock;
    std::string engine, platform;
};

}  // namespace

TEST_F(IniConformance, SameEditsGiveSameContentAndReads) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        Start(c.text);
        const IniFile ini(engine, lock);
        for (const Put& put : c.puts) {
            ini.PutString(put.section, put.key, put.value);
            WritePrivateProfileStringA(put.section, put.key, put.value, platform.c_str());
        }
        EXPECT_EQ(PlatformContent(engine), PlatformContent(platform));
        for (const auto& [section, key] : c.reads) {
            EXPECT_EQ(ini.GetString(section, key, "dflt"), PlatformString(platform, section, key, "dflt"))
                << section << "/" << key;
        }
    }
}

TEST_F(IniConformance, StringReadsOfAwkwardValuesAgree) {
    Start("[A]\r\nq=\"quoted\"\r\nsq='single'\r\nh=\"half\r\nm=\"a'\r\nlone=\"\r\ne=\r\n  k  =  v w  \r\nbare\r\n");
    const IniFile ini(platform, lock);
    for (const char* key : {"q", "sq", "h", "m", "lone", "e", "k", "missing"})
        EXPECT_EQ(ini.GetString("A", key, "dflt  "), PlatformString(platform, "A", key, "dflt  ")) << key;

    const std::string longValue(3000, 'v');
    WritePrivateProfileStringA("A", "long", longValue.c_str(), platform.c_str());
    EXPECT_EQ(ini.GetString("A", "long", ""), PlatformString(platform, "A", "long", ""));
    EXPECT_EQ(ini.GetString("A", "long", "").size(), kIniStringBufferSize - 1);
}

TEST_F(IniConformance, IntegerReadsAgree) {
    Start("[N]\r\na=-12\r\nb=+7xyz\r\nc=abc\r\nd=\r\ne=\" 42\"\r\nf=4294967297\r\ng=0x10\r\nh=  5\r\ni=2147483648\r\n"
          "j=-0b101\r\nk=0X10\r\nl=0o19\r\nm=0xfFz\r\nn=123456789012345678901234567890123\r\n");
    const IniFile ini(platform, lock);
    for (const char* key : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "missing"})
        EXPECT_EQ(ini.GetInt("N", key, -7),
                  static_cast<int32_t>(GetPrivateProfileIntA("N", key, -7, platform.c_str())))
            << key;
}

TEST_F(IniConformance, StructValuesAreReadByBothSides) {
    Start("[S]\r\nbadsum=0AFF101A\r\nshort=0AFF\r\nlower=0aff1019\r\nnothex=0AFG1019\r\n");
    std::array<uint8_t, 720> entry{};
    for (std::size_t i = 0; i < entry.size(); ++i) entry[i] = static_cast<uint8_t>(i * 31 + 7);
    const IniFile ini(engine, lock);
    ini.PutStruct("S", "entry", entry.data(), entry.size());
    WritePrivateProfileStructA("S", "entry", entry.data(), entry.size(), platform.c_str());
    EXPECT_EQ(ini.GetString("S", "entry", ""), PlatformString(platform, "S", "entry", ""));

    std::array<uint8_t, 720> viaPlatform{}, viaEngine{};
    EXPECT_TRUE(GetPrivateProfileStructA("S", "entry", viaPlatform.data(), 720, engine.c_str()));
    EXPECT_TRUE(IniFile(platform, lock).GetStruct("S", "entry", viaEngine.data(), 720));
    EXPECT_EQ(viaPlatform, entry);
    EXPECT_EQ(viaEngine, entry);

    std::array<uint8_t, 3> small{};
    const IniFile handEdited(platform, lock);
    for (const char* key : {"badsum", "short", "lower", "nothex", "missing"}) {
        const bool platformOk = GetPrivateProfileStructA("S", key, small.data(), 3, platform.c_str()) != FALSE;
        EXPECT_EQ(handEdited.GetStruct("S", key, small.data(), 3), platformOk) << key;
    }
}
