// UTF-8 <-> UTF-16 and code page 936: round trips, byte counts and malformed input.
#include "base/encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace kq {
namespace {

std::string Bytes(std::initializer_list<unsigned> values) {
  std::string s;
  for (unsigned v : values) s += static_cast<char>(v);
  return s;
}

bool IsWellFormed(const std::string& utf8) { return Utf16ToUtf8(Utf8ToUtf16(utf8)) == utf8; }

TEST(Utf8Utf16, RoundTrips) {
  for (const char* text : {"", "a", "Zelvo定时自动关机器V1.0", "é", "€", "剩余：0 天 01 时",
                           "\xF0\x9F\x98\x80" /* U+1F600 */, "\xEF\xBF\xBD", "\xF4\x8F\xBF\xBF"}) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
  }
  EXPECT_EQ(Utf8ToUtf16("中a"), u"\u4E2Da");
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), std::u16string({0xD83D, 0xDE00}));
  EXPECT_EQ(Utf16ToUtf8(u"\u00E9\u4E2D"), "\xC3\xA9\xE4\xB8\xAD");
  EXPECT_EQ(Utf8ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(Utf8Utf16, MalformedUtf8BecomesReplacementCharacters) {
  const std::u16string r(1, u'\uFFFD');
  EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a" + r + u"b");
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"), r);                  // cut off at the end
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8z"), r + u"z");          // cut off in the middle
  EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), r + r);              // overlong NUL
  EXPECT_EQ(Utf8ToUtf16("\xE0\x80\xAF"), r + r + r);      // overlong slash
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), r + r + r);      // encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), r + r + r + r);  // above U+10FFFF
  EXPECT_EQ(Utf8ToUtf16("\x80\xBF"), r + r);              // stray continuation bytes
}

TEST(Utf8Utf16, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string({0xD800, u'x'})), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string({0xDC00})), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string({0xDE00, 0xD83D})), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string({0xD83D})), "\xEF\xBF\xBD");
}

TEST(Cp936, KnownBytes) {
  EXPECT_EQ(Utf8ToCp936("剩余：0 天"),
            Bytes({0xCA, 0xA3, 0xD3, 0xE0, 0xA3, 0xBA, 0x30, 0x20, 0xCC, 0xEC}));
  EXPECT_EQ(Utf8ToCp936("Zelvo定时"), "Zelvo" + Bytes({0xB6, 0xA8, 0xCA, 0xB1}));
  EXPECT_EQ(Utf8ToCp936("€"), Bytes({0x80}));
  EXPECT_EQ(Utf8ToCp936("—·、"), Bytes({0xA1, 0xAA, 0xA1, 0xA4, 0xA1, 0xA2}));
  EXPECT_EQ(Cp936ToUtf8(Bytes({0xB9, 0xD8, 0xBB, 0xFA})), "关机");
  EXPECT_EQ(Cp936ToUtf16(Bytes({0xA1, 0xA1})), u"\u3000");
  EXPECT_EQ(Utf16ToCp936(u"\u5173\u673A"), Bytes({0xB9, 0xD8, 0xBB, 0xFA}));
}

TEST(Cp936, RoundTripsOfTheProgramsTexts) {
  for (const char* text :
       {"", "Zelvo定时自动关机器 V1.0", "开始执行Zelvo定时自动关机器。", "到时执行之前约定的任务",
        "您输入的延迟天数与小时数不正确,必须为数字!", "注意：定时小时只能在0-24之间！",
        "command.com /C shutdown -f", "€ ～ … ×"}) {
    EXPECT_EQ(Cp936ToUtf8(Utf8ToCp936(text)), text);
    EXPECT_EQ(Cp936ToUtf16(Utf16ToCp936(Utf8ToUtf16(text))), Utf8ToUtf16(text));
  }
}

