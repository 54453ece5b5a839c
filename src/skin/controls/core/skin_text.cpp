#include "skin/controls/core/skin_text.h"

#include "base/encoding.h"

namespace kq::skin {

WideString StrToWide(std::string_view text) {
  const std::u16string u = Cp936ToUtf16(text);
  return WideString(u.begin(), u.end());
}

std::string WideToStr(WideView text) { return Utf16ToCp936(std::u16string(text.begin(), text.end())); }

WideString WideLeft(const WideChar* text, int count) {
  if (text == nullptr || count < -1) return {};
  WideString out;
  for (int i = 0; count == -1 || i < count; ++i) {
    if (text[i] == 0) break;
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace kq::skin
