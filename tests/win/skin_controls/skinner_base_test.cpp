// The control skinner base on real windows: attach and detach, the switch message, window
// destruction, bare windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/skin_buttons.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/imglist.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/skin_controls/test_skin.h"
#include "win/ui/ui_test_util.h"

using namespace skintest;
using namespace uitest;

namespace {

class SkinnerBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    MoveMouse(5, 5);
  }
  void TearDown() override { delete app; }

  TForm* NewForm() {
    auto* form = app->CreateForm<TForm>();
    form->SetBounds(100, 100, 360, 240);
    form->SetCaption(L"基类");
    AddFocusHolder(form);
    return form;
  }
  TButton* NewButton(TForm* form, int x, int y) {
    auto* b = new TButton(form);
    b->SetParent(form);
    b->SetBounds(x, y, 100, 30);
    b->SetCaption(L"执行");
    return b;
  }
  TApplication* app = nullptr;
};

// A base skinner that draws a solid colour over the whole window after the control painted.
class TPaintOver : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void DrawSkin(HDC dc, const RECT& rect) override {
    HBRUSH b = CreateSolidBrush(RGB(0x11, 0x99, 0x55));
    FillRect(dc, &rect, b);
    DeleteObject(b);
    ++draws;
  }
  int draws = 0;
};

}  // namespace

TEST_F(SkinnerBaseTest, AttachReplacesTheMessageMethodOnceAndFreeingGivesItBack) {
  TForm* form = NewForm();
  TButton* button = NewButton(form, 20, 20);
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  PumpFor(50);
  const COLORREF native = PixelOf(button->Handle(), 4, 4);

  auto* skinner = new TSkinButton(button);
  skinner->AttachToControl(s.skinner, s.skin, false, &s.skinner->ControlCanvas());
  skinner->AttachToControl(s.skinner, s.skin, false, &s.skinner->ControlCanvas());
  EXPECT_EQ(s.skinner->ControlSkinners.size(), 1u);
  EXPECT_EQ(skinner->Phase, 1);
  EXPECT_EQ(skinner->Handle, button->Handle());
  EXPECT_EQ(skinner->Caption, L"执行");
  EXPECT_TRUE(button->DoubleBuffered());
  PumpFor(50);
  EXPECT_EQ(FrameShown(button->Handle()), 1);

  delete skinner;
  EXPECT_TRUE(s.skinner->ControlSkinners.empty());
  button->Invalidate();
  PumpFor(50);
  EXPECT_EQ(PixelOf(button->Handle(), 4, 4), native);
  EXPECT_EQ(FrameShown(button->Handle()), 0);
}

TEST_F(SkinnerBaseTest, BasePaintsOverTheControlAfterItsOwnPaint) {
  TForm* form = NewForm();
  TButton* button = NewButton(form, 20, 20);
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  auto* skinner = new TPaintOver(button);
  skinner->AttachToControl(s.skinner, s.skin, false, &s.skinner->ControlCanvas());
  button->Invalidate();
  PumpFor(80);
  EXPECT_GT(skinner->draws, 0);
  EXPECT_EQ(PixelOf(button->Handle(), 50, 15), RGB(0x11, 0x99, 0x55));
}

