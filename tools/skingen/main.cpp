// skingen: writes the default skin (definition text, pictures and the packing order) into
// resources/: the 96-dpi variant into resources/skin, each other stored variant into its own
// folder beside it (resources/skin-120 and so on). The output is the same on every run.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "skin/data/skin_variants.h"
#include "skingen/default_skin.h"

namespace {

bool WriteVariant(const std::filesystem::path& folder, int dpi) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::string list;
  for (const kq::skingen::SkinFile& f : kq::skingen::MakeDefaultSkin(dpi)) {
    std::ofstream out(folder / f.name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
    if (!out) {
      std::cerr << "skingen: cannot write " << (folder / f.name).string() << "\n";
      return false;
    }
    list += f.name + "\r\n";
  }
  std::ofstream out(folder / "skin.lst", std::ios::binary | std::ios::trunc);
  out << list;
  if (!out) {
    std::cerr << "skingen: cannot write " << (folder / "skin.lst").string() << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: skingen <resources folder>\n";
    return 2;
  }
  for (int dpi : kq::kStoredSkinDpis)
    if (!WriteVariant(std::filesystem::path(argv[1]) / kq::skingen::SourceFolderName(dpi), dpi)) return 1;
  return 0;
}
