// The main window with the stored skin at the prefix's dpi (LogPixels 96, 120, 144, 192):
// scaled as a whole, skinned with a region, every control's text inside its control. The
// run at 96 dpi writes the window's size to $KQ_DPI_REFERENCE; the other runs compare
// against it. With KQ_SHOT_DIR set, the window is saved as main_window_<dpi>.bmp.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/kq_aboutsoft.h"
#include "app/kq_main.h"
#include "app/kq_msg.h"
#include "app/pro_kqshutdown.h"
#include "base/clock.h"
#include "base/datetime.h"
#include "skin/engine/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "ui/comctrls.h"
#include "ui/dpi.h"
#include "ui/stdctrls.h"
#include "ui/text.h"
#include "unit/base/temp_dir.h"
#include "win/app/program_services.h"
#include "win/skin_controls/default_skin.h"
#include "win/skin_form/skin_fixture.h"

using kq::ui::ScaleToScreen;
using kq::ui::ScreenDpi;
using uitest::PumpFor;
using uitest::PumpUntil;

namespace {

SIZE TextExtent(const std::wstring& text, const TFont& font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font.Handle());
  SIZE s{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &s);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return s;
}

SIZE ClientOf(TControl* c) {
  const RECT r = c->ClientRect();
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// What a control needs beside its text: the check or radio cell and its gap, an edit's
// margins, a button's or a group box's edges, a combo or date picker's drop button.
struct Need {
  std::wstring text;
  int extraWidth = 0;
  SIZE room{};
};

Need NeedOf(TControl* c, const TSkinData& skin) {
  Need n{c->Caption(), 0, ClientOf(c)};
  const int cell = std::max(skin.Buttons.CheckBitmap.Width() / std::max(skin.Buttons.CheckButtonFrame, 1),
                            ScaleToScreen(13));
  if (dynamic_cast<TCheckBox*>(c) || dynamic_cast<TRadioButton*>(c)) {
    n.extraWidth = cell + ScaleToScreen(4);
  } else if (auto* e = dynamic_cast<TEdit*>(c)) {
    const LRESULT m = SendMessageW(e->Handle(), EM_GETMARGINS, 0, 0);
    n.extraWidth = LOWORD(m) + HIWORD(m);
  } else if (dynamic_cast<TButton*>(c)) {
    n.extraWidth = ScaleToScreen(4);
  } else if (dynamic_cast<TGroupBox*>(c)) {
    n.extraWidth = ScaleToScreen(16);
  } else if (auto* cb = dynamic_cast<TComboBox*>(c)) {
    n.extraWidth = GetSystemMetrics(SM_CXVSCROLL) + ScaleToScreen(4);
    for (const std::wstring& item : cb->Items())
      if (TextExtent(item, c->Font()).cx > TextExtent(n.text, c->Font()).cx) n.text = item;
  } else if (auto* dt = dynamic_cast<TDateTimePicker*>(c)) {
    SYSTEMTIME st{};
    SendMessageW(dt->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    wchar_t buf[64] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, 64);
    n.text = buf;
    n.extraWidth = GetSystemMetrics(SM_CXVSCROLL) + ScaleToScreen(4);
  }
  return n;
}

// A wrapped label's text as DrawText lays it out at the label's width.
SIZE WrappedExtent(const std::wstring& text, const TFont& font, int width) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font.Handle());
  RECT r{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return SIZE{r.right, r.bottom};
}

void ExpectNoTextClipped(TWinControl* parent, const TSkinData& skin) {
  for (TControl* c : parent->Controls()) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) ExpectNoTextClipped(w, skin);
    const Need n = NeedOf(c, skin);
    if (n.text.empty()) continue;
    auto* label = dynamic_cast<TLabel*>(c);
    const SIZE t = label && label->WordWrap() ? WrappedExtent(n.text, c->Font(), n.room.cx)
                                              : TextExtent(n.text, c->Font());
    EXPECT_LE(t.cx + n.extraWidth, n.room.cx) << c->Name << " at " << ScreenDpi() << " dpi";
    EXPECT_LE(t.cy, n.room.cy) << c->Name << " at " << ScreenDpi() << " dpi";
  }
}

class MainWindowAtDpi : public skintest::SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    w = CreateKqWindows(*app, program.services);
  }
  static bool Ready(HWND h) {
    TWinSkinForm* s = SkinManager() ? SkinManager()->FindFormSkinner(h) : nullptr;
    return s && s->Phase == kq::skin::SkinPhase::Ready;
  }
  apptest::ProgramServices program;
  TKqWindows w;
};

TEST_F(MainWindowAtDpi, ScalesAsAWholeAndCutsNoText) {
  const int dpi = ScreenDpi();
  if (const char* want = std::getenv("KQ_EXPECT_DPI")) {
    ASSERT_EQ(dpi, std::atoi(want));
  }
  TMAIN_KQ* main = w.MAIN_KQ;
  EXPECT_EQ(main->PixelsPerInch(), dpi);
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }));
  PumpFor(300);

  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(main->Handle(), rgn), ERROR);
  DeleteObject(rgn);

  const SIZE outer = skintest::OuterSize(main->Handle());
  const char* ref = std::getenv("KQ_DPI_REFERENCE");
  ASSERT_NE(ref, nullptr) << "KQ_DPI_REFERENCE names the file of the 96-dpi size";
  if (dpi == 96) {
    std::ofstream(ref) << outer.cx << ' ' << outer.cy << '\n';
  } else {
    int cx = 0, cy = 0;
    std::ifstream(ref) >> cx >> cy;
    ASSERT_GT(cx, 0) << "no 96-dpi size in " << ref;
    EXPECT_NEAR(outer.cx, MulDiv(cx, dpi, 96), 2);
    EXPECT_NEAR(outer.cy, MulDiv(cy, dpi, 96), 2);
  }
  ExpectNoTextClipped(main, *main->SkinData1);
  skintest::Shoot(main->Handle(), "main_window_" + std::to_string(dpi) + ".bmp");
}

TEST_F(MainWindowAtDpi, TheNoticeAndTheAboutBoxScaleToo) {
  const int dpi = ScreenDpi();
  w.MAIN_KQ->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(w.MAIN_KQ->Handle()); }));
  w.MSG_KQ->MsgTitle = L"注意";
  w.MSG_KQ->MsgText = L"设定的时间已经过去，请重新设定执行时间！";
  for (TForm* f : {static_cast<TForm*>(w.MSG_KQ), static_cast<TForm*>(w.aboutsoft_kq)}) {
    SCOPED_TRACE(f->Name);
    EXPECT_EQ(f->PixelsPerInch(), dpi);
    f->Show();
    ASSERT_TRUE(PumpUntil([&] { return Ready(f->Handle()); }));
    PumpFor(200);
    ExpectNoTextClipped(f, *w.MAIN_KQ->SkinData1);
    skintest::Shoot(f->Handle(), f->Name + "_" + std::to_string(dpi) + ".bmp");
    f->Hide();
  }
}

}  // namespace
