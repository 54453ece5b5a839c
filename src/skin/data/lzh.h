// LZHUF decompression of a skin file: LZSS over a 4096-byte ring with adaptive Huffman
// coding of 314 symbols (Okumura and Yoshizaki, 1988).
//
// A skin file is a 4-byte little-endian unpacked length U followed by the bit stream. The
// decoder produces U bytes (the last copy may run up to 59 bytes past U, as the format
// allows), reads input that ends early as zero bits and never fails on damaged data: there
// is no checksum, damage simply yields damaged output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "base/error.h"

namespace kq {

// Format constants, shared with the encoder of the skin tool.
namespace lzhuf {
constexpr int kRingSize = 4096;                     // window; positions are 12 bits
constexpr int kMaxMatch = 60;                       // longest copy
constexpr int kThreshold = 2;                       // copies are 3..60 bytes
constexpr int kSymbols = 256 - kThreshold + kMaxMatch;  // 314: 256 literals + 58 lengths
constexpr int kTreeSize = 2 * kSymbols - 1;         // 627 nodes
constexpr int kRoot = kTreeSize - 1;                // 626
constexpr unsigned kMaxFreq = 0x8000;               // the tree is rebuilt at this root count
constexpr int kRingStart = kRingSize - kMaxMatch;   // 4036: first write index; below it spaces
// The published static code for the upper six bits of a copy position: the code (left
// aligned in a byte) and its length in bits (3..8): one code of 3 bits, 3 of 4, 8 of 5,
// 12 of 6, 24 of 7 and 16 of 8, assigned in order.
inline constexpr std::uint8_t kPositionCodeLength[64] = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    6, 6, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
inline constexpr std::uint8_t kPositionCode[64] = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90,
    0x94, 0x98, 0x9C, 0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2,
    0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE, 0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC,
    0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE, 0xF0, 0xF1, 0xF2, 0xF3,
    0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};
}  // namespace lzhuf

// The decompressor's own error kind, one of the program's errors. The two texts are fixed.
class ElzhException : public Error {
 public:
  using Error::Error;
};
inline constexpr const char* kLzhNoMemoryText = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeErrorText = "LZH : Error freeing memory for dictionary tables";

// One decoding run. The tables live on the heap only for the run.
class TLZH {
 public:
  // A skin unpacks to about 300 KB; a declared size beyond this is refused rather than
  // allocated on the word of an untrusted header.
  static constexpr std::int64_t kDefaultMaxUnpacked = 64 * 1024 * 1024;

  // Decodes a whole skin file (U + stream). Returns false, with `out` empty, when U is
  // larger than `maxUnpacked`; U <= 0 gives an empty output and true. Otherwise `out`
  // holds U bytes, or up to 59 more when the last copy overruns. Throws ElzhException when
  // the tables cannot be allocated.
  bool Decode(std::span<const std::uint8_t> skinFile, std::vector<std::uint8_t>& out,
              std::int64_t maxUnpacked = kDefaultMaxUnpacked);

  // Decodes a bare bit stream (no length prefix) until `unpacked` bytes are produced.
  void DecodeStream(std::span<const std::uint8_t> stream, std::int64_t unpacked,
                    std::vector<std::uint8_t>& out);

  // U as the skin file declares it (missing header bytes read as 0).
  static std::int32_t DeclaredSize(std::span<const std::uint8_t> skinFile);
};

}  // namespace kq
