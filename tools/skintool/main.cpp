// skintool: packs a folder of skin files (one definition text and its bitmaps) into a
// compressed skin file, and unpacks, lists, decodes and encodes them.
#include <iostream>

#include "skintool/commands.h"

int main(int argc, char** argv) {
  return kq::skintool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
