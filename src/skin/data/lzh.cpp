#include "skin/data/lzh.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "skin/data/lzh_tree.h"

namespace kq {


namespace {

using namespace lzhuf;

// For every first byte of a position code: the upper six position bits it stands for and
// the code's full length.
struct PositionDecodeTable {
  std::uint8_t upper[256];
  std::uint8_t length[256];
};

constexpr PositionDecodeTable MakePositionDecodeTable() {
  PositionDecodeTable t{};
  for (int u = 0; u < 64; ++u) {
    const int span = 1 << (8 - kPositionCodeLength[u]);
    for (int k = 0; k < span; ++k) {
      t.upper[kPositionCode[u] + k] = static_cast<std::uint8_t>(u);
      t.length[kPositionCode[u] + k] = kPositionCodeLength[u];
    }
  }
  return t;
}
constexpr PositionDecodeTable kPositionDecode = MakePositionDecodeTable();

// Bits are taken from the most significant end. The buffer is refilled only when empty,
// eight whole bytes at a time, so it stays byte-aligned; input past the end reads as 0.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> in) : p_(in.data()), end_(in.data() + in.size()) {}

  unsigned Bit() {
    if (count_ == 0) Refill();
    const unsigned b = static_cast<unsigned>(buf_ >> 63);
    buf_ <<= 1;
    --count_;
    return b;
  }

  // n in 1..8.
  unsigned Bits(int n) {
    if (count_ >= n) {
      const unsigned v = static_cast<unsigned>(buf_ >> (64 - n));
      buf_ <<= n;
      count_ -= n;
      return v;
    }
    unsigned v = 0;
    for (int i = 0; i < n; ++i) v = (v << 1) | Bit();
    return v;
  }

  // Walks the tree from the root to a leaf, one bit per level.
  int Symbol(const HuffmanTree& t) {
    unsigned c = static_cast<unsigned>(t.child[kRoot]);
    while (c < static_cast<unsigned>(kTreeSize)) {
      if (count_ == 0) Refill();
      c = static_cast<unsigned>(t.child[c + static_cast<unsigned>(buf_ >> 63)]);
      buf_ <<= 1;
      --count_;
    }
    return static_cast<int>(c) - kTreeSize;
  }

 private:
  void Refill() {
    std::uint64_t v = 0;
    if (end_ - p_ >= 8) {
      for (int i = 0; i < 8; ++i) v = (v << 8) | p_[i];
      p_ += 8;
    } else {
      for (int i = 0; i < 8; ++i) v = (v << 8) | (p_ < end_ ? *p_++ : 0u);
    }
    buf_ = v;
    count_ = 64;
  }

  const std::uint8_t* p_;
  const std::uint8_t* end_;
  std::uint64_t buf_ = 0;
  int count_ = 0;
};

// The dictionary tables of one run.
struct Tables {
  HuffmanTree tree;
  std::uint8_t ring[kRingSize + kMaxMatch - 1];
};

std::unique_ptr<Tables> AllocateTables() {
  std::unique_ptr<Tables> t(new (std::nothrow) Tables);
  if (!t) throw ElzhException(kLzhNoMemoryText);
  return t;
}

}  // namespace

std::int32_t TLZH::DeclaredSize(std::span<const std::uint8_t> skinFile) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4 && i < skinFile.size(); ++i) u |= std::uint32_t{skinFile[i]} << (8 * i);
  return static_cast<std::int32_t>(u);
}

bool TLZH::Decode(std::span<const std::uint8_t> skinFile, std::vector<std::uint8_t>& out,
                  std::int64_t maxUnpacked) {
  out.clear();
  const std::int32_t unpacked = DeclaredSize(skinFile);
  if (unpacked > maxUnpacked) return false;
  DecodeStream(skinFile.size() > 4 ? skinFile.subspan(4) : std::span<const std::uint8_t>{},
               unpacked, out);
  return true;
}

void TLZH::DecodeStream(std::span<const std::uint8_t> stream, std::int64_t unpacked,
                        std::vector<std::uint8_t>& out) {
  out.clear();
  if (unpacked <= 0) return;

  std::unique_ptr<Tables> t = AllocateTables();
  HuffmanTree& tree = t->tree;
  std::uint8_t* ring = t->ring;
  tree.Start();
  std::memset(ring, ' ', kRingStart);
  // Never written before the first bytes land there; zero keeps a copy that reads them
  // (possible only in a damaged stream) deterministic.
  std::memset(ring + kRingStart, 0, sizeof(t->ring) - kRingStart);

  // The last copy may run up to kMaxMatch - 1 bytes past the announced size.
  try {
    out.resize(static_cast<std::size_t>(unpacked) + kMaxMatch - 1);
  } catch (const std::bad_alloc&) {
    throw ElzhException(kLzhNoMemoryText);
  }
  std::uint8_t* const dst = out.data();

  BitReader in(stream);
  constexpr unsigned kMask = kRingSize - 1;
  unsigned r = kRingStart;
  std::size_t n = 0;
  const std::size_t want = static_cast<std::size_t>(unpacked);
  while (n < want) {
    const int c = in.Symbol(tree);
    tree.Update(c);
    if (c < 256) {
      const auto b = static_cast<std::uint8_t>(c);
      dst[n++] = b;
      ring[r] = b;
      r = (r + 1) & kMask;
      continue;
    }
    // Copy: the position's upper six bits come from a static code, the lower six follow.
    unsigned p = in.Bits(8);
    const unsigned upper = kPositionDecode.upper[p];
    const int extra = kPositionDecode.length[p] - 2;
    p = (p << extra) | in.Bits(extra);
    const unsigned distance = (upper << 6) | (p & 0x3F);

    unsigned src = (r - distance - 1) & kMask;
    const int len = c - 255 + kThreshold;
    // One byte at a time: a copy may overlap the bytes it produces.
    for (int k = 0; k < len; ++k) {
      const std::uint8_t b = ring[src];
      src = (src + 1) & kMask;
      dst[n++] = b;
      ring[r] = b;
      r = (r + 1) & kMask;
    }
  }
  out.resize(n);
}

}  // namespace kq
