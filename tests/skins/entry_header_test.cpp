#include <gtest/gtest.h>

#include <iterator>

#include "entry_header.h"
#include "skins/skin_entries.h"

namespace {

WindowLayout Parse(const std::string& body) {
  return ParseWindowLayout("window 400 100\nini skin_test.ini\npictures test\n" + body, "test.layout");
}

bool Mentions(const std::vector<std::string>& problems, const std::string& part) {
  for (const std::string& p : problems)
    if (p.find(part) != std::string::npos) return true;
  return false;
}

TEST(EntryHeader, NamesBecomeConstantsAndRunsBecomeArraysInIndexOrder) {
  const auto layout = Parse(
      "3 button 0 0 10 10 name=ok # OK\n"
      "12 button 40 0 10 10 name=row[1] # second\n"
      "11 button 20 0 10 10 name=row[0] # first\n"
      "7 area 60 0 10 10 name=page_area # pages\n");
  EXPECT_TRUE(CheckEntryNames(layout).empty());
  const std::string text = WriteEntryHeader({layout});
  EXPECT_NE(text.find("namespace skin_test {"), std::string::npos) << text;
  EXPECT_NE(text.find("inline constexpr char kIniFile[] = \"skin_test.ini\";"), std::string::npos);
  EXPECT_NE(text.find("inline constexpr int kOk = 3;  // OK\n"), std::string::npos);
  EXPECT_NE(text.find("inline constexpr int kRow[2] = {11, 12};"), std::string::npos);
  EXPECT_NE(text.find("inline constexpr int kPageArea = 7;"), std::string::npos);
}

TEST(EntryHeader, RefusesMissingBadDuplicateAndGappedNames) {
  EXPECT_TRUE(Mentions(CheckEntryNames(Parse("1 button 0 0 10 10 # a\n")), "entry 1 has no name="));
  EXPECT_TRUE(Mentions(CheckEntryNames(Parse("1 button 0 0 10 10 name=OK # a\n")), "bad name 'OK'"));
  EXPECT_TRUE(Mentions(CheckEntryNames(Parse("1 button 0 0 10 10 name=ok_ # a\n")), "bad name"));
  EXPECT_TRUE(Mentions(CheckEntryNames(Parse("1 button 0 0 10 10 name=a # a\n"
                                             "2 button 20 0 10 10 name=a # b\n")),
                       "reuses the name 'a'"));
  EXPECT_TRUE(Mentions(CheckEntryNames(Parse("1 button 0 0 10 10 name=a[0] # a\n"
                                             "2 button 20 0 10 10 name=a # b\n")),
                       "reuses the name 'a'"));
  EXPECT_TRUE(Mentions(CheckEntryNames(Parse("1 button 0 0 10 10 name=a[0] # a\n"
                                             "2 button 20 0 10 10 name=a[2] # b\n")),
                       "numbered 0..1"));
  EXPECT_TRUE(Mentions(CheckEntryNames(Parse("1 button 0 0 10 10 name=a[1] # a\n"
                                             "2 button 20 0 10 10 name=a[1] # b\n")),
                       "numbered 0..1"));
}

// The header built from the real layouts names the entries the windows use.
TEST(EntryHeader, GeneratedHeaderMatchesTheLayoutsNumbers) {
  static_assert(skin_main::kOk == 3 && skin_main::kApply == 5 && skin_main::kCancel == 4);
  static_assert(skin_main::kProfile[0] == 11 && skin_main::kProfile[4] == 15);
  static_assert(std::size(skin_button_page::kFunction) == 32 && skin_button_page::kFunction[16] == 41);
  static_assert(skin_warn::kClose == 3 && skin_inputname::kNameField == 4);
  EXPECT_STREQ(skin_main::kIniFile, "skin_main.ini");
}

}  // namespace
