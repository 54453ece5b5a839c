// Writing and reading skin archives for the skin tool. Unlike the program's reader this
// keeps names as stored and says precisely what is wrong with a malformed archive.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kq::skintool {

struct ArchiveEntry {
  std::string name;
  std::vector<std::uint8_t> data;
};

// Why a name cannot go into an archive or come out of one as a file: empty, a line break
// or another control character, a directory part ('/', '\', ':'), "." or "..". Empty
// when the name is fine.
std::string CheckEntryName(const std::string& name);

// Version 20000, the names one per line ending in CR LF, the lengths, the data. Returns
// an error text for entries that cannot be stored (bad or clashing names, more than 1001
// entries, sizes beyond 32 bits); empty on success.
std::string BuildArchive(const std::vector<ArchiveEntry>& entries, std::vector<std::uint8_t>& archive);

struct ParsedArchive {
  std::int32_t version = 0;
  std::vector<ArchiveEntry> entries;
  std::size_t spareBytes = 0;  // data after the last entry
};

// How the tool says that a skin spends more than a load may: "over the load budget (<what>)".
std::string OverBudgetText(const std::string& what);

// Reads an unpacked archive. Returns an error text (empty on success); more entries than a
// load takes is OverBudgetText.
std::string ParseArchive(std::span<const std::uint8_t> archive, ParsedArchive& parsed);

}  // namespace kq::skintool
