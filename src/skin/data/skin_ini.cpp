#include "skin/data/skin_ini.h"

#include "skin/data/skin_reader.h"
#include "skin/data/text_lines.h"

namespace kq {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string_view TrimText(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool TQuickIni::LoadFromStream(std::span<const std::uint8_t> text, std::size_t maxLines) {
  return LoadFromText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), maxLines);
}

void TQuickIni::Clear() {
  lines_.clear();
  sections_.clear();
  first_header_.clear();
}

bool TQuickIni::LoadFromText(std::string_view text, std::size_t maxLines) {
  Clear();
  text = text.substr(0, text.find('\0'));
  const bool taken = ForEachLine(text, [&](std::string_view raw) {
    const std::string_view line = TrimText(raw);
    if (line.empty() || line.front() == ';') return true;
    if (lines_.size() == maxLines) return false;
    lines_.emplace_back(line);
    if (IsHeader(line)) {
      const int at = static_cast<int>(lines_.size()) - 1;
      sections_.push_back({std::string(line), at});
      first_header_.emplace(LowerAscii(line), at);
    }
    return true;
  });
  if (!taken) Clear();
  return taken;
}

std::vector<std::string> TQuickIni::ReadSections() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) {
    names.emplace_back(TrimText(std::string_view(s.header).substr(1, s.header.size() - 2)));
  }
  return names;
}

int TQuickIni::SectionIndex(std::string_view name) const {
  std::string wanted;
  wanted.reserve(name.size() + 2);
  wanted.append(1, '[').append(LowerAscii(name)).append(1, ']');
  const auto it = first_header_.find(wanted);
  return it == first_header_.end() ? -1 : it->second;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const int header = SectionIndex(section);
  if (header < 0) return std::string(def);
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    if (IsHeader(line)) break;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    // Both sides lower-cased (A-Z only), then compared exactly.
    if (!EqualIgnoringCase(TrimText(line.substr(0, eq)), key)) continue;
    // The first matching line ends the search even when its value is empty.
    const std::string_view value = TrimText(line.substr(eq + 1));
    return std::string(value.empty() ? def : value);
  }
  return std::string(def);
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
  return ParseSkinInteger(ReadString(section, key, "")).value_or(def);
}

std::optional<std::int32_t> ParseSkinInteger(std::string_view text) {
  bool hex = false;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    text.remove_prefix(2);
  } else if (!text.empty() && text[0] == '$') {
    hex = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;

  if (hex) {
    std::uint64_t v = 0;
    for (char c : text) {
      const int d = HexDigit(c);
      if (d < 0) return std::nullopt;
      v = v * 16 + static_cast<unsigned>(d);
      if (v > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  }

  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
  }
  std::int64_t v = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > 0x80000000LL) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > 0x7FFFFFFF) return std::nullopt;
  return static_cast<std::int32_t>(v);
}

Color StrToColour(std::string_view text) {
  text = TrimText(text);
  unsigned slot[3] = {0, 0, 0};
  int filled = 0;
  std::size_t i = 0;
  while (i < text.size() && filled < 3) {
    if (!IsDigit(text[i])) {
      ++i;
      continue;
    }
    unsigned v = 0;
    while (i < text.size() && IsDigit(text[i])) v = (v * 10 + static_cast<unsigned>(text[i++] - '0')) & 0xFF;
    // A run that ends the text counts only as the third number.
    if (i < text.size() || filled == 2) slot[filled++] = v;
  }
  return MakeColor(static_cast<int>(slot[0]), static_cast<int>(slot[1]), static_cast<int>(slot[2]));
}

Color ReadColour(const TQuickIni& ini, std::string_view section, std::string_view key, Color def) {
  const std::string value = ini.ReadString(section, key, "");
  return value.empty() ? def : StrToColour(value);
}

bool ReadRGB(const TQuickIni& ini, std::string_view section, std::string_view name, Color& colour) {
  const std::string n(name);
  const std::int32_t r = ini.ReadInteger(section, n + "R", -1);
  const std::int32_t g = ini.ReadInteger(section, n + "G", -1);
  const std::int32_t b = ini.ReadInteger(section, n + "B", -1);
  if (r < 0 || g < 0 || b < 0) return false;
  colour = MakeColor(r, g, b);
  return true;
}

}  // namespace kq
