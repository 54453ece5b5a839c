// The skinners of tabbed controls:
//
//   TSkinTab    tab controls and page controls (attached by window): the tabs from the
//               skin's "Tabs" image (five frames: 1 normal, 2 selected, 3 disabled, 4 hot or
//               focused), the page body from its "Border" image, both turned for the side the
//               tabs are on; the rest of the control in its parent's colour. The scroll
//               arrows of tabs that do not fit (an "msctls_updown32" child) get a TSkinUpDown.
//   TSkinTab31  tab sets: the same images, the tabs hanging from the bottom of the page above.
//
// Both draw the whole control instead of it, composed off-screen and put on the screen in one
// blit. A skin without a "Tabs" image leaves the controls to paint themselves.
#pragma once

#include <vector>

#include "base/bitmap.h"
#include "skin/controls/skin_control.h"
#include "skin/draw/frame.h"

class TSkinUpDown;

// Two working copies of the "Tabs" images, turned for one side.
struct TTabImages {
  kq::Bitmap Tabs, Border;
  kq::Margins TabMargins, BorderMargins;
  int FrameCount = 5;
  bool Keyed = false;
  bool Empty() const { return Tabs.Empty(); }
  // Copies the skin's images and turns them for `orientation` (0 top, 1 bottom, 2 left,
  // 3 right); empty when the skin has no tab image.
  void Read(const TSkinLook* skin, int orientation);
};

class TSkinTab : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinTab)

 public:
  explicit TSkinTab(TComponent* owner);
  ~TSkinTab() override;

  void AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner, TCanvas* canvas) override;
  bool BeforeMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  // 0 top, 1 bottom, 2 left, 3 right, from the window style.
  int Orientation = 0;
  // The working images (turned for Orientation).
  const TTabImages& Images() const { return images_; }
  // The skinner of the scroll arrows, once the control has them.
  TSkinUpDown* UpDown() const { return updown_; }
  // The tab under the mouse, -1 for none.
  int HotItem = -1;
  // What the last paint drew: each tab's frame and the page body.
  std::vector<int> LastFrames;
  RECT LastBody{};

 protected:
  void Notification(TComponent* component, TOperation op) override;

 private:
  void FindUpDown();
  int ItemAt(POINT client) const;
  TColor BackgroundColour() const;
  void DrawTab(kq::Bitmap& px, TBitmap& picture, const RECT& item, bool selected, int frame, bool focusCue,
               const std::wstring& text, int image, HIMAGELIST list, HFONT font);

  TTabImages images_;
  TBitmap scratch_;  // the composed control, kept between paints
  TSkinUpDown* updown_ = nullptr;
  bool tracking_ = false;
};

class TSkinTab31 : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinTab31)

 public:
  explicit TSkinTab31(TComponent* owner);

  void AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                       TCanvas* canvas) override;
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  // The working images (those of tabs at the bottom of a page).
  const TTabImages& Images() const { return images_; }
  int HotItem = -1;
  std::vector<int> LastFrames;

 private:
  TTabImages images_;
  bool painting_ = false;  // inside the paint this skinner began
};
