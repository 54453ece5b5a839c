// TImageList: equal-sized images with masks (a comctl32 image list).
//
//   TImageList* icons = new TImageList(this);
//   icons->SetSize(32, 32);
//   icons->AddMasked(bitmap, clFuchsia);   // magenta pixels become transparent
//   icons->GetIcon(2, trayIcon);            // image 2 as an icon
//   icons->Draw(canvas, x, y, 2, false);    // drawn in the disabled (embossed) look
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/component.h"
#include "ui/graphics.h"

class TImageList : public TComponent {
  KQ_DECLARE_CLASS(TImageList)

 public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size clears the list.
  void SetSize(int width, int height);
  void SetWidth(int v) { SetSize(v, height_); }
  void SetHeight(int v) { SetSize(width_, v); }
  int Count() const;

  // Each returns the new image's index, or -1. Wider pictures add several images.
  int Add(TBitmap& image, TBitmap* mask);
  int AddMasked(TBitmap& image, TColor transparent);
  int AddIcon(const TIcon& icon);
  void Delete(int index);
  void Clear();

  // Image `index` as an icon (replaces what `icon` held); false for a bad index.
  bool GetIcon(int index, TIcon& icon) const;
  // Image `index` drawn transparently; disabled: the embossed look of disabled controls.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

  HIMAGELIST Handle() const;

 private:
  int width_ = 16, height_ = 16;
  mutable HIMAGELIST handle_ = nullptr;
};
