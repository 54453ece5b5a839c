// The one picture type of the program: 24 bits per pixel, bytes in B, G, R order, rows
// top-down, an explicit stride (rows padded to 4 bytes, as a DIB's are). The pixels either
// belong to the Bitmap or live in memory someone else owns (a DIB section on Windows), so
// the same operations draw into both.
//
// A picture can also be shared (Share): its copies then read the same pixels instead of
// copying them, and a copy that is written to takes its own pixels first. A skin load
// shares each decoded image this way among every object that names it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kq {

// A colour as Windows writes it: red + 256 * green + 65536 * blue.
using Color = std::uint32_t;
constexpr Color MakeColor(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int ColorR(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int ColorG(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ColorB(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
// Magenta: the transparent colour of every skin image.
constexpr Color kTransparentKey = MakeColor(255, 0, 255);

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  // Inverted or empty rectangles cover no pixel.
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height) { Resize(width, height); }
  // A view on memory owned elsewhere (a DIB section); the memory must outlive the view.
  static Bitmap View(std::uint8_t* pixels, int width, int height, int stride) {
    Bitmap b;
    b.width_ = width;
    b.height_ = height;
    b.stride_ = stride;
    b.pixels_ = pixels;
    return b;
  }

  Bitmap(const Bitmap& o) { *this = o; }
  Bitmap& operator=(const Bitmap& o) {
    if (this == &o) return *this;
    if (o.shared_) {
      std::vector<std::uint8_t>().swap(own_);
      shared_ = o.shared_;
      width_ = o.width_;
      height_ = o.height_;
      stride_ = o.stride_;
      pixels_ = o.pixels_;
      return *this;
    }
    Resize(o.width_, o.height_);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_ * 3; ++x) Row(y)[x] = o.Row(y)[x];
    return *this;
  }
  Bitmap(Bitmap&& o) noexcept { *this = static_cast<Bitmap&&>(o); }
  Bitmap& operator=(Bitmap&& o) noexcept {
    if (this == &o) return *this;
    const bool owned = !o.own_.empty() || o.pixels_ == nullptr;
    width_ = o.width_;
    height_ = o.height_;
    stride_ = o.stride_;
    own_.swap(o.own_);
    shared_ = static_cast<std::shared_ptr<std::vector<std::uint8_t>>&&>(o.shared_);
    pixels_ = shared_ ? o.pixels_ : owned ? own_.data() : o.pixels_;
    o.own_.clear();
    o.shared_.reset();
    o.pixels_ = nullptr;
    o.width_ = o.height_ = o.stride_ = 0;
    return *this;
  }

  // From now on copies of this picture read its pixels instead of copying them. Writing
  // through any of them (every non-const access) first gives that one its own pixels.
  void Share() {
    if (shared_ || Empty()) return;
    if (own_.empty()) {
      own_.assign(pixels_, pixels_ + static_cast<std::size_t>(stride_) * height_);
    }
    shared_ = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::vector<std::uint8_t>&&>(own_));
    own_.clear();
    pixels_ = shared_->data();
  }
  // Whether the pixels are shared with other copies (or could be: a shared picture stays
  // shared until it is written).
  bool IsShared() const { return shared_ != nullptr; }

  // Makes an owned picture of the given size, filled with black.
  void Resize(int width, int height) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    stride_ = (width_ * 3 + 3) & ~3;
    shared_.reset();
    own_.assign(static_cast<std::size_t>(stride_) * height_, 0);
    pixels_ = own_.data();
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return stride_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  Rect Bounds() const { return Rect{0, 0, width_, height_}; }
  std::uint8_t* Row(int y) {
    Unshare();
    return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_;
  }
  const std::uint8_t* Row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  std::uint8_t* Data() {
    Unshare();
    return pixels_;
  }
  const std::uint8_t* Data() const { return pixels_; }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Reads outside the picture give 0 (black); writes outside it are dropped.
  Color Pixel(int x, int y) const {
    if (!Contains(x, y)) return 0;
    const std::uint8_t* p = Row(y) + x * 3;
    return MakeColor(p[2], p[1], p[0]);
  }
  void SetPixel(int x, int y, Color c) {
    if (!Contains(x, y)) return;
    Unshare();
    std::uint8_t* p = pixels_ + static_cast<std::ptrdiff_t>(y) * stride_ + x * 3;
    p[0] = static_cast<std::uint8_t>(ColorB(c));
    p[1] = static_cast<std::uint8_t>(ColorG(c));
    p[2] = static_cast<std::uint8_t>(ColorR(c));
  }
  void Fill(Color c) {
    Unshare();
    const auto b = static_cast<std::uint8_t>(ColorB(c)), g = static_cast<std::uint8_t>(ColorG(c)),
               r = static_cast<std::uint8_t>(ColorR(c));
    for (int y = 0; y < height_; ++y) {
      std::uint8_t* p = pixels_ + static_cast<std::ptrdiff_t>(y) * stride_;
      for (int x = 0; x < width_; ++x, p += 3) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
      }
    }
  }

 private:
  // Before a write: a shared picture takes its own copy of the pixels (or simply keeps
  // them when no other copy reads them any more).
  void Unshare() {
    if (!shared_) return;
    if (shared_.use_count() == 1) {
      own_.swap(*shared_);
    } else {
      own_ = *shared_;
    }
    shared_.reset();
    pixels_ = own_.data();
  }

  int width_ = 0, height_ = 0, stride_ = 0;
  std::uint8_t* pixels_ = nullptr;
  std::vector<std::uint8_t> own_;
  std::shared_ptr<std::vector<std::uint8_t>> shared_;
};

}  // namespace kq
