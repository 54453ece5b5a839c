#include "skintool/archive.h"

#include <set>

#include "skin/data/load_budget.h"
#include "skin/data/skin_reader.h"
#include "skin/data/text_lines.h"

namespace kq::skintool {

namespace {

void PutInt32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}

std::int32_t GetInt32(std::span<const std::uint8_t> b, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v |= std::uint32_t{b[at + i]} << (8 * i);
  return static_cast<std::int32_t>(v);
}

}  // namespace

std::string OverBudgetText(const std::string& what) { return "over the load budget (" + what + ")"; }

std::string CheckEntryName(const std::string& name) {
  if (name.empty()) return "empty name";
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32 || c == 127) return "name \"" + name + "\" holds a control character";
    if (c == '/' || c == '\\' || c == ':') return "name \"" + name + "\" holds a directory part";
  }
  if (name == "." || name == "..") return "name \"" + name + "\" is not a file name";
  return {};
}

std::string BuildArchive(const std::vector<ArchiveEntry>& entries, std::vector<std::uint8_t>& archive) {
  archive.clear();
  if (entries.size() > static_cast<std::size_t>(TSkinReader::kMaxEntries)) {
    return std::to_string(entries.size()) + " files; an archive holds at most " +
           std::to_string(TSkinReader::kMaxEntries);
  }
  std::string names;
  std::set<std::string> seen;
  std::uint64_t total = 16;
  for (const ArchiveEntry& e : entries) {
    if (std::string why = CheckEntryName(e.name); !why.empty()) return why;
    // The program looks names up in lower case: a second name differing only in case
    // could never be found.
    if (!seen.insert(LowerAscii(e.name)).second) return "names \"" + e.name + "\" and another differ only in case";
    names += e.name + "\r\n";
    total += 4 + e.name.size() + 2 + e.data.size();
  }
  if (total > 0x7FFFFFFF) return "the archive would exceed 2 GiB";

  archive.reserve(static_cast<std::size_t>(total));
  PutInt32(archive, static_cast<std::uint32_t>(TSkinReader::kArchiveVersion));
  PutInt32(archive, static_cast<std::uint32_t>(names.size()));
  PutInt32(archive, 0);
  PutInt32(archive, 0);
  archive.insert(archive.end(), names.begin(), names.end());
  for (const ArchiveEntry& e : entries) PutInt32(archive, static_cast<std::uint32_t>(e.data.size()));
  for (const ArchiveEntry& e : entries) archive.insert(archive.end(), e.data.begin(), e.data.end());
  return {};
}

std::string ParseArchive(std::span<const std::uint8_t> a, ParsedArchive& parsed) {
  parsed = ParsedArchive();
  if (a.size() < 16) return "archive of " + std::to_string(a.size()) + " bytes is shorter than its 16-byte header";
  parsed.version = GetInt32(a, 0);
  if (parsed.version != TSkinReader::kArchiveVersion) {
    return "archive version " + std::to_string(parsed.version) + ", expected " +
           std::to_string(TSkinReader::kArchiveVersion);
  }
  const std::int32_t l = GetInt32(a, 4);
  if (l < 0 || static_cast<std::size_t>(l) > a.size() - 16) {
    return "name table of " + std::to_string(l) + " bytes does not fit in the archive of " + std::to_string(a.size()) + " bytes";
  }
  const std::string_view table(reinterpret_cast<const char*>(a.data() + 16), static_cast<std::size_t>(l));
  // Counted while splitting: a table of millions of lines is refused at the first one too many.
  const TLoadBudget budget;
  std::vector<std::string_view> lines;
  if (!SplitLinesAtMost(table, static_cast<std::size_t>(budget.Limits().entries), lines)) {
    return OverBudgetText(budget.EntriesText());
  }
  const std::size_t lengthsAt = 16 + static_cast<std::size_t>(l);
  std::size_t at = lengthsAt + 4 * lines.size();
  if (at > a.size()) return "length table of " + std::to_string(lines.size()) + " entries runs past the end of the archive";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::int32_t len = GetInt32(a, lengthsAt + 4 * i);
    const std::string name(lines[i]);
    if (len < 0) return "entry \"" + name + "\" has a negative length";
    if (static_cast<std::size_t>(len) > a.size() - at) {
      return "entry \"" + name + "\" (" + std::to_string(len) + " bytes) runs past the end of the archive";
    }
    parsed.entries.push_back({name, std::vector<std::uint8_t>(a.begin() + static_cast<std::ptrdiff_t>(at),
                                                              a.begin() + static_cast<std::ptrdiff_t>(at) + len)});
    at += static_cast<std::size_t>(len);
  }
  parsed.spareBytes = a.size() - at;
  return {};
}

}  // namespace kq::skintool
