// The check box, radio button and glyph-strip skinners on real windows, pixels read back.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "skin/controls/skin_checks.h"
#include "skin/form/control_discovery.h"
#include "ui/extctrls.h"
#include "ui/handles.h"
#include "ui/skin_messages.h"
#include "win/skin_controls2/cells.h"
#include "win/ui/ui_test_util.h"

using namespace skintest;
using namespace uitest;

namespace {

constexpr COLORREF kFormColour = RGB(0xC8, 0xDC, 0xF0);

// A check box of another library that takes its glyphs as a nine-cell strip.
class TRzDBCheckBox : public TCheckBox {
  KQ_DECLARE_CLASS(TRzDBCheckBox)

 public:
  explicit TRzDBCheckBox(TComponent* owner) : TCheckBox(owner) {}
  TBitmap* GetGlyphs() const { return const_cast<TBitmap*>(&glyphs_); }
  void SetGlyphs(TBitmap* b) {
    if (b) glyphs_.Assign(*b);
    else glyphs_.SetSize(0, 0);
  }
  std::wstring GetTransparent() const { return transparent_; }
  void SetTransparent(const std::wstring& v) { transparent_ = v; }
  bool GetUseCustom() const { return use_custom_; }
  void SetUseCustom(bool v) {
    if (v && !use_custom_) ++reloads;
    use_custom_ = v;
  }
  int reloads = 0;

 private:
  TBitmap glyphs_;
  std::wstring transparent_;
  bool use_custom_ = false;
};

const TClassInfo& TRzDBCheckBox::StaticClass() {
  // Not a TCustomCheckBox as far as the rules know: only its own class name picks its row.
  static const TClassInfo info(
      "TRzDBCheckBox", &TWinControl::StaticClass(),
      {props::Object<TRzDBCheckBox, TBitmap>("CustomGlyphs", &TRzDBCheckBox::GetGlyphs, &TRzDBCheckBox::SetGlyphs),
       props::Text<TRzDBCheckBox>("transparentcolor", &TRzDBCheckBox::GetTransparent,
                                  &TRzDBCheckBox::SetTransparent),
       props::Bool<TRzDBCheckBox>("UseCustomGlyphs", &TRzDBCheckBox::GetUseCustom, &TRzDBCheckBox::SetUseCustom)});
  return info;
}

class CheckSkinnerTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    MoveMouse(5, 5);
    form = app->CreateForm<TForm>();
    form->SetBounds(120, 120, 420, 300);
    form->SetCaption(L"复选");
    AddFocusHolder(form);
    s = AttachTestSkinner(form);
    // The form takes the skin's face colour; the controls sit on a panel of a colour of its
    // own, so that what the skinners fill with the parent's colour can be told apart.
    host = new TPanel(form);
    host->SetParent(form);
    host->SetBounds(0, 0, 420, 190);
    host->SetBevelOuter(bvNone);
    host->SetCaption(L"");
    host->SetColor(kFormColour);
    SetCheckImage(*s.skin, 4);
    SetRadioImage(*s.skin, 4);
  }

  template <class C>
  C* Add(int x, int y, const wchar_t* caption, int w = 150, int h = 21) {
    auto* c = new C(form);
    c->SetParent(host);
    c->SetBounds(x, y, w, h);
    c->SetCaption(caption);
    return c;
  }
  template <class S>
  S* Skin(TControl* c) {
    auto* skinner = new S(c);
    skinner->AttachToControl(s.skinner, s.skin, false, &s.skinner->ControlCanvas());
    return skinner;
  }
  void ShowAndSettle() {
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpFor(120);
  }

  TForm* form = nullptr;
  TPanel* host = nullptr;
  SkinnedForm s;
};

// The frame shown in a 13-pixel cell whose top-left corner is at (x, y) of the window.
int CellAt(HWND wnd, int x, int y) {
  UpdateWindow(wnd);
  return FrameOfCellColour(PixelOf(wnd, x + 6, y + 6));
}
// The cell of a box-on-the-left control of height 21: (1, 4).
int LeftCell(HWND wnd) { return CellAt(wnd, 1, 4); }

}  // namespace

