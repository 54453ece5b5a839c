// Counted GDI and USER handles.
//
// Every GDI object (font, brush, pen, bitmap, region, device context, image list) and every
// USER object (window, menu, icon) the form layer makes is created and released through the
// functions below, which keep a count of live handles. Wine's GetGuiResources always answers
// 0, so these counts are how tests find leaks: create and free something many times and the
// counts must come back to where they were.
//
// Ownership: GdiHandle<T> owns one GDI object and deletes it; windows are destroyed by their
// owners (a TWinControl, the application) and reported with UserReleased() on WM_NCDESTROY.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace kq::ui {

long LiveGdiHandles();
long LiveUserHandles();

// Book-keeping for handles made or released by other means (system-destroyed windows, ...).
void GdiCreated(const void* h);
void GdiReleased(const void* h);
void UserCreated(const void* h);
void UserReleased(const void* h);

// GDI objects.
HFONT CreateFontCounted(const LOGFONTW& lf);
HBRUSH CreateSolidBrushCounted(COLORREF c);
HPEN CreatePenCounted(int style, int width, COLORREF c);
HDC CreateCompatibleDCCounted(HDC dc);
HBITMAP CreateDIBSectionCounted(HDC dc, const BITMAPINFO* bi, void** bits);
HBITMAP CreateCompatibleBitmapCounted(HDC dc, int w, int h);
HBITMAP CreateBitmapCounted(int w, int h, UINT planes, UINT bpp, const void* bits);
HRGN CreateRectRgnCounted(int l, int t, int r, int b);
HDC GetDCCounted(HWND wnd);
void ReleaseDCCounted(HWND wnd, HDC dc);
void DeleteObjectCounted(HGDIOBJ obj);
void DeleteDCCounted(HDC dc);
HIMAGELIST ImageListCreateCounted(int cx, int cy, UINT flags, int initial, int grow);
void ImageListDestroyCounted(HIMAGELIST il);

// USER objects.
HMENU CreateMenuCounted();
HMENU CreatePopupMenuCounted();
void DestroyMenuCounted(HMENU m);  // the menu must hold no submenus any more
HICON CopyIconCounted(HICON icon);
HICON ImageListGetIconCounted(HIMAGELIST il, int i, UINT flags);
HICON LoadIconCounted(HINSTANCE inst, LPCWSTR name, int cx, int cy);
void DestroyIconCounted(HICON icon);
HWND CreateWindowCounted(DWORD exStyle, LPCWSTR cls, LPCWSTR text, DWORD style, int x, int y,
                         int w, int h, HWND parent, HMENU menu, HINSTANCE inst, void* param);

// Owns one GDI object; deletes it (counted) when reset or destroyed.
template <class T>
class GdiHandle {
 public:
  GdiHandle() = default;
  explicit GdiHandle(T h) : h_(h) {}
  GdiHandle(const GdiHandle&) = delete;
  GdiHandle& operator=(const GdiHandle&) = delete;
  GdiHandle(GdiHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  GdiHandle& operator=(GdiHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  ~GdiHandle() { reset(); }
  T get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(T h = nullptr) {
    if (h_) DeleteObjectCounted(h_);
    h_ = h;
  }

 private:
  T h_ = nullptr;
};

}  // namespace kq::ui
