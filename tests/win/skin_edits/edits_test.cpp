// The edit, combo box, up-down, progress and track-bar skinners on real windows, with real
// mouse input and pixels read back.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/controls/skin_bars.h"
#include "skin/controls/skin_edits.h"
#include "skin/controls/skin_scrollbars.h"
#include "skin/draw/resample.h"
#include "ui/comctrls.h"
#include "ui/handles.h"
#include "ui/ranges.h"
#include "ui/stdctrls.h"
#include "win/skin_edits/edits_test_util.h"

using namespace edittest;
using namespace uitest;

namespace {

// ---- edits ----

TEST_F(EditsTest, AnEditWithABorderGetsTheShadowFrameAndOneWithoutGetsNone) {
  auto* edit = Add<TEdit>(20, 20, 80, 21);
  edit->SetText(L"17");
  // A bare edit window without any border, as a foreign dialog might have.
  form->HandleNeeded();
  HWND plain = CreateWindowExW(0, L"EDIT", L"58", WS_CHILD | WS_VISIBLE, 120, 20, 80, 21, form->Handle(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(plain);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinEdit>(edit);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->Handle, edit->Handle());
  edit->Repaint();
  PumpFor(50);
  EXPECT_TRUE(skinner->FramedLastPaint());
  const SIZE size = WindowSize(edit->Handle());
  EXPECT_EQ(WindowPixel(edit->Handle(), 0, 0), kShadow);
  EXPECT_EQ(WindowPixel(edit->Handle(), size.cx - 1, size.cy / 2), kShadow);
  EXPECT_EQ(WindowPixel(edit->Handle(), 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(WindowPixel(edit->Handle(), size.cx - 2, size.cy - 2), RGB(255, 255, 255));

  // The system's own border painting alone (WM_NCPAINT) does not bring its look back.
  SetWindowPos(edit->Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
  PumpFor(50);
  EXPECT_EQ(WindowPixel(edit->Handle(), 0, 0), kShadow);

  auto* bare = new TSkinEdit(s.skinner);
  bare->AttachToWindow(plain, s.skin, s.skinner, &s.skinner->ControlCanvas());
  InvalidateRect(plain, nullptr, TRUE);
  UpdateWindow(plain);
  PumpFor(50);
  EXPECT_FALSE(bare->FramedLastPaint());
  EXPECT_NE(WindowPixel(plain, 0, 0), kShadow);
  DestroyWindow(plain);
}

TEST_F(EditsTest, PrintingAnEditDrawsItsBorderIntoTheGivenPicture) {
  auto* edit = Add<TEdit>(20, 20, 80, 21);
  SkinAll();
  TBitmap picture(80, 21);
  picture.Canvas().Brush().SetColor(RGB(1, 2, 3));
  picture.Canvas().FillRect(RECT{0, 0, 80, 21});
  HDC dc = picture.MemoryDC();
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  SendMessageW(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT);
  EXPECT_EQ(GetPixel(dc, 0, 0), kShadow);
  EXPECT_EQ(GetPixel(dc, 79, 20), kShadow);
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 255));
}

TEST_F(EditsTest, ATimePickerIsAnEditAndItsSpinButtonsAreSkinnedToo) {
  auto* picker = Add<TDateTimePicker>(20, 60, 120, 21);
  picker->SetKind(dtkTime);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinEdit>(picker);
  ASSERT_NE(skinner, nullptr);
  picker->Repaint();
  PumpFor(50);
  ASSERT_NE(skinner->UpDown(), nullptr);
  EXPECT_TRUE(skinner->UpDown()->Embedded);
  HWND spin = skinner->UpDown()->Handle;
  EXPECT_EQ(GetParent(spin), picker->Handle());
  // Both halves from the up-down strip, one pixel in from the edge: frames 1 and 5.
  InvalidateRect(spin, nullptr, TRUE);
  UpdateWindow(spin);
  RECT c;
  GetClientRect(spin, &c);
  EXPECT_EQ(WindowPixel(spin, c.right / 2, 3), kUpDown[1]);
  EXPECT_EQ(WindowPixel(spin, c.right / 2, c.bottom - 3), kUpDown[5]);
  EXPECT_EQ(WindowPixel(spin, 0, c.bottom / 2), s.skin->ButtonFaceColour);
}

// ---- combo boxes ----

TEST_F(EditsTest, ADropDownCombosEditIsSubclassedAndGivenBackWhenTheSkinGoes) {
  auto* combo = Add<TComboBox>(20, 100, 160, 21);
  combo->SetStyle(csDropDown);
  combo->SetItems({L"关闭计算机", L"注销计算机"});
  combo->SetItemIndex(0);
  form->HandleNeeded();
  HWND edit = combo->EditHandle();
  ASSERT_TRUE(edit);
  const LONG_PTR before = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinComBox>(combo);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->EditWindow(), edit);
  EXPECT_NE(GetWindowLongPtrW(edit, GWLP_WNDPROC), before);
  combo->Repaint();
  PumpFor(50);
  // The composite edge and button of frame 1 at the border; the text area stays the control's.
  const SIZE size = WindowSize(combo->Handle());
  EXPECT_EQ(WindowPixel(combo->Handle(), 0, size.cy / 2), kComboFrame[1]);
  EXPECT_EQ(WindowPixel(combo->Handle(), size.cx - 5, size.cy / 2), kComboFrame[1]);

  // A press in the edit shows the pressed frame; the release takes it back.
  RECT er;
  GetWindowRect(edit, &er);
  MoveMouse(er.left + 10, (er.top + er.bottom) / 2);
  PumpFor(50);
  MouseButton(true);
  ASSERT_TRUE(PumpUntil([&] { return skinner->LastFrame() == 2; }, 2000));
  EXPECT_EQ(WindowPixel(combo->Handle(), 0, size.cy / 2), kComboFrame[2]);
  MouseButton(false);
  EXPECT_TRUE(PumpUntil([&] { return skinner->LastFrame() != 2; }, 2000));
  // Focused (the edit has the focus) and hot: frame 4.
  EXPECT_EQ(skinner->LastFrame(), 4);

  s.skinner->Detach();
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), before);
  // The control works on without the skin.
  SetWindowTextW(edit, L"重启计算机");
  EXPECT_EQ(combo->Text(), L"重启计算机");
}

