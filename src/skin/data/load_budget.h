// What one skin load may spend. A skin file may come from anywhere, so every length and
// count in it is hostile: one budget goes through the whole load (the unpacked archive, its
// name table, the definition text, every picture made from it), and as soon as a part is
// spent the load is refused like a malformed skin.
//
// Whoever makes a picture for the model during a load charges it first: the decoder of
// skin images (TSkinImages), the model build for the pictures it derives (cut strips,
// mirror images, the combo composites), and any later step of the same load that makes
// scaled copies. Charge before allocating, and leave the picture out when the charge fails.
#pragma once

#include <cstdint>
#include <string>

namespace kq {

struct TLoadLimits {
  std::int64_t unpackedBytes = 64 * 1024 * 1024;  // the archive as the decoder produces it
  int entries = 1001;                             // names in the archive's name table
  int textLines = 65536;                          // kept lines of the definition text
  std::int64_t bitmapBytes = 64 * 1024 * 1024;    // pixels of every picture a load makes
};

class TLoadBudget {
 public:
  explicit TLoadBudget(TLoadLimits limits = {}) : limits_(limits) {}

  const TLoadLimits& Limits() const { return limits_; }

  // Bytes a Bitmap of this size holds (24-bit rows padded to 4 bytes).
  static std::int64_t PictureBytes(int width, int height);
  // Takes the pixels of a picture about to be made. When they do not fit in what is left,
  // or the budget is already broken, nothing is taken, the budget breaks and the answer is
  // false: do not make the picture.
  bool ChargePicture(int width, int height);
  std::int64_t BitmapBytes() const { return bitmap_bytes_; }

  // Image entries decoded so far (attempts, successful or not).
  void CountDecode() { ++decodes_; }
  int Decodes() const { return decodes_; }

  // Marks the load as over budget. The first breach is the one kept.
  void Break(std::string what);
  bool Broken() const { return !what_.empty(); }
  // Which part was spent, for the user: "more than 1001 archive entries" and so on.
  const std::string& What() const { return what_; }

  // The texts of the four breaches.
  std::string UnpackedText() const;
  std::string EntriesText() const;
  std::string TextLinesText() const;
  std::string BitmapText() const;

 private:
  TLoadLimits limits_;
  std::int64_t bitmap_bytes_ = 0;
  int decodes_ = 0;
  std::string what_;
};

}  // namespace kq
