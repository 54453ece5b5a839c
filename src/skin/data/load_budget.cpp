#include "skin/data/load_budget.h"

namespace kq {

namespace {

// "64 MiB" for whole mebibytes, else the bytes.
std::string SizeText(std::int64_t bytes) {
  constexpr std::int64_t kMiB = 1024 * 1024;
  if (bytes > 0 && bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
  return std::to_string(bytes) + " bytes";
}

}  // namespace

std::int64_t TLoadBudget::PictureBytes(int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  const std::int64_t stride = (static_cast<std::int64_t>(width) * 3 + 3) & ~std::int64_t{3};
  return stride * height;
}

bool TLoadBudget::ChargePicture(int width, int height) {
  if (Broken()) return false;
  const std::int64_t bytes = PictureBytes(width, height);
  if (bytes > limits_.bitmapBytes - bitmap_bytes_) {
    Break(BitmapText());
    return false;
  }
  bitmap_bytes_ += bytes;
  return true;
}

void TLoadBudget::Break(std::string what) {
  if (!Broken()) what_ = what.empty() ? std::string("over budget") : std::move(what);
}

std::string TLoadBudget::UnpackedText() const {
  return "unpacked archive over " + SizeText(limits_.unpackedBytes);
}
std::string TLoadBudget::EntriesText() const {
  return "more than " + std::to_string(limits_.entries) + " archive entries";
}
std::string TLoadBudget::TextLinesText() const {
  return "definition text over " + std::to_string(limits_.textLines) + " lines";
}
std::string TLoadBudget::BitmapText() const {
  return "decoded bitmaps over " + SizeText(limits_.bitmapBytes);
}

}  // namespace kq