TEST_F(CheckSkinnerTest, CheckBoxStatesOfAFourFrameImage) {
  auto* plain = Add<TCheckBox>(20, 20, L"每天");
  auto* checked = Add<TCheckBox>(20, 50, L"开机时自动运行本程序");
  checked->SetChecked(true);
  auto* disabledChecked = Add<TCheckBox>(20, 80, L"禁用");
  disabledChecked->SetChecked(true);
  disabledChecked->SetEnabled(false);
  auto* disabled = Add<TCheckBox>(20, 110, L"禁用空");
  disabled->SetEnabled(false);
  auto* grayed = Add<TCheckBox>(20, 140, L"灰");
  grayed->SetAllowGrayed(true);
  grayed->SetState(cbGrayed);
  std::vector<TSkinCheckBox*> skinners;
  for (TCheckBox* c : {plain, checked, disabledChecked, disabled, grayed}) skinners.push_back(Skin<TSkinCheckBox>(c));
  ShowAndSettle();

  EXPECT_EQ(LeftCell(plain->Handle()), 1);
  EXPECT_EQ(LeftCell(checked->Handle()), 2);
  EXPECT_EQ(LeftCell(disabledChecked->Handle()), 4);
  EXPECT_EQ(LeftCell(disabled->Handle()), 3);
  EXPECT_EQ(LeftCell(grayed->Handle()), 4);  // enabled and grayed
  EXPECT_EQ(skinners[2]->LastFrame(), 4);
  // The magenta corner of the cell lets the column's parent colour through.
  EXPECT_EQ(PixelOf(plain->Handle(), 1, 4), kFormColour);
  // The column left of the cell is the parent's colour too.
  EXPECT_EQ(PixelOf(plain->Handle(), 0, 10), kFormColour);

  // State changes from the program reach the screen.
  plain->SetChecked(true);
  PumpFor(80);
  EXPECT_EQ(LeftCell(plain->Handle()), 2);
  grayed->SetEnabled(false);
  PumpFor(80);
  EXPECT_EQ(LeftCell(grayed->Handle()), 4);  // grayed and disabled
}

TEST_F(CheckSkinnerTest, ClickingTheBoxTogglesTheSkinnedCell) {
  auto* c = Add<TCheckBox>(20, 20, L"每天");
  int clicks = 0;
  c->OnClick = [&](TObject*) { ++clicks; };
  Skin<TSkinCheckBox>(c);
  ShowAndSettle();
  ASSERT_EQ(LeftCell(c->Handle()), 1);
  RECT r;
  GetWindowRect(c->Handle(), &r);
  ClickAt(r.left + 7, r.top + 10);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
  PumpFor(100);
  EXPECT_TRUE(c->Checked());
  EXPECT_EQ(LeftCell(c->Handle()), 2);
  ClickAt(r.left + 7, r.top + 10);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 2; }, 2000));
  PumpFor(100);
  EXPECT_EQ(LeftCell(c->Handle()), 1);
}

TEST_F(CheckSkinnerTest, TextOnTheLeftPutsTheBoxAtTheRightEdge) {
  auto* c = Add<TCheckBox>(20, 20, L"开机时自动运行本程序", 200, 20);
  c->SetAlignment(taLeftJustify);
  c->SetChecked(true);
  ASSERT_TRUE(GetWindowLongPtrW(c->Handle(), GWL_STYLE) & BS_LEFTTEXT);
  Skin<TSkinCheckBox>(c);
  ShowAndSettle();
  HWND h = c->Handle();
  // A 13-pixel cell ends at 200 - (15 - 13) / 2 = 199: it spans 186..198, rows 3..15.
  EXPECT_EQ(CellAt(h, 186, 3), 2);
  EXPECT_EQ(PixelOf(h, 186, 3), kFormColour);  // keyed corner
  EXPECT_EQ(FrameOfCellColour(PixelOf(h, 198, 9)), 2);
  // The 18-pixel column (182..199) is the parent's colour around the cell, full height.
  for (int x : {182, 185, 199})
    for (int y : {0, 9, 19}) EXPECT_EQ(PixelOf(h, x, y), kFormColour) << x << "," << y;
  // Nothing of the skin at the left end, where the text is.
  EXPECT_EQ(FrameOfCellColour(PixelOf(h, 7, 9)), 0);
}

