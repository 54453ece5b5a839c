// LZHUF compression for the skin tool: the counterpart of kq::TLZH. The program itself
// only ever decodes; this exists to build skin files and test vectors.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kq::skintool {

// The bit stream alone: greedy longest matches (nearest first among equals) with a
// one-step lazy check, over the same space-filled 4096-byte window the decoder starts
// with, coded with the shared adaptive Huffman model and the static position code.
std::vector<std::uint8_t> LzhEncodeStream(std::span<const std::uint8_t> data);

// A skin file: the 4-byte little-endian length of `data`, then the stream. `data` must
// be shorter than 2 GiB.
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data);

}  // namespace kq::skintool
