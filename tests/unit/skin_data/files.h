// Reading test vectors from tests/data.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kq::test {

inline std::vector<std::uint8_t> ReadDataFile(const std::string& relative) {
  std::ifstream f(std::string(KQ_TESTDATA_DIR) + "/" + relative, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

inline std::vector<std::uint8_t> Bytes(const std::string& s) {
  return std::vector<std::uint8_t>(s.begin(), s.end());
}

}  // namespace kq::test