TEST_F(CheckSkinnerTest, RadioButtonsWithAnEightFrameImage) {
  SetRadioImage(*s.skin, 8);
  auto* on = Add<TRadioButton>(20, 20, L"定时：");
  auto* off = Add<TRadioButton>(20, 50, L"延迟：");
  // A second group (on a panel of its own) so that two buttons can be checked.
  auto* other = new TPanel(form);
  other->SetParent(host);
  other->SetBounds(200, 10, 180, 80);
  auto* offDisabled = Add<TRadioButton>(10, 10, L"禁用");
  auto* onDisabled = Add<TRadioButton>(10, 40, L"禁用选中");
  offDisabled->SetParent(other);
  onDisabled->SetParent(other);
  on->SetChecked(true);
  onDisabled->SetChecked(true);
  offDisabled->SetEnabled(false);
  onDisabled->SetEnabled(false);
  for (TRadioButton* r : {on, off, offDisabled, onDisabled}) Skin<TSkinRadioButton>(r);
  ShowAndSettle();
  // A radio cell narrower than 15 starts at (14 - 13) / 2 = 0.
  EXPECT_EQ(CellAt(on->Handle(), 0, 4), 5);
  EXPECT_EQ(CellAt(off->Handle(), 0, 4), 1);
  EXPECT_EQ(CellAt(offDisabled->Handle(), 0, 4), 4);
  EXPECT_EQ(CellAt(onDisabled->Handle(), 0, 4), 8);
  // Checking the other one moves the mark.
  off->SetChecked(true);
  PumpFor(100);
  EXPECT_EQ(CellAt(off->Handle(), 0, 4), 5);
  EXPECT_EQ(CellAt(on->Handle(), 0, 4), 1);
}

TEST_F(CheckSkinnerTest, TwelveFrameCheckImageIsRemapped) {
  SetCheckImage(*s.skin, 12);
  auto* checked = Add<TCheckBox>(20, 20, L"选中");
  checked->SetChecked(true);
  auto* grayed = Add<TCheckBox>(20, 50, L"灰");
  grayed->SetAllowGrayed(true);
  grayed->SetState(cbGrayed);
  auto* grayedOff = Add<TCheckBox>(20, 80, L"灰禁用");
  grayedOff->SetAllowGrayed(true);
  grayedOff->SetState(cbGrayed);
  grayedOff->SetEnabled(false);
  for (TCheckBox* c : {checked, grayed, grayedOff}) Skin<TSkinCheckBox>(c);
  ShowAndSettle();
  EXPECT_EQ(LeftCell(checked->Handle()), 5);
  EXPECT_EQ(LeftCell(grayed->Handle()), 9);
  EXPECT_EQ(LeftCell(grayedOff->Handle()), 12);
}

TEST_F(CheckSkinnerTest, AFrameBeyondTheImageShowsItsLastFrameAndNothingForeign) {
  // Two frames only: a disabled checked box asks for frame 4.
  SetCheckImage(*s.skin, 2);
  auto* c = Add<TCheckBox>(20, 20, L"禁用");
  c->SetChecked(true);
  c->SetEnabled(false);
  auto* skinner = Skin<TSkinCheckBox>(c);
  ShowAndSettle();
  EXPECT_EQ(skinner->LastFrame(), 2);
  HWND h = c->Handle();
  UpdateWindow(h);
  // Every pixel of the cell is the last frame's colour or (its keyed corner) the parent's.
  for (int y = 4; y < 17; ++y)
    for (int x = 1; x < 14; ++x) {
      const COLORREF p = PixelOf(h, x, y);
      EXPECT_TRUE(p == CellColour(2) || p == kFormColour) << x << "," << y;
    }
}

