// Text to integer with the runtime's rules and its exact error text.
#include "base/convert.h"

#include <gtest/gtest.h>

#include <climits>

#include "base/error.h"

namespace kq {
namespace {

TEST(StrToInt, Decimal) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("17"), 17);
  EXPECT_EQ(StrToInt("07"), 7);
  EXPECT_EQ(StrToInt("-1"), -1);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt("-0"), 0);
  EXPECT_EQ(StrToInt("   42"), 42);  // leading blanks are skipped
  EXPECT_EQ(StrToInt("000000000000000000012"), 12);
  EXPECT_EQ(StrToInt("2147483647"), INT_MAX);
  EXPECT_EQ(StrToInt("-2147483648"), INT_MIN);
}

TEST(StrToInt, Hexadecimal) {
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("$a"), 10);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("0X10"), 16);
  EXPECT_EQ(StrToInt("x10"), 16);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("+0x7FFFFFFF"), INT_MAX);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);  // eight hex digits wrap into 32 bits
  EXPECT_EQ(StrToInt("$80000000"), INT_MIN);
  EXPECT_EQ(StrToInt("$000000000001"), 1);
}

TEST(StrToInt, RefusesEverythingElse) {
  for (const char* bad : {"", " ", "-", "+", "--1", "+-1", "- 1", "12 ", "1 2", "1a", "1.5",
                          "1e3", "2147483648", "-2147483649", "99999999999999999999", "$",
                          "0x", "x", "$-1", "$100000000", "$G", "0x1g", "\t1", "0b101",
                          "\xEF\xBC\x91\xEF\xBC\x92" /* fullwidth 12 */, "十"}) {
    int v = 77;
    EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
    EXPECT_EQ(v, 77) << bad;
  }
  int v = 77;
  EXPECT_FALSE(TryStrToInt(std::string_view("1\0" "2", 3), v));
}

TEST(StrToInt, ErrorTextIsTheRuntimes) {
  const auto message = [](std::string_view text) -> std::string {
    try {
      StrToInt(text);
    } catch (const ConvertError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message(""), "'' is not a valid integer value");
  EXPECT_EQ(message("abc"), "'abc' is not a valid integer value");
  EXPECT_EQ(message(" 12 "), "' 12 ' is not a valid integer value");
  EXPECT_EQ(message("十二"), "'十二' is not a valid integer value");
  EXPECT_EQ(message("2147483648"), "'2147483648' is not a valid integer value");
}

}  // namespace
}  // namespace kq
