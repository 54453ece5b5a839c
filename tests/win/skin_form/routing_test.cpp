// The form skinner's routing as message sequences: which messages its three stages answer
// alone and which they hand to the window's own procedure, one table per stage.
#include "skin/form/win_skin_form.h"
#include "ui/skin_messages.h"
#include "win/skin_form/demo_forms.h"
#include "win/skin_form/message_sequence.h"

using namespace skintest;
using namespace seqtest;
using kq::skin::SkinPhase;
using uitest::PumpFor;
using uitest::PumpUntil;

namespace {

class RoutingTest : public SkinTest {
 protected:
  // The main window carries the skin; `frames` false leaves the frame to the system.
  void StartSkin(bool frames = true) {
    main = app->CreateForm<TDemoMain>();
    if (!frames) main->SkinData1->SkinControls.Exclude(xcMainMenu);
    main->Show();
    ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }));
  }
  static bool Ready(HWND w) {
    TWinSkinForm* s = SkinManager() ? SkinManager()->FindFormSkinner(w) : nullptr;
    return s && s->Phase == SkinPhase::Ready;
  }
  static void ShowAndWait(HWND w) {
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    ASSERT_TRUE(PumpUntil([&] { return Ready(w); })) << "never skinned";
    PumpFor(50);  // the first paints and activations are over
  }
  // A point in the middle of the client area, on the screen.
  static LPARAM ClientMiddle(HWND w) {
    const RECT r = WindowRectOf(w);
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // The non-client messages a window gets in a normal life: paint, activation, hit test,
  // a press on the border, a frame repaint, a new caption.
  static void NonClientTraffic(HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(w, WM_NCHITTEST, 0, ClientMiddle(w));
    SendMessageW(w, WM_NCLBUTTONDOWN, HTBORDER, ClientMiddle(w));
    SendMessageW(w, SKM_REPAINTFRAME, 0, 0);
    SetWindowTextW(w, L"新标题");
    PumpFor(30);
  }
  TDemoMain* main = nullptr;
};

const std::vector<UINT> kNonClient = {WM_NCPAINT,       WM_NCCALCSIZE, WM_NCHITTEST, WM_NCACTIVATE,
                                      WM_NCLBUTTONDOWN, WM_SETTEXT,    WM_SIZE,      SKM_REPAINTFRAME,
                                      SKM_SKINCONTROLS, SKM_QUERYSKINNED, SKM_REAPPLY};