TEST_F(SkinnerBaseTest, SwitchedOffTheControlLooksAndBehavesUnskinnedAndOnRepaints) {
  TForm* form = NewForm();
  TButton* button = NewButton(form, 20, 20);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  PumpFor(50);
  const COLORREF native = PixelOf(button->Handle(), 4, 4);
  auto* skinner = new TSkinButton(button);
  skinner->AttachToControl(s.skinner, s.skin, false, &s.skinner->ControlCanvas());
  PumpFor(50);
  ASSERT_EQ(FrameShown(button->Handle()), 1);

  SendMessageW(button->Handle(), SKM_SWITCHSKINNER, 0, 0);
  EXPECT_FALSE(skinner->Active);
  PumpFor(80);
  EXPECT_EQ(PixelOf(button->Handle(), 4, 4), native);
  // The system button clicks by itself, once.
  const POINT c = CenterOf(button->Handle());
  ClickAt(c.x, c.y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
  PumpFor(100);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(FrameShown(button->Handle()), 0);

  SendMessageW(button->Handle(), SKM_SWITCHSKINNER, 1, 0);
  EXPECT_TRUE(skinner->Active);
  PumpFor(80);
  EXPECT_NE(FrameShown(button->Handle()), 0);
}

TEST_F(SkinnerBaseTest, DestroyingTheWindowRunsTheControlsOwnHandlingThenRestoresItsColour) {
  TForm* form = NewForm();
  TButton* button = NewButton(form, 20, 20);
  button->SetColor(RGB(1, 2, 3));
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  // Sits behind the skinner: the control's own handling.
  std::vector<std::string> log;
  TWndMethod own = button->WindowProc;
  button->WindowProc = [&, own](TMessage& m) {
    if (m.Msg == WM_NCDESTROY) log.push_back("own NCDESTROY, colour " + std::to_string(button->Color()));
    own(m);
  };
  auto* skinner = new TSkinControl(button);
  skinner->AttachToControl(s.skinner, s.skin, true, &s.skinner->ControlCanvas());
  EXPECT_EQ(button->Color(), kFace);
  EXPECT_EQ(skinner->SavedColor, RGB(1, 2, 3));

  button->SetParent(nullptr);  // the window goes, the control stays
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "own NCDESTROY, colour " + std::to_string(kFace));
  EXPECT_EQ(skinner->Phase, 6);
  EXPECT_EQ(button->Color(), RGB(1, 2, 3));

  // The next discovery frees it.
  SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
  EXPECT_TRUE(s.skinner->ControlSkinners.empty());
  delete button;
}

TEST_F(SkinnerBaseTest, FreeingASkinnerAttachedByHandleRestoresTheWindowProcedure) {
  TForm* form = NewForm();
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  HWND bare = CreateWindowExW(0, L"BUTTON", L"裸按钮", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 100,
                              30, form->Handle(), reinterpret_cast<HMENU>(77), nullptr, nullptr);
  ASSERT_TRUE(bare);
  const LONG_PTR before = GetWindowLongPtrW(bare, GWLP_WNDPROC);
  auto* skinner = new TSkinButton(s.skinner);
  skinner->AttachToWindow(bare, s.skin, s.skinner, &s.skinner->ControlCanvas());
  EXPECT_NE(GetWindowLongPtrW(bare, GWLP_WNDPROC), before);
  EXPECT_EQ(skinner->Caption, L"裸按钮");
  EXPECT_EQ(FrameShown(bare), 1);
  delete skinner;
  EXPECT_EQ(GetWindowLongPtrW(bare, GWLP_WNDPROC), before);
  EXPECT_TRUE(s.skinner->ControlSkinners.empty());
  DestroyWindow(bare);
}

TEST_F(SkinnerBaseTest, ADestroyedBareWindowGivesItsProcedureBackAndIsPurged) {
  TForm* form = NewForm();
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  HWND bare = CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 100, 30,
                              form->Handle(), nullptr, nullptr, nullptr);
  auto* skinner = new TSkinButton(s.skinner);
  skinner->AttachToWindow(bare, s.skin, s.skinner, &s.skinner->ControlCanvas());
  DestroyWindow(bare);
  EXPECT_EQ(skinner->Phase, 6);
  ASSERT_EQ(s.skinner->ControlSkinners.size(), 1u);
  SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
  EXPECT_TRUE(s.skinner->ControlSkinners.empty());
}

TEST_F(SkinnerBaseTest, SettingTextRepaintsWithTheNewCaption) {
  TForm* form = NewForm();
  TButton* button = NewButton(form, 20, 20);
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  auto* skinner = new TSkinButton(button);
  skinner->AttachToControl(s.skinner, s.skin, false, &s.skinner->ControlCanvas());
  button->SetCaption(L"停止");
  EXPECT_EQ(skinner->Caption, L"停止");
}

