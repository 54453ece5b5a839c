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
  data_.clear();
}

bool TSkinReader::Reject() {
  Clear();
  return false;
}

bool TSkinReader::LoadFromStream(std::span<const std::uint8_t> skinFile, std::int64_t maxUnpacked) {
  Clear();
  std::vector<std::uint8_t> archive;
  if (!TLZH().Decode(skinFile, archive, maxUnpacked)) return false;
  // The archive is U bytes; what a damaged stream's last copy adds beyond them is not part of it.
  const std::int32_t unpacked = TLZH::DeclaredSize(skinFile);
  if (unpacked >= 0 && archive.size() > static_cast<std::size_t>(unpacked)) archive.resize(static_cast<std::size_t>(unpacked));
  return LoadArchive(archive);
}

bool TSkinReader::LoadArchive(std::span<const std::uint8_t> archive) {
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

  const std::string table = LowerAscii(std::string_view(
      reinterpret_cast<const char*>(archive.data() + 16), static_cast<std::size_t>(nameTableLength)));
  const std::vector<std::string_view> lines = SplitLines(table);
  if (lines.size() > static_cast<std::size_t>(kMaxEntries)) return Reject();

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
  names_.assign(lines.begin(), lines.end());
  data_.assign(archive.begin() + static_cast<std::ptrdiff_t>(dataStart), archive.end());
  return true;
}

std::span<const std::uint8_t> TSkinReader::Entry(int index) const {
  const auto i = static_cast<std::size_t>(index);
  return std::span<const std::uint8_t>(data_).subspan(offsets_[i], static_cast<std::size_t>(lengths_[i]));
}

bool TSkinReader::ReadFile(std::string_view name, std::vector<std::uint8_t>& out) const {
  out.clear();
  const std::string wanted = LowerAscii(name);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == wanted) {
      const auto e = Entry(static_cast<int>(i));
      out.assign(e.begin(), e.end());
      return true;
    }
  }
  return false;
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
