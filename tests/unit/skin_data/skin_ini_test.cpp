#include "skin/data/skin_ini.h"

#include <gtest/gtest.h>

namespace kq {
namespace {

TQuickIni Ini(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

TEST(QuickIni, LinesAreSplitTrimmedAndFiltered) {
  // CR LF, lone CR, lone LF, CR CR (empty line between), tabs and control characters
  // around text, comments only at the start, NUL ends the text.
  using namespace std::string_literals;
  const std::string text =
      "  [Personality]  \r\n"
      "\tTop = top.bmp \x01\r"
      "; whole-line comment\n"
      "   ;indented comment\r\r"
      "#Hash=1\n"
      "Value=a;b\r\n"
      "\n"
      "Last=end\0Hidden=1\r\n"s;
  const TQuickIni ini = Ini(text);
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[Personality]", "Top = top.bmp", "#Hash=1", "Value=a;b", "Last=end"}));
  EXPECT_EQ(ini.ReadString("Personality", "#hash", "?"), "1");
  EXPECT_EQ(ini.ReadString("Personality", "Value", "?"), "a;b");
  EXPECT_EQ(ini.ReadString("Personality", "Last", "?"), "end");
  EXPECT_EQ(ini.ReadString("Personality", "Hidden", "?"), "?");
}

TEST(QuickIni, LastLineWithoutEndingIsKept) {
  const TQuickIni ini = Ini("[A]\r\nk=v");
  EXPECT_EQ(ini.ReadString("A", "k", ""), "v");
  EXPECT_TRUE(Ini("").Lines().empty());
  EXPECT_EQ(Ini("").ReadString("A", "k", "def"), "def");
}

TEST(QuickIni, Sections) {
  const TQuickIni ini = Ini(
      "orphan=1\r\n"
      "[personality]\r\nTop=a.bmp\r\n"
      "[ Buttons]\r\nBitmap=b.bmp\r\n"
      "[Colours]\r\nMenu=1 2 3\r\n"
      "[Colours]\r\nMenu=9 9 9\r\nOnlySecond=1\r\n"
      "[]\r\n[x]y]\r\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"personality", "Buttons", "Colours", "Colours", "", "x]y"}));
  EXPECT_EQ(ini.SectionIndex("PERSONALITY"), 1);
  EXPECT_EQ(ini.ReadString("Personality", "top", ""), "a.bmp");
  // A space just inside the bracket is part of the name.
  EXPECT_EQ(ini.SectionIndex("Buttons"), -1);
  EXPECT_EQ(ini.SectionIndex(" Buttons"), 3);
  EXPECT_EQ(ini.ReadString("Buttons", "Bitmap", "none"), "none");
  // Only the first occurrence of a section is searched.
  EXPECT_EQ(ini.ReadString("Colours", "Menu", ""), "1 2 3");
  EXPECT_EQ(ini.ReadString("Colours", "OnlySecond", "no"), "no");
  EXPECT_EQ(ini.SectionIndex("Missing"), -1);
  EXPECT_EQ(ini.ReadString("Missing", "orphan", "d"), "d");
  // A key never reaches into the next section.
  EXPECT_EQ(ini.ReadString("personality", "Bitmap", "d"), "d");
}

TEST(QuickIni, KeysAndValues) {
  const TQuickIni ini = Ini(
      "[S]\r\n"
      "  Spaced   =   some value  \r\n"
      "NoEquals\r\n"
      "Empty=\r\n"
      "Empty=5\r\n"
      "Twice=first\r\n"
      "Twice=second\r\n"
      "a=b=c\r\n"
      "=anonymous\r\n"
      "MiXeD=1\r\n");
  EXPECT_EQ(ini.ReadString("S", "spaced", ""), "some value");
  EXPECT_EQ(ini.ReadString("S", "SPACED", ""), "some value");
  EXPECT_EQ(ini.ReadString("S", "NoEquals", "d"), "d");
  // The first, empty occurrence ends the search: the later 5 is never seen.
  EXPECT_EQ(ini.ReadString("S", "Empty", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("S", "Empty", 7), 7);
  EXPECT_EQ(ini.ReadString("S", "Twice", ""), "first");
  EXPECT_EQ(ini.ReadString("S", "a", ""), "b=c");
  EXPECT_EQ(ini.ReadString("S", "mixed", ""), "1");
  // Keys are lower-cased A-Z only.
  EXPECT_EQ(Ini("[S]\r\n\xC4K=1").ReadString("S", "\xC4k", ""), "1");
  EXPECT_EQ(Ini("[S]\r\n\xC4K=1").ReadString("S", "\xE4k", ""), "");
}

TEST(QuickIni, Integers) {
  const TQuickIni ini = Ini(
      "[Button0]\r\n"
      "Hex1=0x10\r\nHex2=$10\r\nHex3=0X1f\r\nBareX=0x\r\nBareDollar=$\r\nTail=12ab\r\n"
      "Neg=-3\r\nPlus=+4\r\nMax=2147483647\r\nOver=2147483648\r\nMin=-2147483648\r\n"
      "Under=-2147483649\r\nAllBits=$FFFFFFFF\r\nTooWide=$100000000\r\nLead=$000000010\r\n"
      "Inner=1 2\r\nNegHex=-$10\r\nNegX=-0x10\r\nSign=-\r\n");
  struct Case {
    const char* key;
    std::int32_t expected;
  };
  const Case cases[] = {{"Hex1", 16},       {"Hex2", 16},         {"Hex3", 31},    {"BareX", -99},
                        {"BareDollar", -99}, {"Tail", -99},        {"Neg", -3},     {"Plus", 4},
                        {"Max", 2147483647}, {"Over", -99},        {"Min", INT32_MIN}, {"Under", -99},
                        {"AllBits", -1},     {"TooWide", -99},     {"Lead", 16},    {"Inner", -99},
                        {"NegHex", -99},     {"NegX", -99},        {"Sign", -99},   {"Absent", -99}};
  for (const Case& c : cases) EXPECT_EQ(ini.ReadInteger("Button0", c.key, -99), c.expected) << c.key;
}

TEST(QuickIni, ColourTexts) {
  EXPECT_EQ(StrToColour("239 239 239"), 0xEFEFEFu);
  EXPECT_EQ(StrToColour("239,239,239"), 0xEFEFEFu);
  EXPECT_EQ(StrToColour("  1 ,  2 ;3  "), MakeColor(1, 2, 3));
  // A run that ends the text counts only as the third number.
  EXPECT_EQ(StrToColour("10 20"), MakeColor(10, 0, 0));
  EXPECT_EQ(StrToColour("10 20 "), MakeColor(10, 0, 0));  // trimmed first
  EXPECT_EQ(StrToColour("10 20."), MakeColor(10, 20, 0));
  EXPECT_EQ(StrToColour("7"), 0u);
  EXPECT_EQ(StrToColour("1 2 3 4 "), MakeColor(1, 2, 3));
  EXPECT_EQ(StrToColour("1 2 3 4"), MakeColor(1, 2, 3));
  // No signs; each part keeps its low 8 bits, however long.
  EXPECT_EQ(StrToColour("-1 -2 -3"), MakeColor(1, 2, 3));
  EXPECT_EQ(StrToColour("256 511 99999999999999999999"), MakeColor(0, 255, 255));
  EXPECT_EQ(StrToColour("r=12 g=34 b=56"), MakeColor(12, 34, 56));
  EXPECT_EQ(StrToColour(""), 0u);
}

TEST(QuickIni, ColourAndRgbReaders) {
  const TQuickIni ini = Ini(
      "[Colours]\r\nButtonFace=239 239 239\r\nMenu=\r\nOdd=abc\r\n"
      "[Personality]\r\nActiveTextR=255\r\nActiveTextG=0x10\r\nActiveTextB=300\r\n"
      "InActiveTextR=1\r\nInActiveTextG=-1\r\nInActiveTextB=1\r\n"
      "HalfR=1\r\nHalfG=2\r\n");
  EXPECT_EQ(ReadColour(ini, "colours", "buttonface", 0x8000000F), 0xEFEFEFu);
  EXPECT_EQ(ReadColour(ini, "Colours", "Menu", 0x80000004), 0x80000004u);
  EXPECT_EQ(ReadColour(ini, "Colours", "Absent", 0x80000004), 0x80000004u);
  EXPECT_EQ(ReadColour(ini, "Colours", "Odd", 0x80000004), 0u);

  Color c = 0x1FFFFFFF;
  EXPECT_TRUE(ReadRGB(ini, "Personality", "ActiveText", c));
  EXPECT_EQ(c, MakeColor(255, 16, 300 & 0xFF));
  c = 0x1FFFFFFF;
  EXPECT_FALSE(ReadRGB(ini, "Personality", "InActiveText", c));
  EXPECT_FALSE(ReadRGB(ini, "Personality", "Half", c));
  EXPECT_FALSE(ReadRGB(ini, "Nowhere", "ActiveText", c));
  EXPECT_EQ(c, 0x1FFFFFFFu);
}

TEST(QuickIni, ReloadReplacesEverything) {
  TQuickIni ini = Ini("[A]\r\nk=1\r\n");
  ini.LoadFromStream(std::vector<std::uint8_t>{'[', 'B', ']', '\n', 'k', '=', '2'});
  EXPECT_EQ(ini.ReadString("A", "k", "gone"), "gone");
  EXPECT_EQ(ini.ReadInteger("B", "k", 0), 2);
  EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"B"});
}

}  // namespace
}  // namespace kq
