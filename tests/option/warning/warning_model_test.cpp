#include <gtest/gtest.h>

#include "lan/string_ids.h"
#include "option/warning/warning_model.h"

namespace {

// Texts named by their number; every line of text is 20 pixels high and
// holds 10 characters per 100 pixels of width.
class NumberTexts final : public TextSource {
public:
    std::string Text(int id) const override { return id == str::kConfirmDeleteGroup ? longText : std::to_string(id); }
    std::string longText = "257";
};

class LineMeasure final : public TextMeasure {
public:
    int WrappedHeight(std::string_view text, const DialogFont& font, int width) const override {
        fonts.push_back(font.height);
        const int perLine = width / 10;
        return text.empty() ? 0 : 20 * static_cast<int>((text.size() + perLine - 1) / perLine);
    }
    mutable std::vector<int> fonts;
};

TEST(WarningMessage, ByVariantAndKind) {
    using V = WarningVariant;
    EXPECT_EQ(WarningMessageString(V::A, 7), 252);
    EXPECT_EQ(WarningMessageString(V::B, 0), 254);
    EXPECT_EQ(WarningMessageString(V::B, 1), 224);
    EXPECT_EQ(WarningMessageString(V::B, 2), 225);
    EXPECT_EQ(WarningMessageString(V::B, 3), 333);
    EXPECT_EQ(WarningMessageString(V::B, 5), 333);
    EXPECT_EQ(WarningMessageString(V::B, 4), 334);
    EXPECT_EQ(WarningMessageString(V::B, 6), 334);
    EXPECT_EQ(WarningMessageString(V::B, -1), 254);
    EXPECT_EQ(WarningMessageString(V::C, 0), 258);
    EXPECT_EQ(WarningMessageString(V::D, 0), 260);
    EXPECT_EQ(WarningMessageString(V::E, 0), 256);
    EXPECT_EQ(WarningMessageString(V::E, 1), 257);
    EXPECT_EQ(WarningMessageString(V::E, 2), 336);
    EXPECT_EQ(WarningMessageString(V::E, 3), 335);
    EXPECT_EQ(WarningMessageString(V::E, 4), 0);
}

TEST(WarningTexts, ShortTextsAreCentredVerticallyInTheirBoxes) {
    NumberTexts texts;
    LineMeasure measure;
    const WarningTexts w = LayOutWarningTexts(WarningVariant::D, 0, texts, measure);
    EXPECT_EQ(w.title, "251");
    EXPECT_EQ(w.message, "260");
    EXPECT_EQ(measure.fonts, (std::vector<int>{18, 15}));
    // Title: 20 high in a box 30 high at 40 -> top 45.
    EXPECT_EQ(w.titlePlace.rect, (SkinRect{40, 45, 200, 65}));
    EXPECT_EQ(w.titlePlace.align, TextAlign::Left);
    // Message: 20 high in a box 120 high at 80 -> top 130.
    EXPECT_EQ(w.messagePlace.rect, (SkinRect{40, 130, 360, 150}));
    EXPECT_EQ(w.messagePlace.align, TextAlign::Centre);
}

TEST(WarningTexts, LongMessageStartsAtTheTopAndStaysInItsBox) {
    NumberTexts texts;
    texts.longText = std::string(32 * 7, 'x');  // 7 lines of 20 pixels: 140 > 120
    LineMeasure measure;
    const WarningTexts w = LayOutWarningTexts(WarningVariant::E, 1, texts, measure);
    EXPECT_EQ(w.messagePlace.rect, kWarningMessageBox);
    // Exactly as high as the box: from its top too.
    texts.longText = std::string(32 * 6, 'x');
    EXPECT_EQ(LayOutWarningTexts(WarningVariant::E, 1, texts, measure).messagePlace.rect, kWarningMessageBox);
}

TEST(WarningTexts, UnknownKindOfVariantEShowsTheTitleAlone) {
    NumberTexts texts;
    LineMeasure measure;
    const WarningTexts w = LayOutWarningTexts(WarningVariant::E, 4, texts, measure);
    EXPECT_EQ(w.title, "251");
    EXPECT_EQ(w.message, "");
    EXPECT_EQ(w.messagePlace.rect.Height(), 0);
}

TEST(WarningPlacement, CentredOnTheOwnerAndKeptOnScreen) {
    const SkinRect screen{0, 0, 1280, 1024};
    const SkinRect owner{100, 50, 1060, 686};  // the main window, 960 x 636
    EXPECT_EQ(WarningPlacement(&owner, 400, 260, screen), (SkinRect{380, 238, 780, 498}));
    // An owner mostly off screen: the dialog stays inside the work area.
    const SkinRect offLeft{-900, 900, 60, 1536};
    EXPECT_EQ(WarningPlacement(&offLeft, 400, 260, screen), (SkinRect{0, 764, 400, 1024}));
    // No owner: centred in the work area.
    EXPECT_EQ(WarningPlacement(nullptr, 400, 260, screen), (SkinRect{440, 382, 840, 642}));
    // Larger than the work area: the top-left corner stays visible.
    EXPECT_EQ(WarningPlacement(&owner, 1400, 1100, screen).left, 0);
    EXPECT_EQ(WarningPlacement(&owner, 1400, 1100, screen).top, 0);
}

}  // namespace
