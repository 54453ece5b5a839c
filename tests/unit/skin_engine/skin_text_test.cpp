// Text routines of the painters: code page 936 to UTF-16 and back, and the left part of a
// wide text.
#include "skin/controls/core/skin_text.h"

#include <gtest/gtest.h>

namespace kq::skin {
namespace {

WideString W(std::u16string_view s) { return WideString(s.begin(), s.end()); }

TEST(SkinText, CodePage936BothWays) {
  const std::string notice = "\xD7\xA2\xD2\xE2";  // "注意" in code page 936
  EXPECT_EQ(StrToWide(notice), W(u"注意"));
  EXPECT_EQ(WideToStr(W(u"注意")), notice);
  EXPECT_EQ(StrToWide("Zelvo \xB6\xA8\xCA\xB1"), W(u"Zelvo 定时"));
  EXPECT_EQ(WideToStr(W(u"A 关机 B")), "A \xB9\xD8\xBB\xFA B");
  EXPECT_EQ(StrToWide(""), WideString());
  EXPECT_EQ(WideToStr(WideString()), "");
  // A character code page 936 lacks becomes "?", never an error.
  EXPECT_EQ(WideToStr(W(u"x\u0E01y")), "x?y");
}

TEST(SkinText, WideLeft) {
  const WideString text = W(u"关闭计算机");
  EXPECT_EQ(WideLeft(text.c_str(), 2), W(u"关闭"));
  EXPECT_EQ(WideLeft(text.c_str(), 0), WideString());
  EXPECT_EQ(WideLeft(text.c_str(), -1), text);
  // Never past the end of the text, whatever count says.
  EXPECT_EQ(WideLeft(text.c_str(), 50), text);
  const WideChar buffer[] = {'a', 'b', 0, 'c', 0};
  EXPECT_EQ(WideLeft(buffer, 4), W(u"ab"));
  EXPECT_EQ(WideLeft(text.c_str(), -2), WideString());
  EXPECT_EQ(WideLeft(nullptr, -1), WideString());
}

}  // namespace
}  // namespace kq::skin
