#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "profile/ini_document.h"
#include "profile/struct_value.h"

namespace {

std::string Edited(const std::string& text, const char* section, const char* key, const char* value) {
    IniDocument doc = IniDocument::Parse(text);
    doc.PutString(section, key, value);
    return doc.Text();
}

}  // namespace

TEST(IniDocumentEdit, ReplacesPresentKeyInPlaceAndKeepsEverythingElse) {
    const std::string text = "; note\r\n[Setting]\r\nA=1\r\nB = 2\r\n\r\n[Other]\r\nA=9\r\n";
    EXPECT_EQ(Edited(text, "setting", "b", "7"), "; note\r\n[Setting]\r\nA=1\r\nB =7\r\n\r\n[Other]\r\nA=9\r\n");
}

TEST(IniDocumentEdit, AppendsMissingKeyAtEndOfItsSectionBeforeBlankLines) {
    const std::string text = "[Setting]\r\nA=1\r\n\r\n[Other]\r\nA=9\r\n";
    EXPECT_EQ(Edited(text, "Setting", "New", "x"), "[Setting]\r\nA=1\r\nNew=x\r\n\r\n[Other]\r\nA=9\r\n");
    EXPECT_EQ(Edited(text, "Other", "New", "x"), "[Setting]\r\nA=1\r\n\r\n[Other]\r\nA=9\r\nNew=x\r\n");
}

TEST(IniDocumentEdit, AppendsMissingSectionAtEndEvenWithoutFinalLineEnd) {
    EXPECT_EQ(Edited("[A]\nk=1", "B", "k", "2"), "[A]\nk=1\r\n[B]\r\nk=2\r\n");
    EXPECT_EQ(Edited("", "B", "k", "2"), "[B]\r\nk=2\r\n");
}

TEST(IniDocumentEdit, ValueCannotInjectLines) {
    IniDocument doc = IniDocument::Parse("[S]\r\n");
    doc.PutString("S", "Message", "one\r\n[Evil]\nk=v");
    EXPECT_EQ(doc.Text(), "[S]\r\nMessage=one  [Evil] k=v\r\n");
    EXPECT_FALSE(doc.Find("Evil", "k"));
}

TEST(IniDocumentEdit, KeyLineWithoutEqualsIsFilledIn) {
    EXPECT_EQ(Edited("[S]\r\nLiftLevel\r\n", "S", "liftlevel", "3"), "[S]\r\nLiftLevel=3\r\n");
}

// Runs of edits to one section skip the search for it; these are the edits
// that could make the remembered section stop being the first of its name.
TEST(IniDocumentEdit, RunsOfEditsKeepTheFirstSectionOfAName) {
    IniDocument doc = IniDocument::Parse("[S]\r\n[A\r\n[A=]\r\nk=1\r\n");
    doc.PutString("A=", "k", "2");
    doc.PutString("S", "[A", "]");  // the key line becomes an earlier header "[A=]"
    doc.PutString("A=", "k", "3");
    EXPECT_EQ(doc.Text(), "[S]\r\n[A=]\r\nk=3\r\n[A=]\r\nk=2\r\n");

    doc = IniDocument::Parse("[A]\rx=1\r");
    doc.PutString("A", "y", "2");
    doc.PutString("B", "z", "3");
    doc.PutString("A", "w", "4");
    EXPECT_EQ(doc.Text(), "[A]\r\nx=1\r\ny=2\r\nw=4\r\n[B]\r\nz=3\r\n");
}

TEST(IniDocumentRead, NamesMatchWithoutCaseAndFirstOccurrenceWins) {
    const IniDocument doc = IniDocument::Parse(
        "[setting]\nKey=first\nkey=second\n[SETTING]\nOnlyHere=x\n[ Other ]\n  Key  =  spaced value \t\n");
    EXPECT_EQ(doc.GetString("SETTING", "KEY", "d"), "first");
    // A key only in a later duplicate section is not seen, as the platform does.
    EXPECT_EQ(doc.GetString("Setting", "OnlyHere", "d"), "d");
    EXPECT_EQ(doc.GetString("other", "key", "d"), "spaced value");
}

TEST(IniDocumentRead, StringsFollowThePlatformQuoteAndBufferRules) {
    const IniDocument doc = IniDocument::Parse(
        "[S]\r\nq=\"quoted\"\r\ns='single'\r\nhalf=\"open\r\nmixed=\"a'\r\nlone=\"\r\nempty=\r\nbare\r\n");
    EXPECT_EQ(doc.GetString("S", "q", ""), "quoted");
    EXPECT_EQ(doc.GetString("S", "s", ""), "single");
    EXPECT_EQ(doc.GetString("S", "half", ""), "\"open");
    EXPECT_EQ(doc.GetString("S", "mixed", ""), "\"a'");
    EXPECT_EQ(doc.GetString("S", "lone", ""), "\"");
    EXPECT_EQ(doc.GetString("S", "empty", "d"), "");
    EXPECT_EQ(doc.GetString("S", "bare", "d"), "");
    EXPECT_EQ(doc.GetString("S", "missing", "dflt  "), "dflt");

    IniDocument big;
    big.PutString("S", "long", std::string(5000, 'x'));
    EXPECT_EQ(big.GetString("S", "long", "").size(), 2047u);
}