TEST_F(CheckSkinnerTest, SwitchedOffTheControlLooksItsOwnAgain) {
  auto* c = Add<TCheckBox>(20, 20, L"每天");
  c->SetChecked(true);
  Skin<TSkinCheckBox>(c);
  ShowAndSettle();
  ASSERT_EQ(LeftCell(c->Handle()), 2);
  SendMessageW(c->Handle(), SKM_SWITCHSKINNER, 0, 0);
  c->Invalidate();
  PumpFor(80);
  EXPECT_EQ(LeftCell(c->Handle()), 0);
  SendMessageW(c->Handle(), SKM_SWITCHSKINNER, 1, 0);
  PumpFor(80);
  EXPECT_EQ(LeftCell(c->Handle()), 2);
}

TEST_F(CheckSkinnerTest, DiscoveryGivesCheckAndRadioSkinnersAndTheGlyphStrip) {
  auto* c = Add<TCheckBox>(20, 20, L"每天");
  auto* r = Add<TRadioButton>(20, 50, L"定时：");
  auto* rz = new TRzDBCheckBox(form);
  rz->SetParent(host);
  rz->SetBounds(20, 80, 150, 21);
  rz->SetCaption(L"外来");
  SetCheckImage(*s.skin, 5);
  ShowAndSettle();
  SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
  PumpFor(100);
  std::map<TControl*, std::string> kinds;
  TSkinObjImage* obj = nullptr;
  for (TSkinControl* k : s.skinner->ControlSkinners) {
    kinds[k->Control] = k->ClassName();
    if (k->Control == rz) obj = dynamic_cast<TSkinObjImage*>(k);
  }
  EXPECT_EQ(kinds[c], "TSkinCheckBox");
  EXPECT_EQ(kinds[r], "TSkinRadioButton");
  EXPECT_EQ(kinds[rz], "TSkinObjImage");
  EXPECT_EQ(LeftCell(c->Handle()), 1);
  EXPECT_EQ(CellAt(r->Handle(), 0, 4), 1);

  // The glyph strip: nine cells, from a five-frame image every one filled.
  ASSERT_NE(obj, nullptr);
  TBitmap* glyphs = rz->GetGlyphs();
  ASSERT_EQ(glyphs->Width(), 9 * kCheckCell);
  ASSERT_EQ(glyphs->Height(), kCheckCell);
  const int expected[9] = {1, 2, 5, 1, 2, 5, 3, 4, 5};
  kq::Bitmap px = glyphs->Pixels();
  for (int i = 0; i < 9; ++i) {
    const std::uint8_t* p = px.Row(6) + (i * kCheckCell + 6) * 3;
    EXPECT_EQ(FrameOfCellColour(RGB(p[2], p[1], p[0])), expected[i]) << "cell " << i;
  }
  EXPECT_EQ(rz->GetTransparent(), L"16711935");
  EXPECT_TRUE(rz->GetUseCustom());
  EXPECT_EQ(rz->reloads, 1);
  // It never takes the control's messages.
  EXPECT_EQ(obj->OldWindowProc, nullptr);

  // A new skin with four frames: a new strip, cells 2, 5 and 8 left transparent.
  SetCheckImage(*s.skin, 4);
  obj->SkinChanged();
  EXPECT_EQ(rz->reloads, 2);
  px = glyphs->Pixels();
  const std::uint8_t* p = px.Row(6) + (2 * kCheckCell + 6) * 3;
  EXPECT_EQ(RGB(p[2], p[1], p[0]), RGB(255, 0, 255));
  // The skin goes: the control uses its own glyphs again.
  s.skinner->Detach();
  EXPECT_FALSE(rz->GetUseCustom());
}