TEST_F(EditsTest, ADropDownListHasNoEditToSubclassAndALeftScrollBarComboGetsTheMirroredImage) {
  auto* list = Add<TComboBox>(20, 100, 160, 21);
  list->SetStyle(csDropDownList);
  list->SetItems({L"关闭计算机"});
  list->SetItemIndex(0);
  auto* leftie = Add<TComboBox>(20, 140, 160, 21);
  leftie->SetStyle(csDropDownList);
  form->HandleNeeded();
  SetWindowLongPtrW(leftie->Handle(), GWL_EXSTYLE, GetWindowLongPtrW(leftie->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  SkinAll();
  auto* a = SkinnerOf<TSkinComBox>(list);
  auto* b = SkinnerOf<TSkinComBox>(leftie);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->EditWindow(), nullptr);
  // Make the two images tell apart: the mirrored copy's first frame gets a colour of its own.
  FillBox(s.skin->SunkEdge->Bitmap, 0, 0, kq::kComboCompositeWidth, 2, RGB(0x12, 0x34, 0x56));
  list->Repaint();
  leftie->Repaint();
  PumpFor(50);
  const SIZE size = WindowSize(list->Handle());
  EXPECT_EQ(WindowPixel(list->Handle(), size.cx / 2, 0), kComboFrame[1]);
  EXPECT_EQ(WindowPixel(leftie->Handle(), size.cx / 2, 0), RGB(0x12, 0x34, 0x56));
}

TEST_F(EditsTest, ACompositeScaledForTheDisplayShowsItsWholeFirstFrame) {
  // At 200 % the composite's frames are 100 pixels wide: the button at the right of frame 1
  // must still be the one drawn, not the middle of a frame cut at 50 pixels.
  auto* list = Add<TComboBox>(20, 100, 160, 42);
  list->SetStyle(csDropDownList);
  SkinAll();
  ASSERT_NE(SkinnerOf<TSkinComBox>(list), nullptr);
  kq::TDataSkinBorder& b = *s.skin->ComboButton;
  b.Bitmap = kq::ResampleFrames(b.Bitmap, kq::Layout::SideBySide, b.FrameCount, 192, 96);
  b.Margins = kq::Margins{4, 4, 42, 4};
  list->Repaint();
  PumpFor(50);
  const SIZE size = WindowSize(list->Handle());
  EXPECT_EQ(WindowPixel(list->Handle(), size.cx - 10, size.cy / 2), kComboFrame[1]);
}

TEST_F(EditsTest, ASimpleCombosListGetsSkinnedScrollBarsAndItsEditIsNotSubclassed) {
  auto* simple = Add<TComboBox>(20, 100, 160, 90);
  simple->SetStyle(csSimple);
  simple->SetItems({L"一", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九", L"十"});
  SkinAll();
  auto* skinner = SkinnerOf<TSkinComBox>(simple);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->EditWindow(), nullptr);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(simple->Handle(), &info));
  auto* bars = dynamic_cast<TSkinScrollbarH*>(skinner->ListSkinner());
  ASSERT_NE(bars, nullptr);
  EXPECT_EQ(bars->Handle, info.hwndList);
  // Ten items in a short list: the vertical bar is there and carries an overlay that shows.
  ASSERT_NE(bars->VertOverlay(), nullptr);
  PumpFor(100);
  EXPECT_TRUE(bars->VertOverlay()->Shown);
  EXPECT_TRUE(IsWindowVisible(bars->VertOverlay()->Window()));
  // Nothing is drawn over a simple combo box (its button is invisible).
  simple->Repaint();
  PumpFor(50);
  EXPECT_EQ(skinner->LastFrame(), 0);
  // The strip of the combo box below its list (the list keeps whole items) shows the form
  // behind it, not the black of an unpainted picture.
  RECT client, list;
  GetClientRect(simple->Handle(), &client);
  GetWindowRect(info.hwndList, &list);
  MapWindowPoints(nullptr, simple->Handle(), reinterpret_cast<POINT*>(&list), 2);
  ASSERT_LT(list.bottom, client.bottom);
  POINT below{client.right / 2, client.bottom - 1};
  ClientToScreen(simple->Handle(), &below);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, below.x, below.y), ColorToRGB(form->Color()));
  ReleaseDC(nullptr, screen);
}

