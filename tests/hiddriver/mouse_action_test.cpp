#include "hiddriver/mouse_action.h"

#include <gtest/gtest.h>

using namespace vmouse;

namespace {

std::optional<Action> Parse(std::vector<std::string> words, std::string* error = nullptr) {
    std::string message;
    auto action = ParseAction(words, message);
    if (error) *error = message;
    return action;
}

}  // namespace

TEST(MouseActionTest, ParsesEveryAction) {
    EXPECT_EQ(Parse({"profile", "5"}), (Action{ActionKind::Profile, 5}));
    EXPECT_EQ(Parse({"dpi-up"}), (Action{ActionKind::DpiUp}));
    EXPECT_EQ(Parse({"dpi-down"}), (Action{ActionKind::DpiDown}));
    EXPECT_EQ(Parse({"polling", "2"}), (Action{ActionKind::Polling, 2}));
    EXPECT_EQ(Parse({"run-program", "16"}), (Action{ActionKind::RunProgram, 16}));
    EXPECT_EQ(Parse({"open-option"}), (Action{ActionKind::OpenOption}));
    EXPECT_EQ(Parse({"media", "0x21"}), (Action{ActionKind::Media, 0x21}));
    EXPECT_EQ(Parse({"media", "39", "release"}), (Action{ActionKind::Media, 0x27, true}));
    EXPECT_EQ(Parse({"notice", "2"}), (Action{ActionKind::Notice, 2}));
    EXPECT_EQ(Parse({"save"}), (Action{ActionKind::Save}));
}

TEST(MouseActionTest, RejectsBadInputWithAMessage) {
    std::string error;
    EXPECT_FALSE(Parse({}, &error));
    EXPECT_EQ(error, "missing action");
    EXPECT_FALSE(Parse({"jump"}, &error));
    EXPECT_EQ(error, "unknown action 'jump'");
    EXPECT_FALSE(Parse({"profile"}, &error));
    EXPECT_EQ(error, "profile needs one argument");
    EXPECT_FALSE(Parse({"save", "1"}, &error));
    EXPECT_EQ(error, "save takes no argument");
    EXPECT_FALSE(Parse({"profile", "3x"}, &error));
    EXPECT_EQ(error, "'3x' is not a number");
    EXPECT_FALSE(Parse({"profile", "99999999999"}, &error));
    EXPECT_FALSE(Parse({"media", "0x21", "up"}, &error));
    EXPECT_EQ(error, "media takes 'release' as its optional last word");

    for (auto words : std::vector<std::vector<std::string>>{{"profile", "0"}, {"profile", "6"}, {"polling", "3"},
                                                            {"run-program", "17"}, {"media", "0x28"},
                                                            {"media", "0x1F"}, {"notice", "0"}})
        EXPECT_FALSE(Parse(words, &error)) << words[0] << " " << words[1];
    EXPECT_EQ(error, "notice 0 is out of range");
}

TEST(MouseActionTest, DescribesActionsForTheLog) {
    EXPECT_EQ(DescribeAction({ActionKind::Media, 0x26, true}), "media 0x26 release");
    EXPECT_EQ(DescribeAction({ActionKind::Profile, 2}), "profile 2");
    EXPECT_EQ(DescribeAction({ActionKind::DpiDown}), "dpi-down");
}