TEST_F(CheckSkinnerTest, NoGdiObjectsAreLeftBehind) {
  auto* c = Add<TCheckBox>(20, 20, L"每天");
  auto* r = Add<TRadioButton>(20, 50, L"定时：");
  auto* rz = new TRzDBCheckBox(form);
  rz->SetParent(host);
  rz->SetBounds(20, 80, 150, 21);
  ShowAndSettle();
  long before = 0;
  for (int i = 0; i < 10; ++i) {
    // After the first round: the glyph control holds the strip it was given.
    if (i == 1) before = kq::ui::LiveGdiHandles();
    auto* sc = Skin<TSkinCheckBox>(c);
    auto* sr = Skin<TSkinRadioButton>(r);
    auto* so = Skin<TSkinObjImage>(rz);
    c->Repaint();
    r->Repaint();
    sc->PaintWindow(nullptr);
    sr->PaintWindow(nullptr);
    so->Detach();
    delete sc;
    delete sr;
    delete so;
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), before);
}

namespace {

// The frame in the cell of a box-on-the-left bare button window of any height.
int BareCell(HWND wnd, bool radio) {
  RECT r;
  GetClientRect(wnd, &r);
  return CellAt(wnd, radio ? 0 : 1, (r.bottom - kCheckCell) / 2);
}

}  // namespace

TEST_F(CheckSkinnerTest, ADialogsCheckBoxesAndRadioButtonsAreSkinned) {
  SetRadioImage(*s.skin, 8);
  DialogTemplate t(L"对话框", 220, 130, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  t.Button(BS_AUTOCHECKBOX | WS_TABSTOP, 10, 8, 120, 12, 201, L"每天");
  t.Button(BS_AUTO3STATE | WS_TABSTOP, 10, 24, 120, 12, 202, L"开机时自动运行本程序");
  t.Button(BS_AUTOCHECKBOX | BS_LEFTTEXT | WS_TABSTOP, 10, 40, 120, 12, 203, L"文字在左");
  t.Button(BS_GROUPBOX, 8, 56, 150, 44, 204, L"任务设置");
  t.Button(BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 16, 68, 80, 12, 205, L"定时：");
  t.Button(BS_AUTORADIOBUTTON, 16, 82, 80, 12, 206, L"延迟：");
  t.Button(BS_PUSHBUTTON | WS_TABSTOP, 160, 108, 50, 14, 207, L"确定");
  HWND dlg = t.Create(nullptr, PlainDialogProc);
  ASSERT_TRUE(dlg);
  CheckDlgButton(dlg, 201, BST_CHECKED);
  CheckDlgButton(dlg, 202, BST_INDETERMINATE);
  CheckDlgButton(dlg, 205, BST_CHECKED);
  EnableWindow(GetDlgItem(dlg, 206), FALSE);

  auto* fs = new TWinSkinForm(nullptr);
  fs->SetWindow(dlg);
  fs->AttachToWindow(s.skin);
  std::map<int, std::string> byId;
  for (const TSkinChoice& c : SkinChildWindows(*fs, dlg))
    byId[GetDlgCtrlID(c.Window)] = c.Skinner ? c.Skinner->ClassName() : "";
  EXPECT_EQ(byId[201], "TSkinCheckBox");
  EXPECT_EQ(byId[202], "TSkinCheckBox");
  EXPECT_EQ(byId[203], "TSkinCheckBox");
  EXPECT_EQ(byId.count(204), 0u);  // the group box keeps its own look
  EXPECT_EQ(byId[205], "TSkinRadioButton");
  EXPECT_EQ(byId[206], "TSkinRadioButton");
  EXPECT_EQ(byId[207], "TSkinButton");
  SetForegroundWindow(dlg);
  PumpFor(150);

  EXPECT_EQ(BareCell(GetDlgItem(dlg, 201), false), 2);
  EXPECT_EQ(BareCell(GetDlgItem(dlg, 202), false), 4);  // indeterminate
  EXPECT_EQ(BareCell(GetDlgItem(dlg, 205), true), 5);   // eight frames, checked
  EXPECT_EQ(BareCell(GetDlgItem(dlg, 206), true), 4);   // eight frames, disabled
  // BS_LEFTTEXT: at the right edge.
  HWND left = GetDlgItem(dlg, 203);
  RECT r;
  GetClientRect(left, &r);
  EXPECT_EQ(CellAt(left, r.right - 1 - kCheckCell, (r.bottom - kCheckCell) / 2), 1);

  // A click on the unchecked radio button moves the mark (the dialog's own logic).
  EnableWindow(GetDlgItem(dlg, 206), TRUE);
  PumpFor(80);
  const POINT p = CenterOf(GetDlgItem(dlg, 206));
  ClickAt(p.x, p.y);
  EXPECT_TRUE(PumpUntil([&] { return IsDlgButtonChecked(dlg, 206) == BST_CHECKED; }, 2000));
  PumpFor(100);
  EXPECT_EQ(BareCell(GetDlgItem(dlg, 206), true), 5);
  EXPECT_EQ(BareCell(GetDlgItem(dlg, 205), true), 1);
  Shoot(dlg, "dialog_checks.bmp");

  delete fs;
  // Freed with the form skinner, every window has its own procedure back.
  InvalidateRect(GetDlgItem(dlg, 201), nullptr, TRUE);
  EXPECT_EQ(BareCell(GetDlgItem(dlg, 201), false), 0);
  DestroyWindow(dlg);
}

namespace {

constexpr COLORREF kDialogGreen = RGB(0x30, 0xA0, 0x60);

// A dialog that paints itself and its static-coloured controls green.
INT_PTR CALLBACK GreenDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
  static HBRUSH green = CreateSolidBrush(kDialogGreen);  // lives as long as the program
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORDLG) return reinterpret_cast<INT_PTR>(green);
  return FALSE;
}

}  // namespace

