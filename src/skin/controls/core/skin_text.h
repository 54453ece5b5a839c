// Text routines the skin painters share. The program's "ANSI" texts are code page 936 bytes
// (that is the code page its texts and files are written in), so these convert with code page
// 936 whatever code page the machine runs with; under Wine the ANSI code page is often 1252,
// which would turn every Chinese caption into question marks.
//
// Wide text is UTF-16: std::wstring on Windows (what the W functions take), std::u16string
// in the native build.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace kq::skin {

using WideChar = std::conditional_t<sizeof(wchar_t) == 2, wchar_t, char16_t>;
using WideString = std::basic_string<WideChar>;
using WideView = std::basic_string_view<WideChar>;

// Code page 936 bytes to UTF-16 and back, whole strings; never fail (see base/encoding.h).
WideString StrToWide(std::string_view text);
std::string WideToStr(WideView text);

// The first `count` characters of `text`, stopping early at a NUL; count -1 takes the whole
// zero-terminated text. A null pointer or any other negative count gives an empty text.
WideString WideLeft(const WideChar* text, int count);

}  // namespace kq::skin