TEST(Cp936, ByteLengths) {
  EXPECT_EQ(Cp936ByteLength(""), 0u);
  EXPECT_EQ(Cp936ByteLength("abc"), 3u);
  EXPECT_EQ(Cp936ByteLength("剩余：0 天"), 10u);
  EXPECT_EQ(Cp936ByteLength("剩余：0 天 01 时 05 分 09 秒 "), 29u);
  EXPECT_EQ(Cp936ByteLength("Zelvo定时自动关机器"), 19u);
  EXPECT_EQ(Cp936ByteLength("已经停止执行"), 12u);
  std::string thirty_two;
  for (int i = 0; i < 32; ++i) thirty_two += "关";
  EXPECT_EQ(Cp936ByteLength(thirty_two), 64u);  // too long for the tray hint
  EXPECT_EQ(Cp936ByteLength("한"), 1u);  // not in 936: one "?"
}

TEST(Cp936, CharactersItLacksBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp936("a¥b"), "a?b");  // no look-alike backslash
  EXPECT_EQ(Utf8ToCp936("〜"), "?");
  EXPECT_EQ(Utf8ToCp936("x\xF0\x9F\x98\x80y"), "x??y");  // one "?" per UTF-16 unit
  EXPECT_EQ(Utf8ToCp936("a\xFF" "b"), "a?b");  // malformed UTF-8
  EXPECT_EQ(Utf16ToCp936(std::u16string({0xD800, u'z'})), "?z");
}

// Bytes that are no character: decoded as Windows decodes them, never dropped silently.
TEST(Cp936, MalformedBytes) {
  EXPECT_EQ(Cp936ToUtf8(Bytes({0x61, 0x81})), "a?");             // lead byte at the end
  EXPECT_EQ(Cp936ToUtf8(Bytes({0x81, 0x30, 0x7A})), "?z");       // bad trail byte goes too
  EXPECT_EQ(Cp936ToUtf8(Bytes({0x81, 0x30, 0x81, 0x30})), "??");  // GB18030, not 936
  EXPECT_EQ(Cp936ToUtf8(Bytes({0xA1, 0x20, 0x41})), "?A");
  EXPECT_EQ(Cp936ToUtf16(Bytes({0xFF})), u"\uF8F5");
  EXPECT_EQ(Cp936ToUtf8(Bytes({0x80})), "€");
  EXPECT_EQ(Cp936ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// Every pair of bytes decodes to well-formed text, and every pair that is a character comes
// back unchanged when encoded again.
TEST(Cp936, EveryDoubleBytePair) {
  int characters = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0; trail <= 0xFF; ++trail) {
      const std::string pair = Bytes({lead, trail});
      const std::string utf8 = Cp936ToUtf8(pair);
      ASSERT_TRUE(IsWellFormed(utf8)) << lead << " " << trail;
      const std::u16string wide = Utf8ToUtf16(utf8);
      if (wide.size() != 1 || wide == u"?") continue;
      ++characters;
      ASSERT_EQ(Utf16ToCp936(wide), pair) << std::hex << lead << " " << trail;
    }
  }
  EXPECT_GT(characters, 21000);  // GBK has 21,886 characters
}

TEST(Cp936, GarbageNeverBreaksTheOutput) {
  unsigned seed = 12345;
  for (int round = 0; round < 200; ++round) {
    std::string junk;
    for (int i = 0; i < 257; ++i) {
      seed = seed * 1103515245 + 12345;
      junk += static_cast<char>(seed >> 16);
    }
    EXPECT_TRUE(IsWellFormed(Cp936ToUtf8(junk)));
    EXPECT_EQ(Cp936ToUtf8(junk), Utf16ToUtf8(Cp936ToUtf16(junk)));
    const std::string encoded = Utf8ToCp936(junk);
    EXPECT_EQ(Cp936ByteLength(junk), encoded.size());
  }
}

#ifdef _WIN32
TEST(Cp936, WideStringsOnWindows) {
  EXPECT_EQ(Utf8ToWide("定时a"), L"\u5B9A\u65F6a");
  EXPECT_EQ(WideToUtf8(L"\u5B9A\u65F6a"), "定时a");
  EXPECT_EQ(WideToCp936(L"\u5173\u673A"), Bytes({0xB9, 0xD8, 0xBB, 0xFA}));
  EXPECT_EQ(Cp936ToWide(Bytes({0xB9, 0xD8, 0xBB, 0xFA})), L"\u5173\u673A");
  EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}
#endif

}  // namespace
}  // namespace kq