TEST_F(CheckSkinnerTest, ABareCheckBoxsColumnTakesTheBrushItsParentGivesIt) {
  DialogTemplate t(L"绿色", 160, 60, WS_POPUP | WS_CAPTION | WS_VISIBLE);
  t.Button(BS_AUTOCHECKBOX, 10, 8, 120, 12, 201, L"每天");
  t.Button(BS_AUTORADIOBUTTON | BS_LEFTTEXT, 10, 24, 120, 12, 202, L"定时：");
  HWND dlg = t.Create(nullptr, GreenDialogProc);
  ASSERT_TRUE(dlg);
  CheckDlgButton(dlg, 201, BST_CHECKED);
  HWND check = GetDlgItem(dlg, 201), radio = GetDlgItem(dlg, 202);
  auto* sc = new TSkinCheckBox(nullptr);
  sc->AttachToWindow(check, s.skin, nullptr, nullptr);
  auto* sr = new TSkinRadioButton(nullptr);
  sr->AttachToWindow(radio, s.skin, nullptr, nullptr);
  SetForegroundWindow(dlg);
  PumpFor(120);
  EXPECT_EQ(BareCell(check, false), 2);
  EXPECT_EQ(PixelOf(check, 0, 1), kDialogGreen);
  EXPECT_EQ(PixelOf(check, 15, 1), kDialogGreen);
  RECT r;
  GetClientRect(check, &r);
  EXPECT_EQ(PixelOf(check, 1, (r.bottom - kCheckCell) / 2), kDialogGreen);  // keyed corner
  GetClientRect(radio, &r);
  EXPECT_EQ(PixelOf(radio, r.right - 18, 1), kDialogGreen);
  EXPECT_EQ(CellAt(radio, r.right - 1 - kCheckCell, (r.bottom - kCheckCell) / 2), 1);
  delete sc;
  delete sr;
  DestroyWindow(dlg);
}