TEST_F(EditsTest, ADatePickerThatDropsDownIsDrawnAsAComboBox) {
  auto* picker = Add<TDateTimePicker>(20, 60, 120, 21);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinComBox>(picker);
  ASSERT_NE(skinner, nullptr);
  picker->Repaint();
  PumpFor(50);
  EXPECT_NE(skinner->LastFrame(), 0);
  const SIZE size = WindowSize(picker->Handle());
  EXPECT_EQ(WindowPixel(picker->Handle(), 0, size.cy / 2), kComboFrame[skinner->LastFrame()]);
}

// ---- track bars ----

TEST_F(EditsTest, AVerticalTrackBarWithoutAVerticalThumbImageUsesTheHorizontalOne) {
  auto* horz = Add<TTrackBar>(20, 20, 150, 40);
  auto* vert = Add<TTrackBar>(200, 20, 40, 150);
  vert->SetOrientation(trVertical);
  vert->SetPosition(5);
  SkinAll();
  auto* h = SkinnerOf<TSkinTrackBar>(horz);
  auto* v = SkinnerOf<TSkinTrackBar>(vert);
  ASSERT_NE(h, nullptr);
  ASSERT_NE(v, nullptr);
  horz->Repaint();
  vert->Repaint();
  PumpFor(50);
  ASSERT_GT(v->ThumbsDrawn(), 0);
  EXPECT_EQ(h->LastThumb(), kq::skin::ThumbImage::Horizontal);
  EXPECT_EQ(v->LastThumb(), kq::skin::ThumbImage::Horizontal);
  RECT t;
  SendMessageW(vert->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
  EXPECT_EQ(WindowPixel(vert->Handle(), (t.left + t.right) / 2, (t.top + t.bottom) / 2), kThumbHorz);

  // With a vertical image the vertical bar takes it.
  const COLORREF vertFrames[6] = {0, 0, kThumbVert, 0, 0, 0};
  s.skin->TrackbarThumbVert = std::make_unique<kq::TDataSkinObject>("Trackbar.ThumbVert");
  s.skin->TrackbarThumbVert->Bitmap = Strip(5, 19, 11, vertFrames);
  v->SkinChanged();
  PumpFor(50);
  EXPECT_EQ(v->LastThumb(), kq::skin::ThumbImage::Vertical);
  EXPECT_EQ(WindowPixel(vert->Handle(), (t.left + t.right) / 2, (t.top + t.bottom) / 2), kThumbVert);
}

// ---- progress bars ----

TEST_F(EditsTest, AProgressBarIsFilledFromTheSkinAndAVerticalOneFromTheBottom) {
  auto* bar = Add<TProgressBar>(20, 20, 200, 16);
  bar->SetPosition(25);
  auto* column = Add<TProgressBar>(260, 20, 16, 100);
  column->SetOrientation(pbVertical);
  column->SetRange(0, 10);
  column->SetPosition(5);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinProgress>(bar);
  ASSERT_NE(skinner, nullptr);
  bar->Repaint();
  column->Repaint();
  PumpFor(50);
  EXPECT_EQ(skinner->LastFill(), 50);
  EXPECT_EQ(WindowPixel(bar->Handle(), 20, 8), kProgressFull);
  EXPECT_EQ(WindowPixel(bar->Handle(), 120, 8), kProgressEmpty);
  // The bottom row is painted too.
  EXPECT_EQ(WindowPixel(bar->Handle(), 120, 15), kProgressEmpty);
  EXPECT_EQ(WindowPixel(column->Handle(), 8, 90), kProgressFull);
  EXPECT_EQ(WindowPixel(column->Handle(), 8, 10), kProgressEmpty);

  bar->SetPosition(100);
  PumpFor(50);
  EXPECT_EQ(skinner->LastFill(), 200);
  EXPECT_EQ(WindowPixel(bar->Handle(), 190, 8), kProgressFull);
}

TEST_F(EditsTest, ASkinWithoutAProgressImageLeavesTheBarToPaintItself) {
  auto* bar = Add<TProgressBar>(20, 20, 200, 16);
  bar->SetPosition(50);
  form->Show();
  PumpFor(50);
  bar->Repaint();
  const COLORREF own = WindowPixel(bar->Handle(), 150, 8);
  SkinAll(false);
  auto* skinner = SkinnerOf<TSkinProgress>(bar);
  ASSERT_NE(skinner, nullptr);
  bar->Repaint();
  PumpFor(50);
  EXPECT_EQ(skinner->LastFill(), -1);
  EXPECT_EQ(WindowPixel(bar->Handle(), 150, 8), own);
  EXPECT_NE(WindowPixel(bar->Handle(), 150, 8), s.skin->ButtonFaceColour);
}

// ---- up-downs ----

TEST_F(EditsTest, AnUpDownShowsThePressedFrameOnlyOnTheButtonUnderTheMouse) {
  auto* buddy = Add<TEdit>(20, 20, 60, 21);
  auto* updown = Add<TUpDown>(80, 20, 17, 40);
  updown->SetRange(0, 10);
  updown->SetAssociate(buddy);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinUpDown>(updown);
  ASSERT_NE(skinner, nullptr);
  EXPECT_FALSE(skinner->Embedded);
  updown->Repaint();
  PumpFor(50);
  EXPECT_EQ(skinner->LastFrame(0), 1);
  EXPECT_EQ(skinner->LastFrame(1), 1);
  EXPECT_EQ(WindowPixel(updown->Handle(), 8, 5), kUpDown[1]);
  EXPECT_EQ(WindowPixel(updown->Handle(), 8, 35), kUpDown[5]);

  RECT r;
  GetWindowRect(updown->Handle(), &r);
  MoveMouse(r.left + 8, r.top + 5);
  PumpFor(80);
  MouseButton(true);
  ASSERT_TRUE(PumpUntil([&] { return skinner->LastFrame(0) == 2; }, 2000));
  EXPECT_EQ(skinner->LastFrame(1), 1);
  EXPECT_EQ(WindowPixel(updown->Handle(), 8, 5), kUpDown[2]);
  MouseButton(false);
  ASSERT_TRUE(PumpUntil([&] { return skinner->LastFrame(0) == 4; }, 2000));
  EXPECT_EQ(updown->Position(), 1);
  EXPECT_EQ(buddy->Text(), L"1");
  MoveMouse(5, 5);
  EXPECT_TRUE(PumpUntil([&] { return skinner->LastFrame(0) == 1; }, 2000));

  updown->SetEnabled(false);
  PumpFor(50);
  updown->Repaint();
  EXPECT_EQ(skinner->LastFrame(0), 3);
  EXPECT_EQ(skinner->LastFrame(1), 3);
}

// ---- all of them ----

TEST_F(EditsTest, SkinOnAndOffLeavesNoHandlesAndGivesEveryWindowItsProcedureBack) {
  Add<TEdit>(20, 20, 80, 21);
  auto* combo = Add<TComboBox>(20, 50, 160, 21);
  combo->SetStyle(csDropDown);
  Add<TTrackBar>(20, 80, 150, 40);
  Add<TProgressBar>(20, 130, 150, 16)->SetPosition(30);
  Add<TUpDown>(200, 20, 17, 40);
  Add<TDateTimePicker>(200, 80, 120, 21);
  Add<TDateTimePicker>(200, 110, 120, 21)->SetKind(dtkTime);
  form->Show();
  PumpFor(50);
  std::vector<std::pair<HWND, LONG_PTR>> procs;
  EnumChildWindows(
      form->Handle(),
      [](HWND w, LPARAM l) -> BOOL {
        reinterpret_cast<std::vector<std::pair<HWND, LONG_PTR>>*>(l)->emplace_back(w, GetWindowLongPtrW(w, GWLP_WNDPROC));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&procs));
  long gdi = 0, user = 0;
  for (int i = 0; i < 4; ++i) {
    s = skintest::AttachTestSkinner(form);
    AddControlImages(*s.skin);
    SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(30);
    EXPECT_GE(s.skinner->ControlSkinners.size(), 8u);
    s.skinner->Detach();
    delete s.skinner;
    delete s.skin;
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(30);
    for (auto& [w, proc] : procs) EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), proc) << i;
    if (i == 0) {
      gdi = kq::ui::LiveGdiHandles();
      user = kq::ui::LiveUserHandles();
    }
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi);
  EXPECT_EQ(kq::ui::LiveUserHandles(), user);
}

}  // namespace
