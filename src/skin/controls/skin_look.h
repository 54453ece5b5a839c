// TSkinLook: what the skinners read of a skin component (TSkinData, skin/engine/skin_data.h,
// derives from it): the skin model, the brush, glyphs and icon made from it, and the settings
// that say what is skinned. Form skinners and control skinners are handed this part only; the
// component's life (loading, the stored skin, switching skinning on and off through the skin
// manager) stays with TSkinData.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/core/skin_options.h"
#include "skin/data/skin_model.h"
#include "ui/graphics.h"
#include "ui/handles.h"

class TComponent;
class TControl;
class TImageList;

using TSkinControls = kq::skin::TSkinControls;
using TSkinOptions = kq::skin::TSkinOptions;

class TSkinLook : public kq::TSkinModel {
 public:
  // ---- settings (published by TSkinData) ----
  // A component whose Tag mod 100 equals this is left unskinned.
  int DisableTag = 99;
  TSkinControls SkinControls = kq::skin::kDefaultSkinControls;
  TSkinOptions Options;
  // Class name to skin kind rows for controls of other libraries ("TRzButton=button").
  const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
  void SetSkin3rd(const std::vector<std::string>& rows) { skin3rd_ = rows; }
  TSkinFormType SkinFormtype = sfMainform;
  bool MenuUpdate = true;
  bool MenuMerge = false;

  // ---- what the painters share ----
  // Solid brush of ButtonFaceColour, made again after every successful load.
  HBRUSH FaceBrush() const { return face_brush_.get(); }
  // 16 x 16 menu glyphs (restore, maximise, minimise, close, ...) on white, for skinned menus.
  TImageList* MenuGlyphs() const { return menu_glyphs_.get(); }
  // Drawn in the caption of a window that has no icon of its own; empty until a painter fills it.
  TBitmap& DefaultIcon() { return default_icon_; }
  // The form skinner paints frames only while this is on (it clears it during its own repaints).
  bool NCPaintEnabled = true;

  // The program's own skinner for `control` (the component's OnSkinControl event), or nullptr.
  virtual TComponent* ProgramSkinner(TComponent* sender, TControl* form, TControl* control,
                                     const std::string& controlClass);

 protected:
  TSkinLook();
  virtual ~TSkinLook();

  std::vector<std::string> skin3rd_;
  kq::ui::GdiHandle<HBRUSH> face_brush_;
  std::unique_ptr<TImageList> menu_glyphs_;
  TBitmap default_icon_;
};

// Draws wide text with DrawTextW (every platform this program runs on has it); returns the
// text height as DrawTextW does.
int SkinDrawText(HDC dc, const std::wstring& text, RECT& rect, UINT format);
