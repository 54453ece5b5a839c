// skingen: writes the default skin (definition text, pictures and the packing order) into
// a folder, normally resources/skin. The output is the same on every run.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "skingen/default_skin.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: skingen <folder>\n";
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path folder = argv[1];
  std::error_code ec;
  fs::create_directories(folder, ec);
  std::string list;
  for (const kq::skingen::SkinFile& f : kq::skingen::MakeDefaultSkin()) {
    std::ofstream out(folder / f.name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
    if (!out) {
      std::cerr << "skingen: cannot write " << (folder / f.name).string() << "\n";
      return 1;
    }
    list += f.name + "\r\n";
  }
  std::ofstream out(folder / "skin.lst", std::ios::binary | std::ios::trunc);
  out << list;
  if (!out) {
    std::cerr << "skingen: cannot write skin.lst\n";
    return 1;
  }
  return 0;
}
