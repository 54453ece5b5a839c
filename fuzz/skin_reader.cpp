// A whole skin load short of building objects: the archive (either a skin file or, when
// the first byte is 'A', an unpacked archive), its definition text and every image it
// holds.
#include "skin/data/bmp.h"
#include "skin/data/skin_image.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::span<const std::uint8_t> in(data, size);
  kq::TSkinReader reader([](const std::string&) {});
  const bool loaded = in[0] == 'A' ? reader.LoadArchive(in.subspan(1)) : reader.LoadFromStream(in, 1 << 16);
  if (!loaded) {
    if (reader.Count() != 0) __builtin_trap();
    return 0;
  }
  std::vector<std::uint8_t> entry;
  std::string found;
  if (reader.FindFile(".ini", entry, found)) {
    kq::TQuickIni ini;
    ini.LoadFromStream(entry);
    for (const std::string& section : ini.ReadSections()) {
      kq::Bitmap image;
      kq::LoadImage(reader, image, ini.ReadString(section, "Image", ""));
    }
  }
  for (const std::string& name : reader.Names()) {
    if (!reader.ReadFile(name, entry)) __builtin_trap();
    kq::Bitmap image;
    kq::LoadImage(reader, image, name);
  }
  return 0;
}
