// The button skinners on real windows with real mouse and keyboard input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/skin_buttons.h"
#include "ui/application.h"
#include "win/skin_controls/gallery.h"
#include "win/skin_controls/test_skin.h"
#include "win/ui/ui_test_util.h"

using namespace skintest;
using namespace uitest;

namespace {

class ButtonSkinnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    form = app->CreateForm<TForm>();
    form->SetBounds(120, 120, 420, 260);
    form->SetCaption(L"按钮");
    AddFocusHolder(form);
    s = AttachTestSkinner(form);
    MoveMouse(5, 5);
  }
  void TearDown() override { delete app; }

  TButton* NewButton(int x, int y, const wchar_t* caption = L"执行") {
    auto* b = new TButton(form);
    b->SetParent(form);
    b->SetBounds(x, y, 100, 30);
    b->SetCaption(caption);
    return b;
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
    PumpFor(100);
  }
  // Height of the text (black pixels) drawn on a button: first to last row that holds some.
  int TextHeight(HWND wnd) {
    UpdateWindow(wnd);
    RECT r;
    GetClientRect(wnd, &r);
    int first = -1, last = -1;
    HDC dc = GetDC(wnd);
    for (int y = 0; y < r.bottom; ++y)
      for (int x = 0; x < r.right; ++x)
        if (GetPixel(dc, x, y) == RGB(0, 0, 0)) {
          if (first < 0) first = y;
          last = y;
          break;
        }
    ReleaseDC(wnd, dc);
    return first < 0 ? 0 : last - first + 1;
  }

  TApplication* app = nullptr;
  TForm* form = nullptr;
  SkinnedForm s;
};

}  // namespace

TEST_F(ButtonSkinnerTest, PressingMovingOffAndReleasingStillClicks) {
  TButton* b = NewButton(20, 20);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  auto* skinner = Skin<TSkinButton>(b);
  ShowAndSettle();
  const POINT c = CenterOf(b->Handle());
  MoveMouse(c.x, c.y);
  PumpFor(80);
  EXPECT_EQ(FrameShown(b->Handle()), 4);  // hot
  EXPECT_EQ(s.skinner->HotButton, skinner);
  MouseButton(true);
  PumpFor(80);
  EXPECT_EQ(FrameShown(b->Handle()), 2);  // pressed
  EXPECT_EQ(GetFocus(), b->Handle());
  // Off the button, onto the far side of the form.
  MoveMouse(c.x + 200, c.y + 120);
  PumpFor(150);
  MouseButton(false);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
  PumpFor(100);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(skinner->Pressed());
}

