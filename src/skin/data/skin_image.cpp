#include "skin/data/skin_image.h"

#include "skin/data/bmp.h"

namespace kq {

std::string_view ImageFileName(std::string_view reference) {
  const std::size_t cut = reference.find_last_of("\\:");
  return cut == std::string_view::npos ? reference : reference.substr(cut + 1);
}

int ImageEntry(const TSkinReader& reader, std::string_view reference) {
  const std::string_view name = ImageFileName(reference);
  const std::size_t dot = name.rfind('.');
  if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") return -1;
  return reader.IndexOf(name);
}

bool LoadImage(const TSkinReader& reader, Bitmap& bitmap, std::string_view reference) {
  bitmap = Bitmap();
  const int entry = ImageEntry(reader, reference);
  if (entry < 0) return false;
  const std::span<const std::uint8_t> bytes = reader.Entry(entry);
  return !bytes.empty() && ReadBmp(bytes, bitmap);
}

TSkinImages::TSkinImages(const TSkinReader& reader, TLoadBudget& budget)
    : reader_(reader), budget_(budget), decoded_(static_cast<std::size_t>(reader.Count())) {}

bool TSkinImages::Load(Bitmap& bitmap, std::string_view reference) {
  bitmap = Bitmap();
  if (budget_.Broken()) return false;
  const int entry = ImageEntry(reader_, reference);
  if (entry < 0) return false;
  std::optional<Bitmap>& slot = decoded_[static_cast<std::size_t>(entry)];
  if (!slot) {
    slot.emplace();
    const std::span<const std::uint8_t> bytes = reader_.Entry(entry);
    int w = 0, h = 0;
    if (!bytes.empty() && ReadBmpSize(bytes, w, h)) {
      budget_.CountDecode();
      if (budget_.ChargePicture(w, h) && ReadBmp(bytes, *slot)) slot->Share();
    }
  }
  if (slot->Empty()) return false;
  bitmap = *slot;
  return true;
}

}  // namespace kq
