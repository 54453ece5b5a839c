// Builds skin archives and skin files in tests, independently of the skin tool.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/lzh_tree.h"

namespace kq::test {

inline void PutInt32(std::vector<std::uint8_t>& v, std::int32_t x) {
  const auto u = static_cast<std::uint32_t>(x);
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

// An archive with the given name table text, lengths and data, exactly as given (so tests
// can write inconsistent ones).
inline std::vector<std::uint8_t> RawArchive(const std::string& nameTable, const std::vector<std::int32_t>& lengths,
                                            const std::string& data, std::int32_t version = 20000) {
  std::vector<std::uint8_t> a;
  PutInt32(a, version);
  PutInt32(a, static_cast<std::int32_t>(nameTable.size()));
  PutInt32(a, 0x12345678);  // unused by the reader
  PutInt32(a, -1);
  a.insert(a.end(), nameTable.begin(), nameTable.end());
  for (auto l : lengths) PutInt32(a, l);
  a.insert(a.end(), data.begin(), data.end());
  return a;
}

// A well-formed archive of (name, content) entries.
inline std::vector<std::uint8_t> Archive(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string names, data;
  std::vector<std::int32_t> lengths;
  for (const auto& [name, content] : entries) {
    names += name + "\r\n";
    lengths.push_back(static_cast<std::int32_t>(content.size()));
    data += content;
  }
  return RawArchive(names, lengths, data);
}

// A skin file whose stream holds literals only: enough to feed the loader any archive
// without depending on the real encoder.
inline std::vector<std::uint8_t> LiteralSkinFile(const std::vector<std::uint8_t>& archive) {
  using namespace kq::lzhuf;
  std::vector<std::uint8_t> out;
  PutInt32(out, static_cast<std::int32_t>(archive.size()));
  auto tree = std::make_unique<HuffmanTree>();
  tree->Start();
  unsigned acc = 0;
  int bits = 0;
  for (std::uint8_t b : archive) {
    // The leaf's node is parent[627 + b]; each step up records whether the node is the
    // first (0) or second (1) child of its parent. Emitted root first.
    std::vector<int> up;
    for (int k = tree->parent[b + kTreeSize]; k != kRoot; k = tree->parent[k]) {
      up.push_back(k - tree->child[tree->parent[k]]);
    }
    for (auto it = up.rbegin(); it != up.rend(); ++it) {
      acc = (acc << 1) | static_cast<unsigned>(*it);
      if (++bits == 8) {
        out.push_back(static_cast<std::uint8_t>(acc));
        acc = 0;
        bits = 0;
      }
    }
    tree->Update(b);
  }
  if (bits) out.push_back(static_cast<std::uint8_t>(acc << (8 - bits)));
  return out;
}

}  // namespace kq::test
