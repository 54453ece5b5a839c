// The adaptive Huffman model of LZHUF, shared by the decoder and the skin tool's encoder so
// that both sides always hold the same tree.
#pragma once

#include <cstdint>

#include "skin/data/lzh.h"

namespace kq::lzhuf {

// Node layout: leaves and inner nodes share node numbers 0..626 ordered by frequency; the
// root is 626. child[n] is, for an inner node, the first of its two children (the second is
// child[n] + 1) and, for a leaf, 627 + symbol. parent[] is indexed by node number, and by
// 627 + symbol for a leaf's symbol entry.
struct HuffmanTree {
  std::uint16_t freq[kTreeSize + 1];  // +1: a 0xFFFF sentinel that stops the search upward
  std::int16_t parent[kTreeSize + kSymbols];
  std::int16_t child[kTreeSize];

  // Every symbol with frequency 1, paired bottom-up into a balanced tree.
  void Start();
  // Counts one more occurrence of `symbol`, keeping siblings ordered by frequency; rebuilds
  // (halving all counts) first when the root has reached kMaxFreq.
  void Update(int symbol);

 private:
  void Rebuild();
};

}  // namespace kq::lzhuf