TEST_F(ButtonSkinnerTest, AClickInsideClicksOnceAndShowsHotAfterwards) {
  TButton* b = NewButton(20, 20);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  Skin<TSkinButton>(b);
  ShowAndSettle();
  const POINT c = CenterOf(b->Handle());
  ClickAt(c.x, c.y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
  PumpFor(100);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(FrameShown(b->Handle()), 4);
}

TEST_F(ButtonSkinnerTest, LeavingOneButtonForAnotherMovesTheHotButton) {
  TButton* a = NewButton(20, 20);
  TButton* b = NewButton(140, 20);
  auto* sa = Skin<TSkinButton>(a);
  auto* sb = Skin<TSkinButton>(b);
  ShowAndSettle();
  POINT ca = CenterOf(a->Handle()), cb = CenterOf(b->Handle());
  MoveMouse(ca.x, ca.y);
  PumpFor(100);
  EXPECT_TRUE(sa->Hot());
  MoveMouse(cb.x, cb.y);
  PumpFor(150);
  EXPECT_FALSE(sa->Hot());
  EXPECT_TRUE(sb->Hot());
  EXPECT_EQ(s.skinner->HotButton, sb);
  EXPECT_EQ(FrameShown(a->Handle()), 1);
  EXPECT_EQ(FrameShown(b->Handle()), 4);
}

TEST_F(ButtonSkinnerTest, ADisabledButtonShowsFrameThreeAndNeverTurnsHot) {
  TButton* b = NewButton(20, 20);
  b->SetEnabled(false);
  auto* skinner = Skin<TSkinButton>(b);
  ShowAndSettle();
  EXPECT_EQ(FrameShown(b->Handle()), 3);
  const POINT c = CenterOf(b->Handle());
  MoveMouse(c.x, c.y);
  PumpFor(120);
  b->Perform(CM_MOUSEENTER);
  PumpFor(50);
  EXPECT_FALSE(skinner->Hot());
  EXPECT_EQ(s.skinner->HotButton, nullptr);
  EXPECT_EQ(FrameShown(b->Handle()), 3);
  // Enabled again it turns hot under the mouse.
  b->SetEnabled(true);
  MoveMouse(c.x + 1, c.y);
  PumpFor(120);
  EXPECT_EQ(FrameShown(b->Handle()), 4);
}

TEST_F(ButtonSkinnerTest, DefaultPushButtonWithFocusShowsFiveBitButtonShowsFour) {
  TButton* def = NewButton(20, 20, L"确定");
  def->SetDefault(true);
  auto* bit = new TBitBtn(form);
  bit->SetParent(form);
  bit->SetBounds(140, 20, 100, 30);
  bit->SetCaption(L"保存设置");
  bit->SetDefault(true);
  TButton* plain = NewButton(260, 20, L"退出");
  Skin<TSkinButton>(def);
  Skin<TSkinBitButton>(bit);
  Skin<TSkinButton>(plain);
  ShowAndSettle();
  MoveMouse(5, 5);
  plain->SetFocus();
  PumpFor(80);
  EXPECT_EQ(FrameShown(def->Handle()), 5);
  EXPECT_EQ(FrameShown(bit->Handle()), 5);
  EXPECT_EQ(FrameShown(plain->Handle()), 4);  // focused
  def->SetFocus();
  PumpFor(80);
  EXPECT_EQ(FrameShown(def->Handle()), 5);
  bit->SetFocus();
  PumpFor(80);
  EXPECT_EQ(FrameShown(bit->Handle()), 4);
}

TEST_F(ButtonSkinnerTest, SpaceBarPressesAndTheControlClicks) {
  TButton* b = NewButton(20, 20);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  auto* skinner = Skin<TSkinButton>(b);
  ShowAndSettle();
  b->SetFocus();
  INPUT key[2] = {};
  key[0].type = key[1].type = INPUT_KEYBOARD;
  key[0].ki.wVk = key[1].ki.wVk = VK_SPACE;
  key[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &key[0], sizeof(INPUT));
  PumpFor(100);
  EXPECT_TRUE(skinner->Pressed());
  EXPECT_EQ(FrameShown(b->Handle()), 2);
  SendInput(1, &key[1], sizeof(INPUT));
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
  PumpFor(80);
  EXPECT_FALSE(skinner->Pressed());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonSkinnerTest, DoubleBarsInACaptionMakeTwoLines) {
  TButton* two = NewButton(20, 20, L"确定||取消");
  two->SetHeight(50);
  TButton* one = NewButton(140, 20, L"确定取消");
  one->SetHeight(50);
  Skin<TSkinButton>(two);
  Skin<TSkinButton>(one);
  ShowAndSettle();
  MoveMouse(5, 5);
  PumpFor(50);
  const int one_line = TextHeight(one->Handle());
  ASSERT_GT(one_line, 4);
  EXPECT_GT(TextHeight(two->Handle()), one_line * 3 / 2);
}

TEST_F(ButtonSkinnerTest, WithoutAButtonImageNothingIsDrawn) {
  TButton* b = NewButton(20, 20);
  s.skin->Buttons.Bitmap = kq::Bitmap();
  auto* skinner = Skin<TSkinButton>(b);
  ShowAndSettle();
  EXPECT_EQ(FrameShown(b->Handle()), 0);
  EXPECT_EQ(skinner->LastFrame(), 0);
}

TEST_F(ButtonSkinnerTest, BitButtonGlyphCellsAndDisabledGray) {
  TBitmap glyph;
  MakeGlyph(glyph, 2);
  auto make = [&](int x, bool enabled, int cells) {
    auto* b = new TBitBtn(form);
    b->SetParent(form);
    b->SetBounds(x, 20, 100, 40);
    b->SetCaption(L"");
    TBitmap g;
    MakeGlyph(g, cells);
    b->SetGlyph(&g);
    b->SetNumGlyphs(cells);
    b->SetEnabled(enabled);
    Skin<TSkinBitButton>(b);
    return b;
  };
  TBitBtn* up = make(10, true, 2);
  TBitBtn* gray = make(120, false, 2);
  TBitBtn* four = make(230, false, 4);
  ShowAndSettle();
  MoveMouse(5, 5);
  PumpFor(50);
  // The glyph is centred: its middle is the button's middle.
  auto mid = [](TBitBtn* b) { return PixelOf(b->Handle(), 50, 20); };
  EXPECT_EQ(mid(up), RGB(0x20, 0xA0, 0x20));
  // Two cells, disabled: the first cell grayed (channels averaged).
  const BYTE avg = static_cast<BYTE>((0x20 + 0xA0 + 0x20) / 3);
  EXPECT_EQ(mid(gray), RGB(avg, avg, avg));
  // Four cells, disabled: the second cell as it is.
  EXPECT_EQ(mid(four), RGB(0xA0, 0xA0, 0xA0));
  // Around the glyph the frame shows through (magenta is transparent).
  EXPECT_EQ(FrameShown(up->Handle()), 1);
  EXPECT_EQ(FrameShown(gray->Handle()), 3);
}

TEST_F(ButtonSkinnerTest, FlatSpeedButtonAtRestShowsOnlyTheFace) {
  auto make = [&](int x, bool flat) {
    auto* b = new TSpeedButton(form);
    b->SetParent(form);
    b->SetBounds(x, 20, 40, 30);
    b->SetFlat(flat);
    b->SetGroupIndex(1);
    b->SetAllowAllUp(true);
    auto* skinner = new TSkinSpeedButton(b);
    skinner->AttachToGraphic(s.skinner, s.skin, &s.skinner->ControlCanvas());
    return b;
  };
  TSpeedButton* flat = make(20, true);
  TSpeedButton* plain = make(80, false);
  ShowAndSettle();
  MoveMouse(5, 5);
  PumpFor(50);
  auto frame = [&](TSpeedButton* b) {
    UpdateWindow(form->Handle());
    return FrameOfColour(PixelOf(form->Handle(), b->Left() + 4, b->Top() + 4));
  };
  EXPECT_EQ(frame(flat), 0);
  EXPECT_EQ(PixelOf(form->Handle(), flat->Left() + 4, flat->Top() + 4), kFace);
  EXPECT_EQ(frame(plain), 1);
  // Hot under the mouse, then a click puts it down (its own logic) and it shows frame 2.
  int clicks = 0;
  flat->OnClick = [&](TObject*) { ++clicks; };
  POINT p = flat->ClientToScreen(POINT{20, 15});
  MoveMouse(p.x, p.y);
  PumpFor(100);
  EXPECT_EQ(frame(flat), 4);
  ClickAt(p.x, p.y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
  PumpFor(80);
  EXPECT_TRUE(flat->Down());
  EXPECT_EQ(frame(flat), 2);
  MoveMouse(5, 5);
  PumpFor(100);
  EXPECT_EQ(frame(flat), 2);
  flat->SetDown(false);
  PumpFor(50);
  EXPECT_EQ(frame(flat), 0);
}

TEST_F(ButtonSkinnerTest, AWin32ButtonClickIsPostedToItsParent) {
  ShowAndSettle();
  HWND bare = CreateWindowExW(0, L"BUTTON", L"裸按钮", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 100,
                              30, form->Handle(), reinterpret_cast<HMENU>(321), nullptr, nullptr);
  std::vector<WPARAM> commands;
  TWndMethod own = form->WindowProc;
  form->WindowProc = [&, own](TMessage& m) {
    if (m.Msg == WM_COMMAND && reinterpret_cast<HWND>(m.LParam) == bare) commands.push_back(m.WParam);
    own(m);
  };
  auto* skinner = new TSkinButton(s.skinner);
  skinner->AttachToWindow(bare, s.skin, s.skinner, &s.skinner->ControlCanvas());
  PumpFor(50);
  const POINT c = CenterOf(bare);
  ClickAt(c.x, c.y);
  EXPECT_TRUE(PumpUntil([&] { return !commands.empty(); }, 2000));
  PumpFor(100);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(LOWORD(commands[0]), 321);
  EXPECT_EQ(HIWORD(commands[0]), BN_CLICKED);
  form->WindowProc = own;
}
