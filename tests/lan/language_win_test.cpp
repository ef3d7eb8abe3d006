#include "lan/language_win.h"

#include <gtest/gtest.h>

#include <set>

#include "lan/string_ids.h"
#include "version/app_version.h"

namespace {

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

TEST(LanguageLibrary, HoldsAShortTextForEveryNumberInUse) {
    const LanguageLibrary texts(ExecutableFolder());
    ASSERT_TRUE(texts.Loaded());
    for (int id : str::kAll) {
        const std::string text = texts.Text(id);
        EXPECT_FALSE(text.empty()) << "string " << id;
        EXPECT_LE(text.size(), 259u) << "string " << id;
    }
}

TEST(LanguageLibrary, NumbersAreDistinct) {
    const std::set<int> distinct(std::begin(str::kAll), std::end(str::kAll));
    EXPECT_EQ(distinct.size(), std::size(str::kAll));
}

TEST(LanguageLibrary, ReadsKnownTexts) {
    const LanguageLibrary texts(ExecutableFolder());
    EXPECT_EQ(texts.Text(str::kOk), "OK");
    EXPECT_EQ(texts.Text(str::kSelectMacroFirst), "Select a macro first.");
}

// The tray icon's tip is where the user sees which version runs.
TEST(LanguageLibrary, TrayTipEndsWithTheSuitesVersion) {
    const LanguageLibrary texts(ExecutableFolder());
    const std::string tip = texts.Text(str::kTrayTip);
    const std::string suffix = std::string(" ") + app_version::kText;
    ASSERT_GT(tip.size(), suffix.size());
    EXPECT_EQ(tip.substr(tip.size() - suffix.size()), suffix);
}

TEST(LanguageLibrary, UnknownNumberGivesEmptyText) {
    const LanguageLibrary texts(ExecutableFolder());
    EXPECT_EQ(texts.Text(1), "");
    EXPECT_EQ(texts.Text(9999), "");
}

TEST(LanguageLibrary, FolderWithoutTrailingSeparatorStillFindsTheLibrary) {
    std::string folder = ExecutableFolder();
    folder.pop_back();
    const LanguageLibrary texts(folder);
    EXPECT_TRUE(texts.Loaded());
}

TEST(LanguageLibrary, MissingLibraryGivesEmptyTexts) {
    const LanguageLibrary texts(ExecutableFolder() + "no such folder\\");
    EXPECT_FALSE(texts.Loaded());
    EXPECT_EQ(texts.Text(str::kOk), "");
    EXPECT_EQ(texts.Text(str::kTrayTip), "");
}

}  // namespace