TEST_F(SkinnerBaseTest, NoGdiObjectsAreLeftBehind) {
  TForm* form = NewForm();
  TButton* button = NewButton(form, 20, 20);
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  PumpFor(50);
  const long before = kq::ui::LiveGdiHandles();
  for (int i = 0; i < 20; ++i) {
    auto* skinner = new TSkinButton(button);
    skinner->AttachToControl(s.skinner, s.skin, false, &s.skinner->ControlCanvas());
    button->Repaint();
    skinner->PaintWindow(nullptr);
    delete skinner;
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), before);
}

TEST_F(SkinnerBaseTest, TheFormSkinnerDetachingFreesItsSkinnersAndGivesTheControlsBack) {
  TForm* form = NewForm();
  TButton* button = NewButton(form, 20, 20);
  TButton* coloured = NewButton(form, 140, 20);
  coloured->SetColor(RGB(9, 8, 7));
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
  ASSERT_EQ(s.skinner->ControlSkinners.size(), 2u);
  // A skinner that took the control's colour, as panels and group boxes get.
  delete s.skinner->ControlSkinners.back();
  auto* colour = new TSkinControl(coloured);
  colour->AttachToControl(s.skinner, s.skin, true, &s.skinner->ControlCanvas());
  EXPECT_EQ(coloured->Color(), kFace);
  PumpFor(50);
  ASSERT_EQ(FrameShown(button->Handle()), 1);

  s.skinner->Detach();
  EXPECT_TRUE(s.skinner->ControlSkinners.empty());
  EXPECT_EQ(coloured->Color(), RGB(9, 8, 7));
  EXPECT_EQ(button->ComponentCount(), 0);
  button->Invalidate();
  PumpFor(50);
  EXPECT_EQ(FrameShown(button->Handle()), 0);
  // The control still works on its own.
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  const POINT c = CenterOf(button->Handle());
  ClickAt(c.x, c.y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
}

TEST_F(SkinnerBaseTest, GlyphAndTextOfTabsAndHeaders) {
  TForm* form = NewForm();
  TButton* button = NewButton(form, 20, 20);
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  auto* skinner = new TSkinControl(button);
  skinner->AttachToControl(s.skinner, s.skin, false, &s.skinner->ControlCanvas());
  auto* images = new TImageList(form);
  images->SetSize(16, 16);
  TBitmap pic(16, 16);
  pic.Canvas().Brush().SetColor(RGB(0, 0, 200));
  pic.Canvas().FillRect(RECT{0, 0, 16, 16});
  pic.Dormant();
  images->AddMasked(pic, clFuchsia);
  TBitmap target(120, 24);
  TCanvas& c = target.Canvas();
  c.Brush().SetColor(clWhite);
  c.FillRect(RECT{0, 0, 120, 24});
  // Layout 0: the icon 2 pixels from the left, centred vertically; the text after it.
  skinner->DrawGlyphAndText(c, RECT{0, 0, 120, 24}, 0, L"标签", 0, images);
  EXPECT_EQ(c.Pixel(2, 4), RGB(0, 0, 200));
  EXPECT_EQ(c.Pixel(17, 19), RGB(0, 0, 200));
  EXPECT_EQ(c.Pixel(1, 4), RGB(255, 255, 255));
  EXPECT_EQ(c.Pixel(2, 3), RGB(255, 255, 255));
  // An icon as wide as the box is left out.
  c.Brush().SetStyle(bsSolid);  // the helper leaves the brush clear, for its text
  c.FillRect(RECT{0, 0, 120, 24});
  skinner->DrawGlyphAndText(c, RECT{0, 0, 16, 24}, 0, L"", 0, images);
  EXPECT_EQ(c.Pixel(4, 10), RGB(255, 255, 255));
}
