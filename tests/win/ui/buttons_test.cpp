// TBitBtn, TSpeedButton and TPanel on real windows, without a skin.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/extctrls.h"
#include "ui/forms.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;

namespace {

class ButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    MoveMouse(5, 5);
    form = app->CreateForm<TForm>();
    form->SetBounds(150, 150, 360, 240);
    form->SetCaption(L"按钮类");
  }
  void TearDown() override { delete app; }
  TApplication* app = nullptr;
  TForm* form = nullptr;
};

// A 16 x 16 cell per colour on magenta.
void Strip(TBitmap& b, std::initializer_list<COLORREF> cells) {
  b.SetSize(16 * static_cast<int>(cells.size()), 16);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(RGB(255, 0, 255));
  c.FillRect(RECT{0, 0, b.Width(), 16});
  int i = 0;
  for (COLORREF col : cells) {
    c.Brush().SetColor(col);
    c.FillRect(RECT{i * 16 + 4, 4, i * 16 + 12, 12});
    ++i;
  }
  b.Dormant();
}

COLORREF PixelAt(HWND w, int x, int y) {
  UpdateWindow(w);
  HDC dc = GetDC(w);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(w, dc);
  return c;
}

}  // namespace

TEST(ButtonLayout, GlyphAndTextPlaces) {
  // Centred together: margin (100 - (16 + 4 + 30) + 1) / 2 = 25.
  TButtonGlyphPlace p = CalcButtonLayout(SIZE{100, 30}, SIZE{16, 16}, SIZE{30, 13}, blGlyphLeft, -1, 4);
  EXPECT_EQ(p.glyph.x, 25);
  EXPECT_EQ(p.glyph.y, 7);
  EXPECT_EQ(p.text.left, 45);
  p = CalcButtonLayout(SIZE{100, 30}, SIZE{16, 16}, SIZE{30, 13}, blGlyphRight, 2, 4);
  EXPECT_EQ(p.glyph.x, 82);
  EXPECT_EQ(p.text.left, 48);
  p = CalcButtonLayout(SIZE{60, 60}, SIZE{16, 16}, SIZE{30, 13}, blGlyphBottom, 5, -1);
  EXPECT_EQ(p.glyph.y, 39);
  EXPECT_EQ(p.text.top, 39 - 13 - 13);  // spacing (60 - 21 - 13) / 2 = 13
}

TEST_F(ButtonsTest, BitBtnDrawsItsGlyphClicksAndKeepsItsTypeWhenMadeDefault) {
  auto* b = new TBitBtn(form);
  b->SetParent(form);
  b->SetBounds(20, 20, 100, 40);
  b->SetCaption(L"");
  TBitmap g;
  Strip(g, {RGB(0, 160, 0), RGB(160, 160, 160)});
  b->SetGlyph(&g);
  b->SetNumGlyphs(2);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  PumpFor(80);
  EXPECT_EQ(PixelAt(b->Handle(), 50, 20), RGB(0, 160, 0));
  b->SetEnabled(false);
  PumpFor(50);
  EXPECT_EQ(PixelAt(b->Handle(), 50, 20), RGB(160, 160, 160));  // the disabled cell
  b->SetEnabled(true);
  b->SetDefault(true);
  EXPECT_EQ(GetWindowLongPtrW(b->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  const POINT c = CenterOf(b->Handle());
  ClickAt(c.x, c.y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
  EXPECT_EQ(GetPropText(b, "NumGlyphs").value_or(L""), L"2");
  EXPECT_EQ(GetPropText(b, "Layout").value_or(L""), L"blGlyphLeft");
  EXPECT_TRUE(b->InheritsFrom("TButton"));
}

TEST_F(ButtonsTest, SpeedButtonsOfAGroupStayDownOneAtATime) {
  auto make = [&](int x) {
    auto* s = new TSpeedButton(form);
    s->SetParent(form);
    s->SetBounds(x, 20, 30, 25);
    s->SetGroupIndex(3);
    return s;
  };
  TSpeedButton* a = make(20);
  TSpeedButton* b = make(60);
  int clicks = 0;
  a->OnClick = b->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  PumpFor(50);
  POINT pa = a->ClientToScreen(POINT{15, 12}), pb = b->ClientToScreen(POINT{15, 12});
  ClickAt(pa.x, pa.y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 2000));
  EXPECT_TRUE(a->Down());
  ClickAt(pb.x, pb.y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 2; }, 2000));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  // Without AllowAllUp a click leaves it down.
  ClickAt(pb.x, pb.y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 3; }, 2000));
  EXPECT_TRUE(b->Down());
  // Pressed, dragged off and released: no click, not down.
  MoveMouse(pa.x, pa.y);
  PumpFor(50);
  MouseButton(true);
  PumpFor(50);
  EXPECT_TRUE(a->Pressed());
  MoveMouse(pa.x + 150, pa.y + 100);
  PumpFor(80);
  EXPECT_FALSE(a->Pressed());
  MouseButton(false);
  PumpFor(100);
  EXPECT_EQ(clicks, 3);
  EXPECT_FALSE(a->Down());
  // An ungrouped button never stays down.
  a->SetGroupIndex(0);
  a->SetDown(true);
  EXPECT_FALSE(a->Down());
}

TEST_F(ButtonsTest, PanelPaintsItsColourBevelAndCaption) {
  auto* p = new TPanel(form);
  p->SetParent(form);
  p->SetBounds(20, 20, 200, 60);
  p->SetColor(RGB(200, 220, 240));
  p->SetCaption(L"面板");
  form->Show();
  PumpFor(80);
  EXPECT_EQ(PixelAt(p->Handle(), 5, 5), RGB(200, 220, 240));
  EXPECT_EQ(PixelAt(p->Handle(), 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised
  EXPECT_EQ(PixelAt(p->Handle(), 199, 59), GetSysColor(COLOR_BTNSHADOW));
  p->SetBevelOuter(bvLowered);
  PumpFor(50);
  EXPECT_EQ(PixelAt(p->Handle(), 0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_TRUE(p->InheritsFrom("TCustomPanel"));
  EXPECT_TRUE(p->InheritsFrom("TCustomControl"));
  EXPECT_EQ(GetPropText(p, "BevelOuter").value_or(L""), L"bvLowered");
}
