// Text encodings. Portable code carries text as UTF-8 in std::string; Win32 calls take
// UTF-16; the settings file and the event log are code page 936 bytes (GBK), converted only
// where they are read or written. No conversion throws or stops early: malformed UTF-8 or
// UTF-16 becomes U+FFFD; bytes that are no character of code page 936 become "?" (a lead
// byte takes the byte after it along, as Windows does); characters that code page 936 lacks
// become "?", one per UTF-16 unit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kq {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Code page 936 bytes <-> UTF-16 / UTF-8.
std::u16string Cp936ToUtf16(std::string_view bytes);
std::string Utf16ToCp936(std::u16string_view text);
std::string Cp936ToUtf8(std::string_view bytes);
std::string Utf8ToCp936(std::string_view utf8);

// How many bytes the UTF-8 text takes in code page 936 (the tray hint's limit is in these).
std::size_t Cp936ByteLength(std::string_view utf8);

#ifdef _WIN32
// The same for the wide strings of the W functions.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::wstring Cp936ToWide(std::string_view bytes);
std::string WideToCp936(std::wstring_view wide);
#endif

}  // namespace kq
