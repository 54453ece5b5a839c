// The group box, panel, dialog, size grip and status bar skinners on real windows, pixels
// read back.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <map>
#include <string>
#include <vector>

#include "skin/controls/skin_boxes.h"
#include "skin/controls/skin_checks.h"
#include "skin/form/control_discovery.h"
#include "ui/extctrls.h"
#include "ui/handles.h"
#include "ui/radiogroup.h"
#include "ui/skin_messages.h"
#include "ui/statusbar.h"
#include "win/app/app_fixture.h"
#include "win/skin_controls/gallery.h"
#include "win/skin_controls2/cells.h"

using namespace skintest;
using namespace uitest;

namespace {

class BoxSkinnerTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    MoveMouse(5, 5);
    form = app->CreateForm<TForm>();
    form->SetBounds(120, 120, 440, 320);
    form->SetCaption(L"容器");
    AddFocusHolder(form);
    s = AttachTestSkinner(form);
    SetBoxImages(*s.skin);
  }
  template <class S>
  S* Skin(TControl* c, bool colour = false) {
    auto* skinner = new S(c);
    skinner->AttachToControl(s.skinner, s.skin, colour, &s.skinner->ControlCanvas());
    return skinner;
  }
  void ShowAndSettle() {
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpFor(120);
  }
  TStatusBar* NewBar(bool grip = false) {
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 240, 300, 20);
    bar->SetSizeGrip(grip);
    return bar;
  }

  TForm* form = nullptr;
  SkinnedForm s;
};

// Columns (x) of the pixels of colour `c` inside `r` of the window.
std::vector<int> ColumnsOf(HWND wnd, const RECT& r, COLORREF c) {
  UpdateWindow(wnd);
  std::vector<int> xs;
  HDC dc = GetDC(wnd);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (GetPixel(dc, x, y) == c) xs.push_back(x);
  ReleaseDC(wnd, dc);
  return xs;
}

// Columns (x) of the pixels inside `r` that are not `background` (text drawn on a panel).
std::vector<int> ColumnsNotOf(HWND wnd, const RECT& r, COLORREF background) {
  UpdateWindow(wnd);
  std::vector<int> xs;
  HDC dc = GetDC(wnd);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (GetPixel(dc, x, y) != background) xs.push_back(x);
  ReleaseDC(wnd, dc);
  return xs;
}

// Pixels inside `r` that are neither `a` nor `b`.
int OtherPixels(HWND wnd, const RECT& r, COLORREF a, COLORREF b) {
  UpdateWindow(wnd);
  int n = 0;
  HDC dc = GetDC(wnd);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF p = GetPixel(dc, x, y);
      if (p != a && p != b) ++n;
    }
  ReleaseDC(wnd, dc);
  return n;
}

int CellAt(HWND wnd, int x, int y) {
  UpdateWindow(wnd);
  return FrameOfCellColour(PixelOf(wnd, x + 6, y + 6));
}

int FrameAt(HWND wnd, int x, int y) {
  UpdateWindow(wnd);
  return FrameOfCellColour(PixelOf(wnd, x, y));
}

// Where the frame of a group box hangs: half the height of its font's "0", less one.
int FrameTop(TWinControl* box) {
  HDC dc = GetDC(box->Handle());
  HGDIOBJ old = SelectObject(dc, box->Font().Handle());
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  SelectObject(dc, old);
  ReleaseDC(box->Handle(), dc);
  return zero.cy / 2 - 1;
}

// The group box look: the face frame at the edge, the rounded shadow frame one pixel in, the
// caption at the left over the top line.
void ExpectGroupFrame(TWinControl* box, const std::wstring& where) {
  HWND h = box->Handle();
  UpdateWindow(h);
  RECT r;
  GetClientRect(h, &r);
  const int w = r.right, ht = r.bottom, y = FrameTop(box), mid = (y + ht) / 2;
  EXPECT_EQ(PixelOf(h, 0, mid), kFace) << where;
  EXPECT_EQ(PixelOf(h, 1, mid), kShadow) << where;
  EXPECT_EQ(PixelOf(h, w - 1, mid), kFace) << where;
  EXPECT_EQ(PixelOf(h, w - 2, mid), kShadow) << where;
  EXPECT_EQ(PixelOf(h, w / 2, ht - 1), kFace) << where;
  EXPECT_EQ(PixelOf(h, w / 2, ht - 2), kShadow) << where;
  EXPECT_EQ(PixelOf(h, w - 12, y), kShadow) << where;
  EXPECT_EQ(PixelOf(h, 6, y), kShadow) << where;  // the top line left of the caption
  // Round corners: the corner pixel itself stays clear of the shadow line.
  EXPECT_NE(PixelOf(h, 1, y), kShadow) << where;
  // The caption: text pixels from x = 9 on, on the face colour.
  const RECT caption{9, 0, std::min(w, 9 + 60), y * 2 + 4};
  EXPECT_GT(OtherPixels(h, caption, kFace, kShadow), 10) << where;
  EXPECT_EQ(OtherPixels(h, RECT{2, 0, 8, y}, kFace, kShadow), 0) << where;
}

}  // namespace

