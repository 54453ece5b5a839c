// UTF-8 <-> UTF-16 at the edge of the form layer: the portable layers speak UTF-8,
// Win32 speaks UTF-16 through the W functions.
#pragma once

#include <string>
#include <string_view>

namespace kq::ui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// ASCII-only case folding, enough for names of classes, properties and enumerations.
bool SameText(std::string_view a, std::string_view b);
bool SameText(std::wstring_view a, std::wstring_view b);

}  // namespace kq::ui