TEST(IniDocumentRead, IntegersTakeLeadingSignedDecimal) {
    const IniDocument doc = IniDocument::Parse(
        "[S]\na=-12\nb=+7xyz\nc=abc\nd=\ne=\" 42\"\nf=4294967297\ng=0x10\nh=-0b101\ni=0X10\nj=0o19\n");
    EXPECT_EQ(doc.GetInt("S", "a", 5), -12);
    EXPECT_EQ(doc.GetInt("S", "b", 5), 7);
    EXPECT_EQ(doc.GetInt("S", "c", 5), 0);
    EXPECT_EQ(doc.GetInt("S", "d", 5), 5);
    EXPECT_EQ(doc.GetInt("S", "e", 5), 42);
    EXPECT_EQ(doc.GetInt("S", "f", 5), 1);  // wraps modulo 2^32
    EXPECT_EQ(doc.GetInt("S", "g", 5), 16);
    EXPECT_EQ(doc.GetInt("S", "h", 5), -5);
    EXPECT_EQ(doc.GetInt("S", "i", 5), 0);
    EXPECT_EQ(doc.GetInt("S", "j", 5), 1);
    EXPECT_EQ(doc.GetInt("S", "missing", -1), -1);
}

TEST(IniDocumentRead, AcceptsLfCrAndByteOrderMark) {
    EXPECT_EQ(IniDocument::Parse("[S]\nk=1\n").GetInt("S", "k", 0), 1);
    IniDocument crOnly = IniDocument::Parse("[S]\rk=2\r");
    EXPECT_EQ(crOnly.GetInt("S", "k", 0), 2);
    crOnly.PutInt("T", "n", 5);
    EXPECT_EQ(crOnly.Text(), "[S]\r\nk=2\r\n[T]\r\nn=5\r\n");
    const std::string bom = "\xEF\xBB\xBF[S]\r\nk=3\r\n";
    IniDocument doc = IniDocument::Parse(bom);
    EXPECT_EQ(doc.GetInt("S", "k", 0), 3);
    doc.PutInt("S", "k", 4);
    EXPECT_EQ(doc.Text(), "\xEF\xBB\xBF[S]\r\nk=4\r\n");
}

TEST(IniDocumentRead, JunkNeverBreaksParsing) {
    const char raw[] = "[\0]\n=\n[[]]]\n\x1a\x1a\n[S\n]k=v\n\xff\xfe=\x80\n[S]\nk=ok";
    const std::string junk(raw, sizeof raw - 1);
    const IniDocument doc = IniDocument::Parse(junk);
    EXPECT_EQ(doc.GetString("S", "k", ""), "ok");
    EXPECT_EQ(IniDocument::Parse(doc.Text()).Text(), junk);
}

TEST(StructValue, EncodesUppercaseHexWithChecksumAndRoundTrips) {
    const std::array<uint8_t, 3> bytes = {0x0A, 0xFF, 0x10};
    EXPECT_EQ(EncodeStructValue(bytes.data(), bytes.size()), "0AFF1019");
    IniDocument doc;
    doc.PutStruct("S", "k", bytes.data(), bytes.size());
    std::array<uint8_t, 3> back{};
    EXPECT_TRUE(doc.GetStruct("S", "k", back.data(), back.size()));
    EXPECT_EQ(back, bytes);
    EXPECT_TRUE(DecodeStructValue("0aff1019", back.data(), back.size()));
}

TEST(StructValue, RejectsWrongLengthBadDigitsAndChecksumLeavingBufferAlone) {
    std::array<uint8_t, 3> out = {1, 2, 3};
    const std::array<uint8_t, 3> untouched = out;
    EXPECT_FALSE(DecodeStructValue("0AFF101A", out.data(), out.size()));   // checksum
    EXPECT_FALSE(DecodeStructValue("0AFF10190", out.data(), out.size()));  // odd length
    EXPECT_FALSE(DecodeStructValue("0AFF10", out.data(), out.size()));     // short
    EXPECT_FALSE(DecodeStructValue("0AFG1019", out.data(), out.size()));   // not hex
    EXPECT_EQ(out, untouched);
    IniDocument doc;
    EXPECT_FALSE(doc.GetStruct("S", "missing", out.data(), out.size()));
}