TEST_F(BoxSkinnerTest, GroupBoxDrawsTheRoundedFrameAndItsCaptionEnabledOrNot) {
  auto* box = new TGroupBox(form);
  box->SetParent(form);
  box->SetBounds(20, 20, 200, 100);
  box->SetCaption(L"任务设置");
  auto* inner = new TRadioButton(form);
  inner->SetParent(box);
  inner->SetBounds(12, 30, 120, 17);
  inner->SetCaption(L"每天");
  Skin<TSkinGroupBox>(box, true);
  ShowAndSettle();
  EXPECT_EQ(box->Color(), kFace);
  ExpectGroupFrame(box, L"enabled");
  box->SetEnabled(false);
  PumpFor(80);
  ExpectGroupFrame(box, L"disabled");
}

TEST_F(BoxSkinnerTest, StatusPanelsByBevelAndTheLastOneToTheRightEdge) {
  TStatusBar* bar = NewBar();
  bar->AddPanel(L"左边", 100);
  TStatusPanel* mid = bar->AddPanel(L"中", 80);
  mid->SetBevel(pbNone);
  mid->SetAlignment(taCenter);
  TStatusPanel* last = bar->AddPanel(L"右", 40);
  last->SetBevel(pbRaised);
  last->SetAlignment(taRightJustify);
  auto* skinner = Skin<TSkinStatusBar>(bar);
  ShowAndSettle();
  HWND h = bar->Handle();
  EXPECT_EQ(skinner->LastFrames(), (std::vector<int>{1, 3, 2}));
  // Each panel fills the rectangle the control gives it (below the bar's 2-pixel top border).
  RECT part{};
  SendMessageW(h, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
  const int y = part.top + 1;
  EXPECT_EQ(FrameAt(h, 50, y), 1);
  EXPECT_EQ(FrameAt(h, 140, y), 3);  // no bevel
  EXPECT_EQ(FrameAt(h, 200, y), 2);
  // The last panel is 40 wide but reaches the bar's right edge.
  EXPECT_EQ(FrameAt(h, 260, y), 2);
  EXPECT_EQ(FrameAt(h, 299, part.bottom - 1), 2);
  // Texts placed by their alignment, 2 pixels in from the panel's sides.
  auto textIn = [&](int left, int right, int frame) {
    return ColumnsNotOf(h, RECT{left, part.top, right, part.bottom}, CellColour(frame));
  };
  std::vector<int> xs = textIn(0, 100, 1);
  ASSERT_FALSE(xs.empty());
  EXPECT_GE(*std::min_element(xs.begin(), xs.end()), 2);
  EXPECT_LT(*std::max_element(xs.begin(), xs.end()), 50);
  xs = textIn(102, 180, 3);
  ASSERT_FALSE(xs.empty());
  EXPECT_GT(*std::min_element(xs.begin(), xs.end()), 120);
  EXPECT_LT(*std::max_element(xs.begin(), xs.end()), 160);
  xs = textIn(183, 300, 2);
  ASSERT_FALSE(xs.empty());
  EXPECT_GT(*std::min_element(xs.begin(), xs.end()), 270);
  EXPECT_LE(*std::max_element(xs.begin(), xs.end()), 297);
  // Right-to-left reading swaps left and right.
  bar->Panel(0)->SetBiDiMode(bdRightToLeft);
  PumpFor(80);
  xs = textIn(0, 100, 1);
  ASSERT_FALSE(xs.empty());
  EXPECT_GT(*std::min_element(xs.begin(), xs.end()), 50);
}

TEST_F(BoxSkinnerTest, SimpleStatusBarIsOneFullWidthFrameOne) {
  TStatusBar* bar = NewBar();
  bar->AddPanel(L"甲", 100);
  bar->AddPanel(L"乙", 100)->SetBevel(pbRaised);
  bar->SetSimplePanel(true);
  bar->SetSimpleText(L"简单文字");
  auto* skinner = Skin<TSkinStatusBar>(bar);
  ShowAndSettle();
  HWND h = bar->Handle();
  EXPECT_EQ(skinner->LastFrames(), (std::vector<int>{1}));
  for (int x : {0, 150, 250, 299}) {
    EXPECT_EQ(FrameAt(h, x, 0), 1) << x;
    EXPECT_EQ(FrameAt(h, x, 19), 1) << x;
  }
  const std::vector<int> xs = ColumnsOf(h, RECT{0, 0, 300, 20}, kStatusText);
  ASSERT_FALSE(xs.empty());
  EXPECT_GE(*std::min_element(xs.begin(), xs.end()), 2);
  EXPECT_LT(*std::max_element(xs.begin(), xs.end()), 100);
  // Without panels a bar is simple too.
  bar->SetSimplePanel(false);
  bar->ClearPanels();
  PumpFor(80);
  EXPECT_EQ(FrameAt(h, 250, 1), 1);
}

TEST_F(BoxSkinnerTest, SizeGripFromTheExtraImagesInTheCorner) {
  TStatusBar* bar = NewBar(true);
  bar->AddPanel(L"甲", 100);
  bar->AddPanel(L"乙", 100);
  ASSERT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  Skin<TSkinStatusBar>(bar);
  ShowAndSettle();
  HWND h = bar->Handle();
  // The 12 x 12 cell of frame 5 ends at (299 - 1, 19 - 1).
  EXPECT_EQ(FrameAt(h, 293, 13), 5);
  EXPECT_EQ(FrameAt(h, 298, 18), 5);
  EXPECT_EQ(FrameAt(h, 299, 19), 1);  // outside the cell: the panel
  EXPECT_EQ(FrameAt(h, 287, 7), 1);   // the cell's magenta corner shows the panel
}

TEST_F(BoxSkinnerTest, OwnerDrawnPanelsArePaintedByTheBarsHandlerOverTheSkin) {
  TStatusBar* bar = NewBar();
  bar->AddPanel(L"文字", 100);
  bar->AddPanel(L"", 100)->SetStyle(psOwnerDraw);
  std::vector<RECT> rects;
  bar->OnDrawPanel = [&](TStatusBar* b, TStatusPanel*, const RECT& r) {
    rects.push_back(r);
    b->Canvas().Brush().SetColor(RGB(0, 128, 0));
    b->Canvas().FillRect(r);
  };
  Skin<TSkinStatusBar>(bar);
  ShowAndSettle();
  HWND h = bar->Handle();
  ASSERT_FALSE(rects.empty());
  RECT part{};
  SendMessageW(h, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
  InflateRect(&part, -1, -1);
  EXPECT_TRUE(EqualRect(&rects.back(), &part));
  EXPECT_EQ(PixelOf(h, 150, 10), RGB(0, 128, 0));
  EXPECT_EQ(FrameAt(h, 50, part.top), 1);
}

TEST_F(BoxSkinnerTest, PanelsTakeTheFaceColourAndGetTheirOwnBackWhenTheSkinGoes) {
  auto* own = new TPanel(form);
  own->SetParent(form);
  own->SetBounds(20, 20, 120, 60);
  own->SetCaption(L"");
  own->SetColor(RGB(0x12, 0x84, 0x56));
  auto* follower = new TPanel(form);
  follower->SetParent(form);
  follower->SetBounds(160, 20, 120, 60);
  follower->SetCaption(L"");
  follower->SetParentColor(true);
  Skin<TSkinBox>(own, true);
  auto* f = Skin<TSkinBox>(follower, true);
  ShowAndSettle();
  EXPECT_EQ(own->Color(), kFace);
  EXPECT_EQ(PixelOf(own->Handle(), 60, 30), kFace);
  // A box never takes the control's messages.
  EXPECT_EQ(f->OldWindowProc, nullptr);

  s.skinner->Detach();
  PumpFor(80);
  EXPECT_EQ(own->Color(), RGB(0x12, 0x84, 0x56));
  EXPECT_EQ(PixelOf(own->Handle(), 60, 30), RGB(0x12, 0x84, 0x56));
  EXPECT_TRUE(follower->ParentColor());
  EXPECT_EQ(follower->Color(), form->Color());
}

TEST_F(BoxSkinnerTest, DiscoveryOfContainersAndStatusBars) {
  auto* bar = NewBar(true);
  bar->Name = "StatusBar1";
  bar->AddPanel(L"就绪", 100);
  auto* panel = new TPanel(form);
  panel->Name = "Panel1";
  panel->SetParent(form);
  panel->SetBounds(10, 10, 150, 80);
  auto* box = new TGroupBox(form);
  box->Name = "GroupBox1";
  box->SetParent(form);
  box->SetBounds(170, 10, 150, 80);
  box->SetCaption(L"任务设置");
  auto* group = new TRadioGroup(form);
  group->Name = "RadioGroup1";
  group->SetParent(form);
  group->SetBounds(10, 100, 200, 120);
  group->SetCaption(L"任务");
  group->SetItems({L"关闭计算机", L"注销计算机", L"重启计算机"});
  group->SetItemIndex(1);
  SetRadioImage(*s.skin, 4);
  ShowAndSettle();
  SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
  PumpFor(120);
  std::map<TControl*, TSkinControl*> of;
  for (TSkinControl* k : s.skinner->ControlSkinners) of[k->Control] = k;
  ASSERT_TRUE(of[bar] && of[panel] && of[box] && of[group]);
  EXPECT_EQ(of[bar]->ClassName(), "TSkinStatusBar");
  EXPECT_FALSE(bar->SizeGrip());  // switched off by the rules
  EXPECT_EQ(of[panel]->ClassName(), "TSkinBox");
  EXPECT_EQ(panel->Color(), kFace);
  EXPECT_EQ(of[box]->ClassName(), "TSkinGroupBox");
  EXPECT_EQ(of[group]->ClassName(), "TSkinGroupBox");
  EXPECT_TRUE(of[group]->UseSkinColor);
  for (int i = 0; i < group->ButtonCount(); ++i) {
    ASSERT_TRUE(of[group->Button(i)]);
    EXPECT_EQ(of[group->Button(i)]->ClassName(), "TSkinRadioButton");
  }
  // The checked item shows the checked cell.
  HWND checked = group->Button(1)->Handle();
  RECT r;
  GetClientRect(checked, &r);
  EXPECT_EQ(FrameAt(checked, 6, (r.bottom - kCheckCell) / 2 + 6), 2);
  ExpectGroupFrame(group, L"radio group");
  ExpectGroupFrame(box, L"group box");
  Shoot(form->Handle(), "boxes_form.bmp");
}

TEST_F(BoxSkinnerTest, AChildDialogGetsTheFaceColourAndASizeGripGoesFlat) {
  DialogTemplate outer(L"对话框", 220, 140, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  outer.Button(BS_AUTOCHECKBOX, 10, 8, 120, 12, 301, L"每天");
  outer.Item(0x0084, nullptr, SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, 200, 120, 20, 20, 302, L"");
  HWND dlg = outer.Create(nullptr, PlainDialogProc);
  ASSERT_TRUE(dlg);
  DialogTemplate inner(L"", 120, 60, WS_CHILD | DS_CONTROL | WS_VISIBLE);
  inner.Button(BS_AUTOCHECKBOX, 6, 6, 80, 12, 401, L"内部");
  HWND child = inner.Create(dlg, PlainDialogProc);
  ASSERT_TRUE(child);
  SetWindowPos(child, nullptr, 10, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  auto* fs = new TWinSkinForm(nullptr);
  fs->SetWindow(dlg);
  fs->AttachToWindow(s.skin);
  std::map<HWND, std::string> kinds;
  for (const TSkinChoice& c : SkinChildWindows(*fs, dlg)) kinds[c.Window] = c.Skinner ? c.Skinner->ClassName() : "";
  EXPECT_EQ(kinds[child], "TSkinBoxH");
  HWND grip = GetDlgItem(dlg, 302);
  EXPECT_EQ(kinds[grip], "TSkinSizer");
  SetForegroundWindow(dlg);
  RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(150);
  // The child dialog's background is the face colour, where its check box leaves it.
  RECT cr;
  GetClientRect(child, &cr);
  EXPECT_EQ(PixelOf(child, cr.right - 3, cr.bottom - 3), kFace);
  EXPECT_EQ(PixelOf(child, cr.right / 2, cr.bottom - 3), kFace);
  // The grip is flat face colour all over.
  RECT gr;
  GetClientRect(grip, &gr);
  EXPECT_EQ(OtherPixels(grip, gr, kFace, kFace), 0);
  delete fs;
  DestroyWindow(dlg);
}

TEST_F(BoxSkinnerTest, NoGdiObjectsAreLeftBehind) {
  auto* box = new TGroupBox(form);
  box->SetParent(form);
  box->SetBounds(20, 20, 200, 100);
  box->SetCaption(L"任务设置");
  TStatusBar* bar = NewBar(true);
  bar->AddPanel(L"左", 100);
  bar->AddPanel(L"右", 100);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(240, 20, 100, 60);
  ShowAndSettle();
  long before = 0;
  for (int i = 0; i < 10; ++i) {
    if (i == 1) before = kq::ui::LiveGdiHandles();  // after what the first paints cache
    auto* g = Skin<TSkinGroupBox>(box, true);
    auto* b = Skin<TSkinStatusBar>(bar);
    auto* p = Skin<TSkinBox>(panel, true);
    box->Repaint();
    bar->Repaint();
    panel->Repaint();
    g->PaintWindow(nullptr);
    b->PaintWindow(nullptr);
    for (TSkinControl* k : {static_cast<TSkinControl*>(g), static_cast<TSkinControl*>(b), static_cast<TSkinControl*>(p)}) {
      k->Detach();
      delete k;
    }
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), before);
}

namespace {

class MainWindowBoxes : public apptest::KqTest {};

}  // namespace

TEST_F(MainWindowBoxes, GroupBoxesShowTheRoundedFrameAndCaptionsIdleAndCounting) {
  MoveMouse(5, 5);
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  SkinnedForm s = AttachTestSkinner(m);
  SetBoxImages(*s.skin);
  SetCheckImage(*s.skin, 4);
  SetRadioImage(*s.skin, 4);
  SendMessageW(m->Handle(), SKM_SKINCONTROLS, 0, 1000);
  PumpFor(150);
  ExpectGroupFrame(m->GroupBox1, L"任务执行时间设置");
  ExpectGroupFrame(m->GroupBox2, L"任务设置");

  m->Rb_yc->SetChecked(true);
  m->edt_ychour->SetText(L"1");
  m->edt_ycminu->SetText(L"30");
  m->btn_runClick();
  m->N1Click();  // shown again from the tray menu
  PumpUntil([&] { return m->edt_timeleave->Text() != L""; });
  PumpFor(150);
  ASSERT_FALSE(m->GroupBox1->Enabled());
  ExpectGroupFrame(m->GroupBox1, L"counting 1");
  ExpectGroupFrame(m->GroupBox2, L"counting 2");
  // The check box inside still shows a cell of the skin.
  HWND everyDay = m->CKB_EVERYDAy->Handle();
  RECT r;
  GetClientRect(everyDay, &r);
  EXPECT_NE(FrameAt(everyDay, 7, (r.bottom - kCheckCell) / 2 + 6), 0);
  m->btn_stopClick();
}

TEST_F(BoxSkinnerTest, SkinOnAndOffOverTheGalleryLeavesNoGdiObjectsAndGivesColoursBack) {
  auto* g = app->CreateForm<TGalleryForm>();
  g->Show();
  PumpFor(100);
  const TColor panelColour = g->Panel1->Color();
  const TColor groupColour = g->GroupBox1->Color();
  long before = 0;
  for (int i = 0; i < 4; ++i) {
    if (i == 1) before = kq::ui::LiveGdiHandles();  // after what the first round caches
    SkinnedForm on = AttachTestSkinner(g);
    SetBoxImages(*on.skin);
    SetCheckImage(*on.skin, 4);
    SetRadioImage(*on.skin, 8);
    SendMessageW(g->Handle(), SKM_SKINCONTROLS, 0, 1000);
    RedrawWindow(g->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(50);
    EXPECT_EQ(g->Panel1->Color(), kFace);
    EXPECT_EQ(CellAt(g->Rb_ds->Handle(), 0, (g->Rb_ds->Height() - kCheckCell) / 2), 5);
    on.skinner->Detach();
    delete on.skinner;
    delete on.skin;
    EXPECT_EQ(g->Panel1->Color(), panelColour);
    EXPECT_EQ(g->GroupBox1->Color(), groupColour);
    RedrawWindow(g->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(30);
    EXPECT_EQ(CellAt(g->Rb_ds->Handle(), 0, (g->Rb_ds->Height() - kCheckCell) / 2), 0);
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), before);
}
