#include "ui/handles.h"

#include <atomic>

namespace kq::ui {

namespace {
// The two counters tests read; the only process-wide state of this unit.
std::atomic<long> gdi_live{0};
std::atomic<long> user_live{0};

template <class H>
H Gdi(H h) {
  if (h) ++gdi_live;
  return h;
}
template <class H>
H User(H h) {
  if (h) ++user_live;
  return h;
}
}  // namespace

long LiveGdiHandles() { return gdi_live.load(); }
long LiveUserHandles() { return user_live.load(); }

void GdiCreated(const void* h) {
  if (h) ++gdi_live;
}
void GdiReleased(const void* h) {
  if (h) --gdi_live;
}
void UserCreated(const void* h) {
  if (h) ++user_live;
}
void UserReleased(const void* h) {
  if (h) --user_live;
}

HFONT CreateFontCounted(const LOGFONTW& lf) { return Gdi(CreateFontIndirectW(&lf)); }
HBRUSH CreateSolidBrushCounted(COLORREF c) { return Gdi(CreateSolidBrush(c)); }
HPEN CreatePenCounted(int style, int width, COLORREF c) { return Gdi(CreatePen(style, width, c)); }
HDC CreateCompatibleDCCounted(HDC dc) { return Gdi(CreateCompatibleDC(dc)); }
HBITMAP CreateDIBSectionCounted(HDC dc, const BITMAPINFO* bi, void** bits) {
  return Gdi(CreateDIBSection(dc, bi, DIB_RGB_COLORS, bits, nullptr, 0));
}
HBITMAP CreateCompatibleBitmapCounted(HDC dc, int w, int h) {
  return Gdi(CreateCompatibleBitmap(dc, w, h));
}
HBITMAP CreateBitmapCounted(int w, int h, UINT planes, UINT bpp, const void* bits) {
  return Gdi(CreateBitmap(w, h, planes, bpp, bits));
}
HRGN CreateRectRgnCounted(int l, int t, int r, int b) { return Gdi(CreateRectRgn(l, t, r, b)); }
HDC GetDCCounted(HWND wnd) { return Gdi(GetDC(wnd)); }
void ReleaseDCCounted(HWND wnd, HDC dc) {
  if (dc && ReleaseDC(wnd, dc)) --gdi_live;
}
void DeleteObjectCounted(HGDIOBJ obj) {
  if (obj && DeleteObject(obj)) --gdi_live;
}
void DeleteDCCounted(HDC dc) {
  if (dc && DeleteDC(dc)) --gdi_live;
}
HIMAGELIST ImageListCreateCounted(int cx, int cy, UINT flags, int initial, int grow) {
  return Gdi(ImageList_Create(cx, cy, flags, initial, grow));
}
void ImageListDestroyCounted(HIMAGELIST il) {
  if (il && ImageList_Destroy(il)) --gdi_live;
}

HMENU CreateMenuCounted() { return User(CreateMenu()); }
HMENU CreatePopupMenuCounted() { return User(CreatePopupMenu()); }
void DestroyMenuCounted(HMENU m) {
  if (m && DestroyMenu(m)) --user_live;
}
HICON CopyIconCounted(HICON icon) { return icon ? User(CopyIcon(icon)) : nullptr; }
HICON ImageListGetIconCounted(HIMAGELIST il, int i, UINT flags) {
  return User(ImageList_GetIcon(il, i, flags));
}
HICON LoadIconCounted(HINSTANCE inst, LPCWSTR name, int cx, int cy) {
  // LR_SHARED icons belong to the system and must not be destroyed: load private copies.
  return User(static_cast<HICON>(LoadImageW(inst, name, IMAGE_ICON, cx, cy, 0)));
}
void DestroyIconCounted(HICON icon) {
  if (icon && DestroyIcon(icon)) --user_live;
}
HWND CreateWindowCounted(DWORD exStyle, LPCWSTR cls, LPCWSTR text, DWORD style, int x, int y,
                         int w, int h, HWND parent, HMENU menu, HINSTANCE inst, void* param) {
  return User(CreateWindowExW(exStyle, cls, text, style, x, y, w, h, parent, menu, inst, param));
}

}  // namespace kq::ui
