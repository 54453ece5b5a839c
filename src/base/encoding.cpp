#include "base/encoding.h"

#include <climits>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace kq {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char b, unsigned char low = 0x80, unsigned char high = 0xBF) {
  return b >= low && b <= high;
}

// Decodes the character at s[i] and moves i past it. A malformed sequence gives one U+FFFD
// for its longest valid beginning (at least one byte), the usual practice of decoders.
char32_t NextUtf8(std::string_view s, std::size_t& i) {
  const unsigned char b = static_cast<unsigned char>(s[i++]);
  if (b < 0x80) return b;
  int length;
  char32_t c;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2;
    c = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3;
    c = b & 0x0F;
    if (b == 0xE0) low = 0xA0;   // no overlong forms
    if (b == 0xED) high = 0x9F;  // no surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4;
    c = b & 0x07;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return kReplacement;
  }
  for (int k = 1; k < length; ++k) {
    if (i >= s.size()) return kReplacement;
    const unsigned char n = static_cast<unsigned char>(s[i]);
    if (k == 1 ? !IsContinuation(n, low, high) : !IsContinuation(n)) return kReplacement;
    c = (c << 6) | (n & 0x3F);
    ++i;
  }
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

template <class String>
String ToUtf16(std::string_view utf8) {
  String out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const char32_t c = NextUtf8(utf8, i);
    using Unit = typename String::value_type;
    if (c < 0x10000) {
      out += static_cast<Unit>(c);
    } else {
      out += static_cast<Unit>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<Unit>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

// Units are read as 16-bit values, so this serves std::u16string and Windows' std::wstring.
template <class View>
std::string FromUtf16(View utf16) {
  std::string out;
  out.reserve(utf16.size() * 3 / 2);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = static_cast<char16_t>(utf16[i]);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() &&
        static_cast<char16_t>(utf16[i + 1]) >= 0xDC00 &&
        static_cast<char16_t>(utf16[i + 1]) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(utf16[++i]) - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;  // a surrogate without its partner
    }
    AppendUtf8(out, c);
  }
  return out;
}

#ifdef _WIN32

// The system's own tables for code page 936. Inputs beyond INT_MAX units are cut there.
std::wstring Cp936ToWideImpl(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n = static_cast<int>(bytes.size() > INT_MAX ? INT_MAX : bytes.size());
  const int length = MultiByteToWideChar(936, 0, bytes.data(), n, nullptr, 0);
  if (length <= 0) return {};
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(936, 0, bytes.data(), n, out.data(), length);
  return out;
}

// No "best fit": a character 936 lacks becomes "?" and is never turned into a look-alike
// such as a backslash.
std::string WideToCp936Impl(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = static_cast<int>(wide.size() > INT_MAX ? INT_MAX : wide.size());
  const int length =
      WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), n, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), n, out.data(), length, nullptr,
                      nullptr);
  return out;
}

#else

// One iconv conversion descriptor for the length of a call.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `in`; at a byte sequence iconv refuses, `fix(in, i, out)` appends a
  // stand-in and returns where to go on.
  template <class Fix>
  std::string Run(std::string_view in, Fix fix) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    std::size_t i = 0;
    char buffer[4096];
    while (i < in.size()) {
      char* src = const_cast<char*>(in.data() + i);
      std::size_t src_left = in.size() - i;
      char* dst = buffer;
      std::size_t dst_left = sizeof buffer;
      const std::size_t result = iconv(cd_, &src, &src_left, &dst, &dst_left);
      const int error = errno;
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      i = in.size() - src_left;
      if (result != static_cast<std::size_t>(-1) || i >= in.size()) break;
      if (error == E2BIG) continue;
      i = fix(in, i, out);
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// Bytes iconv will not read are handled as Windows does: 0xFF is U+F8F5, a lead byte and
// the byte after it (whatever it is) are one unknown character, anything else is one.
std::size_t FixCp936(std::string_view in, std::size_t i, std::string& out) {
  const unsigned char b = static_cast<unsigned char>(in[i]);
  if (b == 0xFF) {
    AppendUtf8(out, 0xF8F5);
    return i + 1;
  }
  if (b == 0x80) {
    AppendUtf8(out, 0x20AC);
    return i + 1;
  }
  out += '?';
  return b >= 0x81 && b <= 0xFE && i + 1 < in.size() ? i + 2 : i + 1;
}

// A character code page 936 lacks: "?" per UTF-16 unit it would take.
std::size_t FixUnmappable(std::string_view in, std::size_t i, std::string& out) {
  const char32_t c = NextUtf8(in, i);
  out += c > 0xFFFF ? "??" : "?";
  return i;
}

bool IsWellFormedUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t start = i;
    if (NextUtf8(s, i) == kReplacement &&
        s.substr(start, i - start) != "\xEF\xBF\xBD")
      return false;
  }
  return true;
}

std::string Cp936ToUtf8Impl(std::string_view bytes) {
  Converter converter("UTF-8", "CP936");
  if (converter.Ok()) return converter.Run(bytes, FixCp936);
  // Without the C library's tables only ASCII survives.
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80)
      out += bytes[i++];
    else
      i = FixCp936(bytes, i, out);
  }
  return out;
}

std::string Utf8ToCp936Impl(std::string_view utf8) {
  // Malformed input is made well-formed first, so every refusal below is a character
  // that code page 936 does not have.
  std::string clean;
  if (!IsWellFormedUtf8(utf8)) clean = FromUtf16(ToUtf16<std::u16string>(utf8));
  const std::string_view text = clean.empty() ? utf8 : std::string_view(clean);
  Converter converter("CP936", "UTF-8");
  if (converter.Ok()) return converter.Run(text, FixUnmappable);
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80)
      out += text[i++];
    else
      i = FixUnmappable(text, i, out);
  }
  return out;
}

#endif

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) { return ToUtf16<std::u16string>(utf8); }
std::string Utf16ToUtf8(std::u16string_view utf16) { return FromUtf16(utf16); }

#ifdef _WIN32

std::wstring Utf8ToWide(std::string_view utf8) { return ToUtf16<std::wstring>(utf8); }
std::string WideToUtf8(std::wstring_view wide) { return FromUtf16(wide); }
std::wstring Cp936ToWide(std::string_view bytes) { return Cp936ToWideImpl(bytes); }
std::string WideToCp936(std::wstring_view wide) { return WideToCp936Impl(wide); }

std::u16string Cp936ToUtf16(std::string_view bytes) {
  const std::wstring wide = Cp936ToWideImpl(bytes);
  return std::u16string(wide.begin(), wide.end());
}
std::string Utf16ToCp936(std::u16string_view text) {
  return WideToCp936Impl(std::wstring(text.begin(), text.end()));
}
std::string Cp936ToUtf8(std::string_view bytes) { return FromUtf16(Cp936ToWideImpl(bytes)); }
std::string Utf8ToCp936(std::string_view utf8) {
  return WideToCp936Impl(ToUtf16<std::wstring>(utf8));
}

#else

std::u16string Cp936ToUtf16(std::string_view bytes) {
  return ToUtf16<std::u16string>(Cp936ToUtf8Impl(bytes));
}
std::string Utf16ToCp936(std::u16string_view text) { return Utf8ToCp936Impl(FromUtf16(text)); }
std::string Cp936ToUtf8(std::string_view bytes) { return Cp936ToUtf8Impl(bytes); }
std::string Utf8ToCp936(std::string_view utf8) { return Utf8ToCp936Impl(utf8); }

#endif

std::size_t Cp936ByteLength(std::string_view utf8) { return Utf8ToCp936(utf8).size(); }

}  // namespace kq
