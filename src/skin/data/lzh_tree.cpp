#include "skin/data/lzh_tree.h"

#include <cstring>

namespace kq::lzhuf {

void HuffmanTree::Start() {
  for (int i = 0; i < kSymbols; ++i) {
    freq[i] = 1;
    child[i] = static_cast<std::int16_t>(i + kTreeSize);
    parent[i + kTreeSize] = static_cast<std::int16_t>(i);
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    child[j] = static_cast<std::int16_t>(i);
    parent[i] = parent[i + 1] = static_cast<std::int16_t>(j);
  }
  freq[kTreeSize] = 0xFFFF;
  parent[kRoot] = 0;
}

void HuffmanTree::Rebuild() {
  // Leaves first, in node order, with halved counts.
  int j = 0;
  for (int i = 0; i < kTreeSize; ++i) {
    if (child[i] >= kTreeSize) {
      freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
      child[j] = child[i];
      ++j;
    }
  }
  // Pair them again, inserting each new inner node where it keeps the counts ascending.
  for (int i = 0, n = kSymbols; n < kTreeSize; i += 2, ++n) {
    const unsigned f = static_cast<unsigned>(freq[i]) + freq[i + 1];
    int k = n - 1;
    while (f < freq[k]) --k;
    ++k;
    const std::size_t moved = static_cast<std::size_t>(n - k) * sizeof(freq[0]);
    std::memmove(&freq[k + 1], &freq[k], moved);
    freq[k] = static_cast<std::uint16_t>(f);
    std::memmove(&child[k + 1], &child[k], moved);
    child[k] = static_cast<std::int16_t>(i);
  }
  for (int i = 0; i < kTreeSize; ++i) {
    const int k = child[i];
    if (k >= kTreeSize) {
      parent[k] = static_cast<std::int16_t>(i);
    } else {
      parent[k] = parent[k + 1] = static_cast<std::int16_t>(i);
    }
  }
}

void HuffmanTree::Update(int symbol) {
  if (freq[kRoot] == kMaxFreq) Rebuild();
  int c = parent[symbol + kTreeSize];
  do {
    const unsigned k = ++freq[c];
    int l = c + 1;
    if (k > freq[l]) {
      // Swap with the last node whose count is still below the new one.
      while (k > freq[++l]) {
      }
      --l;
      freq[c] = freq[l];
      freq[l] = static_cast<std::uint16_t>(k);

      const int i = child[c];
      parent[i] = static_cast<std::int16_t>(l);
      if (i < kTreeSize) parent[i + 1] = static_cast<std::int16_t>(l);
      const int j = child[l];
      child[l] = static_cast<std::int16_t>(i);
      parent[j] = static_cast<std::int16_t>(c);
      if (j < kTreeSize) parent[j + 1] = static_cast<std::int16_t>(c);
      child[c] = static_cast<std::int16_t>(j);
      c = l;
    }
    c = parent[c];
  } while (c != 0);
}

}  // namespace kq::lzhuf
