// Every program file of the shipped program folder carries the suite's
// version, and every program the application manifest: not DPI-aware (the
// bitmap skins are scaled by Windows) and common controls 6.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "version/app_version.h"

namespace {

// The staged folder, given as a Z: path; the loader wants backslashes.
const std::string kFolder = [] {
    std::string folder = PACKAGE_STAGE_DIR;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}();

std::vector<std::string> ProgramFiles() {
    std::vector<std::string> names;
    for (const char* pattern : {"\\*.exe", "\\*.dll"}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((kFolder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do names.push_back(found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return names;
}

bool IsProgram(const std::string& name) { return name.size() > 4 && name.substr(name.size() - 4) == ".exe"; }

std::string Manifest(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return {};
    std::string text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), RT_MANIFEST)) {
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        text.assign(data, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

TEST(ProgramFiles, TheFolderHoldsTheProgramsAndLibraries) {
    const std::vector<std::string> names = ProgramFiles();
    for (const char* expected : {"Monitor.exe", "OsdPanel.exe", "lan.dll", "hiddriver.dll"})
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
}

TEST(ProgramFiles, EachCarriesTheSuitesVersion) {
    for (const std::string& name : ProgramFiles()) {
        SCOPED_TRACE(name);
        const std::string path = kFolder + "\\" + name;
        DWORD handle = 0;
        std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &handle));
        ASSERT_FALSE(info.empty());
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
        EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(APP_VERSION_MAJOR << 16 | APP_VERSION_MINOR));
        EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(APP_VERSION_PATCH << 16));
        char* text = nullptr;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904B0\\ProductVersion",
                                   reinterpret_cast<void**>(&text), &size));
        EXPECT_STREQ(text, app_version::kText);
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904B0\\OriginalFilename",
                                   reinterpret_cast<void**>(&text), &size));
        EXPECT_STRCASEEQ(text, name.c_str());
    }
}

TEST(ProgramFiles, EachProgramDeclaresItselfNotDpiAwareWithCommonControls6) {
    for (const std::string& name : ProgramFiles()) {
        if (!IsProgram(name)) continue;
        SCOPED_TRACE(name);
        const std::string manifest = Manifest(kFolder + "\\" + name);
        ASSERT_FALSE(manifest.empty());
        EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">false"),
                  std::string::npos);
        EXPECT_NE(manifest.find(">unaware</dpiAwareness>"), std::string::npos);
        EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
        EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    }
}

}  // namespace
