#include "skintool/lzh_encoder.h"

#include <algorithm>
#include <array>
#include <memory>

#include "skin/data/lzh_tree.h"

namespace kq::skintool {

namespace {

using namespace kq::lzhuf;

class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  // Appends the low `count` bits of `bits` (count <= 32), most significant first.
  void Put(std::uint32_t bits, int count) {
    acc_ = (acc_ << count) | (bits & ((std::uint64_t{1} << count) - 1));
    n_ += count;
    while (n_ >= 8) {
      n_ -= 8;
      out_.push_back(static_cast<std::uint8_t>(acc_ >> n_));
    }
  }
  // Pads the last byte with zero bits.
  void Flush() {
    if (n_ > 0) out_.push_back(static_cast<std::uint8_t>(acc_ << (8 - n_)));
    n_ = 0;
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint64_t acc_ = 0;
  int n_ = 0;
};

class SymbolCoder {
 public:
  explicit SymbolCoder(BitWriter& w) : w_(w), tree_(std::make_unique<HuffmanTree>()) { tree_->Start(); }

  void Symbol(int s) {
    // Collect the path from the leaf up (which child each node is), then emit it root first.
    int depth = 0;
    for (int k = tree_->parent[s + kTreeSize]; k != kRoot; k = tree_->parent[k]) {
      path_[static_cast<std::size_t>(depth++)] = static_cast<std::uint8_t>(k - tree_->child[tree_->parent[k]]);
    }
    while (depth > 0) w_.Put(path_[static_cast<std::size_t>(--depth)], 1);
    tree_->Update(s);
  }

  void Literal(std::uint8_t b) { Symbol(b); }

  // `distance` is how far back the copy starts, minus one (0..4095).
  void Copy(int length, unsigned distance) {
    Symbol(255 - kThreshold + length);
    const unsigned upper = distance >> 6;
    w_.Put(kPositionCode[upper] >> (8 - kPositionCodeLength[upper]), kPositionCodeLength[upper]);
    w_.Put(distance & 0x3F, 6);
  }

 private:
  BitWriter& w_;
  std::unique_ptr<HuffmanTree> tree_;
  std::array<std::uint8_t, kTreeSize> path_{};
};

// Longest-match search with hash chains over the history: the decoder's pre-filled spaces
// followed by the data, so matches may reach into the spaces as the decoder allows.
class MatchFinder {
 public:
  struct Match {
    int length = 0;
    std::size_t from = 0;
  };

  explicit MatchFinder(const std::vector<std::uint8_t>& h) : h_(h), head_(kHashSize, -1), prev_(h.size(), -1) {}

  void Insert(std::size_t p) {
    if (p + 2 >= h_.size()) return;
    const std::size_t k = Hash(p);
    prev_[p] = head_[k];
    head_[k] = static_cast<std::int64_t>(p);
  }

  // The longest match for position p among the 4096 positions before it; nearest first
  // among equal lengths (shorter position codes). Must be called before Insert(p).
  Match Find(std::size_t p) const {
    Match best;
    const std::size_t remaining = h_.size() - p;
    const int limit = static_cast<int>(remaining < kMaxMatch ? remaining : kMaxMatch);
    if (limit <= kThreshold) return best;
    best.length = kThreshold;
    int steps = 0;
    for (std::int64_t q = head_[Hash(p)]; q >= 0 && steps < kRingSize; q = prev_[static_cast<std::size_t>(q)], ++steps) {
      const auto from = static_cast<std::size_t>(q);
      if (p - from > static_cast<std::size_t>(kRingSize)) break;
      if (h_[from + static_cast<std::size_t>(best.length)] != h_[p + static_cast<std::size_t>(best.length)]) continue;
      int len = 0;
      while (len < limit && h_[from + static_cast<std::size_t>(len)] == h_[p + static_cast<std::size_t>(len)]) ++len;
      if (len > best.length) {
        best.length = len;
        best.from = from;
        if (len == limit) break;
      }
    }
    if (best.length <= kThreshold) best.length = 0;
    return best;
  }

 private:
  static constexpr std::size_t kHashSize = 1 << 15;
  std::size_t Hash(std::size_t p) const {
    return ((std::size_t{h_[p]} << 10) ^ (std::size_t{h_[p + 1]} << 5) ^ h_[p + 2]) & (kHashSize - 1);
  }

  const std::vector<std::uint8_t>& h_;
  std::vector<std::int64_t> head_;
  std::vector<std::int64_t> prev_;
};

}  // namespace

std::vector<std::uint8_t> LzhEncodeStream(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out;
  if (data.empty()) return out;
  out.reserve(data.size() / 2 + 64);

  std::vector<std::uint8_t> h(static_cast<std::size_t>(kRingStart) + data.size(), ' ');
  std::copy(data.begin(), data.end(), h.begin() + kRingStart);
  MatchFinder finder(h);
  for (std::size_t i = 0; i < static_cast<std::size_t>(kRingStart); ++i) finder.Insert(i);

  BitWriter bits(out);
  SymbolCoder coder(bits);
  std::size_t p = kRingStart;
  MatchFinder::Match cur = finder.Find(p);
  while (p < h.size()) {
    if (cur.length == 0) {
      finder.Insert(p);
      coder.Literal(h[p]);
      ++p;
    } else {
      finder.Insert(p);
      // One step of lazy matching: a longer match one byte later is worth a literal.
      if (cur.length < kMaxMatch && p + 1 < h.size()) {
        const MatchFinder::Match next = finder.Find(p + 1);
        if (next.length > cur.length) {
          coder.Literal(h[p]);
          ++p;
          cur = next;
          continue;
        }
      }
      coder.Copy(cur.length, static_cast<unsigned>(p - cur.from - 1));
      for (int k = 1; k < cur.length; ++k) finder.Insert(p + static_cast<std::size_t>(k));
      p += static_cast<std::size_t>(cur.length);
    }
    cur = p < h.size() ? finder.Find(p) : MatchFinder::Match{};
  }
  bits.Flush();
  return out;
}

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out;
  const auto u = static_cast<std::uint32_t>(data.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
  const std::vector<std::uint8_t> stream = LzhEncodeStream(data);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

}  // namespace kq::skintool
