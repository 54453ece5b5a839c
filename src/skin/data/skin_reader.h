// The skin archive: a list of named files packed into one LZHUF-compressed skin file.
//
// Archive layout (all integers little-endian int32):
//   0   version (20000)
//   4   L, length of the name table
//   8   8 bytes the reader ignores
//   16  name table: L bytes of text, one name per line (CR LF, CR or LF; the last line
//       may lack an ending)
//   16+L        C entry lengths, C = number of lines in the name table
//   16+L+4*C    the entries' bytes, concatenated in name-table order
//
// Names are held in lower case (A-Z only) and looked up by exact match (ReadFile) or by a
// substring (FindFile). A reader lives for one skin load.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/load_budget.h"
#include "skin/data/lzh.h"

namespace kq {

// Shown when a skin file holds an archive of another version.
inline constexpr const char* kOlderSkinText = "This is Older Skin File\rPlease update to new version !";

// Lower-cases A-Z only, leaving every other byte as it is.
std::string LowerAscii(std::string_view s);

class TSkinReader {
 public:
  static constexpr std::int32_t kArchiveVersion = 20000;
  static constexpr int kMaxEntries = 1001;  // capacity of the entry table (TLoadLimits::entries)

  // How a notice reaches the user: the program shows a message box; tests record it.
  using Notice = std::function<void(const std::string& text)>;

  explicit TSkinReader(Notice notice = {}) : notice_(std::move(notice)) {}

  // Unpacks a skin file (4-byte unpacked size + LZHUF stream) and reads its archive. On
  // an archive of another version the notice kOlderSkinText is shown; that and a
  // malformed archive (tables past the unpacked size, negative lengths, lengths adding up
  // past the data) return false and leave the reader empty. So does an archive over the
  // budget: a declared size above its unpacked bytes, or more names than its entries
  // (counted while the name table is split, so a huge table costs no more than a valid
  // one); the budget then says which. Throws ElzhException when the decoder cannot get
  // its tables.
  bool LoadFromStream(std::span<const std::uint8_t> skinFile, TLoadBudget& budget);
  bool LoadFromStream(std::span<const std::uint8_t> skinFile,
                      std::int64_t maxUnpacked = TLZH::kDefaultMaxUnpacked);
  // The same for an archive that is already unpacked.
  bool LoadArchive(std::span<const std::uint8_t> archive);
  bool LoadArchive(std::vector<std::uint8_t> archive, TLoadBudget& budget);

  // The index of the first entry, in stored order, whose name equals `name` compared in
  // lower case; -1 when there is none.
  int IndexOf(std::string_view name) const;

  // Copies the entry whose name equals `name` (compared in lower case) into `out`; the
  // first such entry in stored order wins. Without a match `out` is left empty. Returns
  // whether an entry was found.
  bool ReadFile(std::string_view name, std::vector<std::uint8_t>& out) const;
  // Copies the first entry, in stored order, whose name contains `fragment` and sets
  // `foundName`. The fragment is not lower-cased: give it in lower case. Without a match
  // `out` is left empty and `foundName` unchanged.
  bool FindFile(std::string_view fragment, std::vector<std::uint8_t>& out,
                std::string& foundName) const;

  // What the archive holds, in stored order.
  int Count() const { return static_cast<int>(names_.size()); }
  const std::vector<std::string>& Names() const { return names_; }
  std::int32_t Length(int index) const { return lengths_[static_cast<std::size_t>(index)]; }
  std::span<const std::uint8_t> Entry(int index) const;
  void Clear();

 private:
  bool Reject();

  Notice notice_;
  std::vector<std::string> names_;
  std::vector<std::int32_t> lengths_;
  std::vector<std::size_t> offsets_;  // from data_start_
  std::vector<std::uint8_t> archive_;  // the whole archive; entries start at data_start_
  std::size_t data_start_ = 0;
};

}  // namespace kq