// Stage 1 holds for every window, framed by the skin or not: the skinner answers its own
// questions and passes everything else on untouched when the skin leaves the frame alone.
TEST_F(RoutingTest, EveryWindowStage) {
  StartSkin(false);
  RecordingWindow bare;
  ShowAndWait(bare.wnd);
  MessageRecorder rec(bare.wnd, kNonClient);
  EXPECT_EQ(SendMessageW(bare.wnd, SKM_QUERYSKINNED, 0, 0), 1);
  PostMessageW(bare.wnd, SKM_SKINCONTROLS, 0, 0);
  PumpFor(30);
  NonClientTraffic(bare.wnd);
  SetWindowPos(bare.wnd, nullptr, 0, 0, 310, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  static constexpr Expect kTable[] = {
      {SKM_QUERYSKINNED, kSent | kSwallowed},
      {SKM_SKINCONTROLS, kPosted | kSwallowed},
      {WM_NCPAINT, kSent | kPassed},
      {WM_NCACTIVATE, kSent | kPassed},
      {WM_NCACTIVATE, kSent | kPassed},
      {WM_NCHITTEST, kSent | kPassed},
      {WM_NCLBUTTONDOWN, kSent | kPassed},
      {SKM_REPAINTFRAME, kSent | kPassed},
      {WM_SETTEXT, kSent | kPassed},  // the system draws the new caption: no frame change
      {WM_NCCALCSIZE, kSent | kPassed},
      {WM_NCPAINT, kSent | kPassed | kOptional},
      {WM_SIZE, kSent | kPassed},
      {WM_NCPAINT, kSent | kPassed | kOptional},
  };
  EXPECT_TRUE(SequenceIs(rec.Seen(), kTable));
}

// Stage 2, frame messages of top-level windows: window commands sent as WM_COMMAND come back
// posted as WM_SYSCOMMAND, Alt alone does not start the system's menu loop, and a size change
// reaches the window once.
TEST_F(RoutingTest, TopLevelFrameStage) {
  StartSkin();
  RecordingWindow bare;
  ShowAndWait(bare.wnd);
  MessageRecorder rec(bare.wnd, {WM_COMMAND, WM_SYSCOMMAND, WM_NCCALCSIZE, WM_SIZE});
  SendMessageW(bare.wnd, WM_COMMAND, SC_NEXTWINDOW, 0);
  PumpFor(30);
  SendMessageW(bare.wnd, WM_COMMAND, 1234, 0);
  EXPECT_EQ(SendMessageW(bare.wnd, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  SetWindowPos(bare.wnd, nullptr, 0, 0, 320, 230, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  static constexpr Expect kTable[] = {
      {WM_COMMAND, kSent | kSwallowed},
      {WM_SYSCOMMAND, kPosted | kPassed | kWParam, SC_NEXTWINDOW},
      {WM_COMMAND, kSent | kPassed},
      {WM_SYSCOMMAND, kSent | kSwallowed | kWParam, SC_KEYMENU},
      {WM_NCCALCSIZE, kSent | kPassed},
      {WM_SIZE, kSent | kPassed},        // once: the size handler gives it to the window
      {WM_NCCALCSIZE, kSent | kPassed},  // the region made for the new size
  };
  EXPECT_TRUE(SequenceIs(rec.Seen(), kTable));
}

// Stage 3 runs while the window is not minimised: the skin paints and activates the frame and
// repaints it after a new caption; minimised, the same traffic all goes to the window.
TEST_F(RoutingTest, NonMinimisedStage) {
  StartSkin();
  auto* form = new TRecordingForm(app);
  const HWND w = form->Handle();
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(w); }));
  PumpFor(50);
  {
    MessageRecorder rec(w, kNonClient);
    NonClientTraffic(w);
    SendMessageW(w, SKM_REAPPLY, 0, 0);
    static constexpr Expect kNormal[] = {
        {WM_NCPAINT, kSent | kSwallowed},
        {WM_NCACTIVATE, kSent | kSwallowed},
        {WM_NCACTIVATE, kSent | kSwallowed},
        {WM_NCHITTEST, kSent | kPassed},
        {WM_NCLBUTTONDOWN, kSent | kPassed},
        {SKM_REPAINTFRAME, kSent | kSwallowed},
        {WM_SETTEXT, kSent | kPassed},
        {WM_NCCALCSIZE, kSent | kPassed},  // the caption is drawn anew
        {WM_NCPAINT, kSent | kSwallowed | kOptional},
        {SKM_REAPPLY, kSent | kSwallowed},
        {WM_NCCALCSIZE, kSent | kPassed},  // fitted to the skin again
        {WM_NCPAINT, kSent | kSwallowed | kOptional},
        {WM_NCCALCSIZE, kSent | kPassed},  // nudged one pixel taller
        {WM_NCPAINT, kSent | kSwallowed | kOptional},
        {WM_SIZE, kSent | kPassed},
        {WM_NCCALCSIZE, kSent | kPassed},  // its region
        {WM_NCPAINT, kSent | kSwallowed | kOptional},
        {WM_NCCALCSIZE, kSent | kPassed},  // and back
        {WM_NCPAINT, kSent | kSwallowed | kOptional},
        {WM_SIZE, kSent | kPassed},
        {WM_NCCALCSIZE, kSent | kPassed},
        {WM_NCPAINT, kSent | kSwallowed | kOptional},
    };
    EXPECT_TRUE(SequenceIs(rec.Seen(), kNormal));
  }
  SendMessageW(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
  PumpFor(50);
  MessageRecorder rec(w, kNonClient);
  NonClientTraffic(w);
  static constexpr Expect kMinimised[] = {
      {WM_NCPAINT, kSent | kPassed | kOptional},  // an icon may have nothing to paint
      {WM_NCACTIVATE, kSent | kPassed},
      {WM_NCACTIVATE, kSent | kPassed},
      {WM_NCHITTEST, kSent | kPassed},
      {WM_NCLBUTTONDOWN, kSent | kPassed},
      {SKM_REPAINTFRAME, kSent | kPassed},
      {WM_SETTEXT, kSent | kPassed},
      {WM_NCPAINT, kSent | kPassed | kOptional},
      {WM_NCCALCSIZE, kSent | kPassed},
      {WM_NCPAINT, kSent | kPassed | kOptional},
  };
  EXPECT_TRUE(SequenceIs(rec.Seen(), kMinimised));
  delete form;
}

}  // namespace
