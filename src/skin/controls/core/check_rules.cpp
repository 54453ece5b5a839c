#include "skin/controls/core/check_rules.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "skin/draw/blit.h"

namespace kq::skin {

namespace {

std::wstring Lower(std::wstring_view s) {
  std::wstring out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return out;
}

bool ReadsTrue(std::wstring_view text) { return Lower(text) == L"true"; }

}  // namespace

int CheckBoxFrame(const CheckBoxState& s, int frameCount) {
  int c = s.checked ? 2 : 1;
  if (s.stateProp) {
    const std::wstring state = Lower(*s.stateProp);
    if (state.find(L"uncheck") != std::wstring::npos)
      c = 1;
    else if (state.find(L"check") != std::wstring::npos)
      c = 2;
    else if (state.find(L"gray") != std::wstring::npos)
      c = 4;
  } else if (s.checkedProp) {
    c = ReadsTrue(*s.checkedProp) ? 2 : 1;
  }
  int d = s.indeterminate ? 4 : s.disabled ? c + 2 : c;
  if (frameCount == 12) {
    if (s.indeterminate) return s.disabled ? 12 : 9;
    if (d == 2) d = 5;
    else if (d == 3) d = 4;
    else if (d == 4) d = 8;
  }
  return d;
}

int RadioButtonFrame(bool checked, std::optional<std::wstring_view> checkedProp, bool disabled,
                     int frameCount) {
  int c = checked ? 2 : 1;
  if (checkedProp) c = ReadsTrue(*checkedProp) ? 2 : 1;
  int d = disabled ? c + 2 : c;
  if (frameCount == 8) {
    if (d == 2) d = 5;
    else if (d == 3) d = 4;
    else if (d == 4) d = 8;
  }
  return d;
}

int FitFrame(int frame, int frameCount) {
  const int count = std::max(frameCount, 1);
  return std::clamp(frame, 1, count);
}

int CellWidth(int imageWidth, int frameCount) { return imageWidth / std::max(frameCount, 1); }

CheckCellPlace PlaceCheckCell(const Rect& window, int cellWidth, int cellHeight, bool boxRight,
                              bool radio) {
  CheckCellPlace p;
  const int top = window.top + (window.Height() - cellHeight) / 2;
  int left;
  if (boxRight) {
    const int narrowerThan = radio ? 15 : 16;
    const int right = cellWidth < narrowerThan ? window.right - (15 - cellWidth) / 2 : window.right - 1;
    left = right - cellWidth;
    p.column = Rect{window.right - 18, window.top, window.right, window.bottom};
  } else {
    if (radio)
      left = cellWidth < 15 ? window.left + (14 - cellWidth) / 2 : window.left;
    else
      left = cellWidth < 15 ? window.left + 1 + (14 - cellWidth) / 2 : window.left + 2;
    p.column = Rect{window.left, window.top, window.left + 16, window.bottom};
  }
  p.cell = Rect{left, top, left + cellWidth, top + cellHeight};
  return p;
}

Bitmap BuildCheckGlyphStrip(const Bitmap& checkImage, int frameCount) {
  const int cell = CellWidth(checkImage.Width(), frameCount);
  const int h = checkImage.Height();
  if (cell <= 0 || h <= 0) return {};
  const int sources = std::max(frameCount, 1);
  Bitmap strip(cell * 9, h);
  strip.Fill(kTransparentKey);
  // target cell -> source cell
  struct Pick {
    int target, source;
  };
  static constexpr Pick kPicks[] = {{0, 0}, {3, 0}, {1, 1}, {4, 1}, {6, 2}, {7, 3}};
  static constexpr Pick kFifth[] = {{2, 4}, {5, 4}, {8, 4}};
  auto copy = [&](const Pick& p) {
    if (p.source >= sources) return;
    CopyPixels(strip, p.target * cell, 0, checkImage, Rect{p.source * cell, 0, (p.source + 1) * cell, h});
  };
  for (const Pick& p : kPicks) copy(p);
  if (frameCount == 5)
    for (const Pick& p : kFifth) copy(p);
  return strip;
}

}  // namespace kq::skin
