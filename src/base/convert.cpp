#include "base/convert.h"

#include <cstdint>
#include <string>

#include "base/error.h"

namespace kq {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits wrap into 32 bits, as the runtime's do: "$80000000" is the lowest int.
bool ParseHex(std::string_view digits, bool negative, int& value) {
  if (digits.empty()) return false;
  std::uint32_t n = 0;
  for (char c : digits) {
    const int v = HexValue(c);
    if (v < 0 || n > 0x0FFFFFFFu) return false;
    n = (n << 4) | static_cast<std::uint32_t>(v);
  }
  if (negative) n = 0u - n;
  value = static_cast<int>(static_cast<std::int32_t>(n));
  return true;
}

bool ParseDecimal(std::string_view digits, bool negative, int& value) {
  if (digits.empty()) return false;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
    if (n > limit) return false;
  }
  value = static_cast<int>(negative ? -n : n);
  return true;
}

}  // namespace

bool TryStrToInt(std::string_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string_view rest = text.substr(i);
  if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X'))
    return ParseHex(rest.substr(1), negative, value);
  if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
    return ParseHex(rest.substr(2), negative, value);
  return ParseDecimal(rest, negative, value);
}

int StrToInt(std::string_view text) {
  int value = 0;
  if (!TryStrToInt(text, value))
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
  return value;
}

}  // namespace kq
