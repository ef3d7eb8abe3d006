#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "lan/string_ids.h"
#include "option/name_input/name_input_model.h"

namespace {

// A library holding the given groups and (group, item) names.
class ListedNames final : public NamedStore {
public:
    std::set<std::string, std::less<>> groups;
    std::set<std::pair<int, std::string>, std::less<>> items;
    bool GroupExists(std::string_view name) const override { return groups.count(name) > 0; }
    bool ItemExists(int group, std::string_view name) const override {
        return items.count(std::pair{group, std::string(name)}) > 0;
    }
};

class ListedStores final : public OptionStores {
public:
    void Load() override {}
    void SaveMacros() override {}
    void Free() override {}
    const NamedStore& Macros() const override { return macros; }
    const NamedStore& Guns() const override { return guns; }
    const NamedStore& AdvancedGuns() const override { return advanced; }
    ListedNames macros, guns, advanced;
};

class NameInputTest : public testing::Test {
protected:
    NameInputTest() {
        stores.macros.groups = {"Shooters"};
        stores.macros.items = {{0, "Reload"}};
        stores.guns.groups = {"Rifles"};
        stores.guns.items = {{1, "M4"}};
        stores.advanced.groups = {"Bursts"};
        stores.advanced.items = {{0, "Triple"}};
    }
    NameSubmit Submit(int mode, int group, std::string_view text) {
        model.SetMode(mode);
        model.SetGroupIndex(group);
        return model.Submit(text);
    }
    ListedStores stores;
    NameInputModel model{stores};
};

TEST(NameModeTexts, HeadingsPromptsAndWarningKindsOfTheSixModes) {
    const int expected[][3] = {{214, 222, 1}, {216, 223, 2}, {312, 331, 3},
                               {311, 332, 4}, {312, 331, 5}, {311, 332, 6}};
    for (int mode = 1; mode <= 6; ++mode) {
        const auto texts = TextsOfNameMode(mode);
        ASSERT_TRUE(texts) << mode;
        EXPECT_EQ(texts->heading, expected[mode - 1][0]) << mode;
        EXPECT_EQ(texts->prompt, expected[mode - 1][1]) << mode;
        EXPECT_EQ(texts->warningKind, expected[mode - 1][2]) << mode;
    }
    EXPECT_FALSE(TextsOfNameMode(0));
    EXPECT_FALSE(TextsOfNameMode(7));
}

TEST_F(NameInputTest, EmptyOrBlankNamesAreRefusedWithTheEmptyNameWarning) {
    for (std::string_view text : {"", "   ", "\t "}) {
        const NameSubmit result = Submit(4, 1, text);
        EXPECT_FALSE(result.accepted);
        EXPECT_EQ(result.warningKind, 1);
    }
}

TEST_F(NameInputTest, ExistingNamesAreRefusedOnlyAtTheirPlace) {
    const std::pair<int, int> taken[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}};
    const std::string_view names[] = {"Shooters", "Reload", "Rifles", "M4", "Bursts", "Triple"};
    const int groups[] = {-1, 0, -1, 1, -1, 0};
    for (const auto& [mode, kind] : taken) {
        const NameSubmit result = Submit(mode, groups[mode - 1], names[mode - 1]);
        EXPECT_FALSE(result.accepted) << mode;
        EXPECT_EQ(result.warningKind, kind) << mode;
    }
    // The same gun name in another folder, or in another library, is free.
    EXPECT_TRUE(Submit(4, 0, "M4").accepted);
    EXPECT_TRUE(Submit(6, 1, "M4").accepted);
    EXPECT_TRUE(Submit(5, -1, "Rifles").accepted);
    EXPECT_EQ(model.Name(), "Rifles");
}

TEST_F(NameInputTest, NameKeepsItsFirstFiftyCharacters) {
    const std::string typed(51, 'a');
    EXPECT_TRUE(Submit(1, -1, typed).accepted);
    EXPECT_EQ(model.Name(), typed.substr(0, 50));
}

TEST_F(NameInputTest, ModeOutsideTheSixChecksOnlyForEmptyNames) {
    EXPECT_TRUE(Submit(9, -1, "Shooters").accepted);
    EXPECT_FALSE(Submit(9, -1, "").accepted);
}

class NumberTexts final : public TextSource {
public:
    std::string Text(int id) const override { return std::to_string(id); }
};

class FixedMeasure final : public TextMeasure {
public:
    int WrappedHeight(std::string_view, const DialogFont&, int) const override { return 16; }
};

TEST(NameDialogTexts, TitleThenHeadingAndPromptFromTheTopOfTheirBoxes) {
    const auto texts = LayOutNameTexts(3, NumberTexts(), FixedMeasure());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "226");
    EXPECT_EQ(texts[1].text, "312");
    EXPECT_EQ(texts[2].text, "331");
    EXPECT_EQ(texts[0].font.height, 18);
    EXPECT_EQ(texts[2].font.height, 15);
    EXPECT_EQ(texts[1].place.rect, (SkinRect{24, 66, 376, 82}));
    EXPECT_EQ(texts[2].place.align, TextAlign::Left);
    EXPECT_EQ(LayOutNameTexts(0, NumberTexts(), FixedMeasure()).size(), 1u);
}

}  // namespace
