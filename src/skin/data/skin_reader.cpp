#include "skin/data/skin_reader.h"

#include "skin/data/text_lines.h"

namespace kq {

namespace {

std::int32_t ReadInt32(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (at + i < bytes.size()) v |= std::uint32_t{bytes[at + i]} << (8 * i);
  }
  return static_cast<std::int32_t>(v);
}

}  // namespace

std::string LowerAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return r;
}

void TSkinReader::Clear() {
  names_.clear();
  lengths_.clear();
  offsets_.clear();
  archive_.clear();
  data_start_ = 0;
}

bool TSkinReader::Reject() {
  Clear();
  return false;
}

bool TSkinReader::LoadFromStream(std::span<const std::uint8_t> skinFile, std::int64_t maxUnpacked) {
  TLoadLimits limits;
  limits.unpackedBytes = maxUnpacked;
  TLoadBudget budget(limits);
  return LoadFromStream(skinFile, budget);
}

bool TSkinReader::LoadFromStream(std::span<const std::uint8_t> skinFile, TLoadBudget& budget) {
  Clear();
  std::vector<std::uint8_t> archive;
  if (!TLZH().Decode(skinFile, archive, budget.Limits().unpackedBytes)) {
    budget.Break(budget.UnpackedText());
    return false;
  }
  // The archive is U bytes; what a damaged stream's last copy adds beyond them is not part of it.
  const std::int32_t unpacked = TLZH::DeclaredSize(skinFile);
  if (unpacked >= 0 && archive.size() > static_cast<std::size_t>(unpacked)) archive.resize(static_cast<std::size_t>(unpacked));
  return LoadArchive(std::move(archive), budget);
}

bool TSkinReader::LoadArchive(std::span<const std::uint8_t> archive) {
  TLoadBudget budget;
  return LoadArchive(std::vector<std::uint8_t>(archive.begin(), archive.end()), budget);
}

bool TSkinReader::LoadArchive(std::vector<std::uint8_t> archive, TLoadBudget& budget) {
  Clear();
  // A header cut short reads as zeros, so an empty archive counts as another version.
  if (ReadInt32(archive, 0) != kArchiveVersion) {
    if (notice_) notice_(kOlderSkinText);
    return false;
  }
  const std::size_t size = archive.size();
  if (size < 16) return Reject();
  const std::int32_t nameTableLength = ReadInt32(archive, 4);
  if (nameTableLength < 0 || static_cast<std::size_t>(nameTableLength) > size - 16) return Reject();

  const std::string_view table(reinterpret_cast<const char*>(archive.data() + 16),
                               static_cast<std::size_t>(nameTableLength));
  std::vector<std::string_view> lines;
  if (!SplitLinesAtMost(table, static_cast<std::size_t>(budget.Limits().entries), lines)) {
    budget.Break(budget.EntriesText());
    return Reject();
  }

  const std::size_t lengthTable = 16 + static_cast<std::size_t>(nameTableLength);
  const std::size_t dataStart = lengthTable + 4 * lines.size();
  if (dataStart > size) return Reject();
  const std::size_t dataSize = size - dataStart;

  std::uint64_t total = 0;
  lengths_.reserve(lines.size());
  offsets_.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::int32_t len = ReadInt32(archive, lengthTable + 4 * i);
    if (len < 0) return Reject();
    offsets_.push_back(static_cast<std::size_t>(total));
    total += static_cast<std::uint64_t>(len);
    if (total > dataSize) return Reject();
    lengths_.push_back(len);
  }
  names_.reserve(lines.size());
  for (std::string_view line : lines) names_.push_back(LowerAscii(line));
  // The entries stay where they were unpacked: no second copy of the data.
  archive_ = std::move(archive);
  data_start_ = dataStart;
  return true;
}

std::span<const std::uint8_t> TSkinReader::Entry(int index) const {
  const auto i = static_cast<std::size_t>(index);
  return std::span<const std::uint8_t>(archive_).subspan(data_start_ + offsets_[i],
                                                         static_cast<std::size_t>(lengths_[i]));
}

int TSkinReader::IndexOf(std::string_view name) const {
  const std::string wanted = LowerAscii(name);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == wanted) return static_cast<int>(i);
  }
  return -1;
}

bool TSkinReader::ReadFile(std::string_view name, std::vector<std::uint8_t>& out) const {
  out.clear();
  const int i = IndexOf(name);
  if (i < 0) return false;
  const auto e = Entry(i);
  out.assign(e.begin(), e.end());
  return true;
}

bool TSkinReader::FindFile(std::string_view fragment, std::vector<std::uint8_t>& out,
                           std::string& foundName) const {
  out.clear();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(fragment) != std::string::npos) {
      const auto e = Entry(static_cast<int>(i));
      out.assign(e.begin(), e.end());
      foundName = names_[i];
      return true;
    }
  }
  return false;
}

}  // namespace kq
