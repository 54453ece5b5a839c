#include "skin/controls/skin_checks.h"

#include <algorithm>
#include <optional>
#include <string>

#include "skin/controls/core/check_rules.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"

namespace {

// Sent by a button to itself while it draws its pushed look (BM_SETSTATE); a check box paints
// its native box then, so the skin must come back over it.
constexpr UINT kButtonSetState = BM_SETSTATE;
// The state-changed notification of other libraries' check boxes (CM_BASE + 0xD0).
constexpr UINT kCheckClicked = 0xB0D0;

bool HasDisabledStyle(HWND wnd) { return wnd && (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_DISABLED); }

}  // namespace

// ---- TSkinCheckBox -------------------------------------------------------------------------

const TClassInfo& TSkinCheckBox::StaticClass() {
  static const TClassInfo info("TSkinCheckBox", &TSkinControl::StaticClass());
  return info;
}

TSkinCheckBox::TSkinCheckBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinCheckBox::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case BM_SETCHECK:
    case kButtonSetState:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case kCheckClicked:
      InvalidateControl();
      return;
  }
  TSkinControl::AfterMessage(m);
}

const kq::Bitmap& TSkinCheckBox::Image() const { return SkinData->Buttons.CheckBitmap; }
int TSkinCheckBox::ImageFrames() const { return SkinData->Buttons.CheckButtonFrame; }

int TSkinCheckBox::StateFrame(int frameCount) const {
  kq::skin::CheckBoxState s;
  const LRESULT state = Handle ? SendMessageW(Handle, BM_GETSTATE, 0, 0) : 0;
  s.checked = state & BST_CHECKED;
  s.indeterminate = state & BST_INDETERMINATE;
  s.disabled = HasDisabledStyle(Handle);
  // The published "State" is read by its name, so both texts must live through the call.
  std::optional<std::wstring> stateProp, checkedProp;
  if (Control) {
    stateProp = GetPropText(Control, "State");
    if (!stateProp) checkedProp = GetPropText(Control, "Checked");
  }
  if (stateProp) s.stateProp = *stateProp;
  if (checkedProp) s.checkedProp = *checkedProp;
  return kq::skin::CheckBoxFrame(s, frameCount);
}

void TSkinCheckBox::FillColumn(HDC dc, const RECT& column) {
  HWND parent = Handle ? GetParent(Handle) : nullptr;
  if (!Control && parent) {
    // A bare window's parent is no program control with a Color: the column gets the brush
    // the parent gives the button for its own background, so it matches what is around it.
    const int saved = SaveDC(dc);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Handle)));
    RestoreDC(dc, saved);
    if (brush) {
      FillRect(dc, &column, brush);
      return;
    }
  }
  FillParentColor(dc, column);
}

void TSkinCheckBox::DrawSkin(HDC dc, const RECT& rect) {
  if (!SkinData) return;
  const kq::Bitmap& image = Image();
  if (image.Empty()) return;
  const int frames = std::max(ImageFrames(), 1);
  const int cellW = kq::skin::CellWidth(image.Width(), frames), cellH = image.Height();
  if (cellW <= 0) return;
  // Past the image's frames: its last frame (the nearest look it has), never foreign pixels.
  const int frame = kq::skin::FitFrame(StateFrame(frames), frames);
  last_frame_ = frame;

  const LONG_PTR style = Handle ? GetWindowLongPtrW(Handle, GWL_STYLE) : 0;
  const kq::skin::CheckCellPlace place =
      kq::skin::PlaceCheckCell(kq::Rect{rect.left, rect.top, rect.right, rect.bottom}, cellW, cellH,
                               (style & BS_LEFTTEXT) != 0, Radio());
  const RECT column{place.column.left, place.column.top, place.column.right, place.column.bottom};
  FillColumn(dc, column);

  kq::Bitmap cell(cellW, cellH);
  kq::CopyPixels(cell, 0, 0, image, kq::Rect{(frame - 1) * cellW, 0, frame * cellW, cellH});
  TBitmap piece;
  piece.Assign(cell);
  const kq::Rect& c = place.cell;
  TransparentBlt(dc, c.left, c.top, c.Width(), c.Height(), piece.MemoryDC(), 0, 0, cellW, cellH,
                 RGB(255, 0, 255));
}

// ---- TSkinRadioButton ----------------------------------------------------------------------

// Shares the check box's drawing; as a skinner kind it stands beside it, not below it.
const TClassInfo& TSkinRadioButton::StaticClass() {
  static const TClassInfo info("TSkinRadioButton", &TSkinControl::StaticClass());
  return info;
}

TSkinRadioButton::TSkinRadioButton(TComponent* owner) : TSkinCheckBox(owner) {}

const kq::Bitmap& TSkinRadioButton::Image() const { return SkinData->Buttons.RadioBitmap; }
int TSkinRadioButton::ImageFrames() const { return SkinData->Buttons.RadioButtonFrame; }

int TSkinRadioButton::StateFrame(int frameCount) const {
  const bool checked = Handle && (SendMessageW(Handle, BM_GETCHECK, 0, 0) & BST_CHECKED);
  std::optional<std::wstring> checkedProp;
  if (Control) checkedProp = GetPropText(Control, "Checked");
  std::optional<std::wstring_view> view;
  if (checkedProp) view = *checkedProp;
  return kq::skin::RadioButtonFrame(checked, view, HasDisabledStyle(Handle), frameCount);
}

// ---- TSkinObjImage -------------------------------------------------------------------------

const TClassInfo& TSkinObjImage::StaticClass() {
  static const TClassInfo info("TSkinObjImage", &TSkinControl::StaticClass());
  return info;
}

TSkinObjImage::TSkinObjImage(TComponent* owner) : TSkinControl(owner) {}

void TSkinObjImage::AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool,
                                    TCanvas* canvas) {
  if (Attached || !BindToOwner(formSkinner, skinData, canvas)) return;
  JoinFormSkinner();
  if (Mode == 1) HandOverStrip();
  Attached = true;
  Phase = 1;
}

void TSkinObjImage::HandOverStrip() {
  if (!SkinData || !Control) return;
  const kq::Bitmap strip =
      kq::skin::BuildCheckGlyphStrip(SkinData->Buttons.CheckBitmap, SkinData->Buttons.CheckButtonFrame);
  if (strip.Empty() || !HasProp(Control, "CustomGlyphs")) return;
  TBitmap glyphs;
  glyphs.Assign(strip);
  SetPropObject(Control, "CustomGlyphs", &glyphs);
  SetPropText(Control, "transparentcolor", std::to_wstring(0xFF00FF));
  // Off and on again: the control loads the new glyphs.
  SetPropText(Control, "UseCustomGlyphs", L"false");
  SetPropText(Control, "UseCustomGlyphs", L"true");
}

void TSkinObjImage::Detach() {
  if (Control) SetPropText(Control, "UseCustomGlyphs", L"false");
}

void TSkinObjImage::SkinChanged() {
  if (Mode == 1) HandOverStrip();
}
