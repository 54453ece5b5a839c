// Where a notice goes: its centre on the main window's centre (also when the main window is
// hidden in the notification area: its last position counts).
#pragma once

namespace kq {

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// left = main left + trunc(main width / 2) - trunc(width / 2), the same for top.
constexpr Point CentreOver(int main_left, int main_top, int main_width, int main_height,
                           int width, int height) {
  return {main_left + main_width / 2 - width / 2, main_top + main_height / 2 - height / 2};
}

}  // namespace kq
