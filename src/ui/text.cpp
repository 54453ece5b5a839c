#include "ui/text.h"

#include "base/encoding.h"

namespace kq::ui {

std::wstring Widen(std::string_view utf8) { return kq::Utf8ToWide(utf8); }
std::string Narrow(std::wstring_view utf16) { return kq::WideToUtf8(utf16); }

namespace {
template <class C>
C Lower(C c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<C>(c - 'A' + 'a') : c;
}
template <class S>
bool Same(S a, S b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}
}  // namespace

bool SameText(std::string_view a, std::string_view b) { return Same(a, b); }
bool SameText(std::wstring_view a, std::wstring_view b) { return Same(a, b); }

}  // namespace kq::ui
