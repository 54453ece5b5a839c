#include "ui/imglist.h"

using namespace kq::ui;

const TClassInfo& TImageList::StaticClass() {
  // The runtime's chain: TImageList -> TDragImageList -> TCustomImageList -> TComponent.
  static const TClassInfo custom("TCustomImageList", &TComponent::StaticClass());
  static const TClassInfo drag("TDragImageList", &custom);
  static const TClassInfo info("TImageList", &drag,
                               {props::Int<TImageList, int>("Width", &TImageList::Width, &TImageList::SetWidth),
                                props::Int<TImageList, int>("Height", &TImageList::Height, &TImageList::SetHeight)});
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() {
  Destroying();
  ImageListDestroyCounted(handle_);
}

HIMAGELIST TImageList::Handle() const {
  if (!handle_) handle_ = ImageListCreateCounted(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
  return handle_;
}

void TImageList::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Clear();
}

void TImageList::Clear() {
  ImageListDestroyCounted(handle_);
  handle_ = nullptr;
}

int TImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

int TImageList::Add(TBitmap& image, TBitmap* mask) {
  if (image.Empty()) return -1;
  HBITMAP mono = nullptr;
  if (mask && !mask->Empty()) {
    // The list wants a monochrome mask: white = transparent.
    mono = CreateBitmapCounted(mask->Width(), mask->Height(), 1, 1, nullptr);
    HDC dc = CreateCompatibleDCCounted(nullptr);
    HGDIOBJ old = SelectObject(dc, mono);
    BitBlt(dc, 0, 0, mask->Width(), mask->Height(), mask->MemoryDC(), 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDCCounted(dc);
  }
  image.Dormant();
  const int i = ImageList_Add(Handle(), image.Handle(), mono);
  if (mono) DeleteObjectCounted(mono);
  return i;
}

int TImageList::AddMasked(TBitmap& image, TColor transparent) {
  if (image.Empty()) return -1;
  // The list blackens the masked pixels of what it is given: give it a copy.
  TBitmap copy;
  copy.Assign(image);
  copy.Dormant();
  return ImageList_AddMasked(Handle(), copy.Handle(), ColorToRGB(transparent));
}

int TImageList::AddIcon(const TIcon& icon) {
  if (icon.Empty()) return -1;
  return ImageList_AddIcon(Handle(), icon.Handle());
}

void TImageList::Delete(int index) {
  if (handle_ && index >= 0 && index < Count()) ImageList_Remove(handle_, index);
}

bool TImageList::GetIcon(int index, TIcon& icon) const {
  if (!handle_ || index < 0 || index >= Count()) return false;
  HICON h = ImageListGetIconCounted(handle_, index, ILD_TRANSPARENT);
  if (!h) return false;
  icon.SetHandle(h);
  return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (!handle_ || index < 0 || index >= Count() || !canvas.Handle()) return;
  if (enabled) {
    ImageList_Draw(handle_, index, canvas.Handle(), x, y, ILD_TRANSPARENT);
    return;
  }
  HICON h = ImageListGetIconCounted(handle_, index, ILD_TRANSPARENT);
  DrawStateW(canvas.Handle(), nullptr, nullptr, reinterpret_cast<LPARAM>(h), 0, x, y, width_, height_,
             DST_ICON | DSS_DISABLED);
  DestroyIconCounted(h);
}
