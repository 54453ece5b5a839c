// Helpers of the scroll-bar skinner suite: a test skin whose scroll images tell their frames
// by colour, and a mouse script played from a second thread while the main thread sits in
// the system's scroll loop (with a watchdog that ends a press the loop never saw released).
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "skin/controls/skin_scrollbars.h"
#include "win/skin_controls/test_skin.h"
#include "win/ui/ui_test_util.h"

namespace scrolltest {

// Frame k (from 1) of each strip has a colour of its own.
inline COLORREF ArrowColour(int k) { return RGB(8 * k, 0x40, 0x90); }
inline COLORREF TrackColour(int k) { return RGB(0x30, 0x50 + 0x20 * k, 0x30); }
inline COLORREF ThumbColour(int k) { return RGB(0xA0 + 0x10 * k, 0x60, 0x20); }
inline COLORREF HeaderColour(int k) { return RGB(0x50, 0x30, 0x40 + 0x20 * k); }

inline kq::Bitmap SolidStrip(int count, int w, int h, COLORREF (*colour)(int)) {
  kq::Bitmap b(count * w, h);
  for (int k = 1; k <= count; ++k) skintest::FillBox(b, (k - 1) * w, 0, k * w, h, colour(k));
  return b;
}

inline std::unique_ptr<kq::TDataSkinObject> Object(const char* name, kq::Bitmap bmp, int frames) {
  auto o = std::make_unique<kq::TDataSkinObject>(name);
  o->Bitmap = std::move(bmp);
  o->FrameCount = frames;
  return o;
}

// The button test skin plus scroll bars and a header bar.
inline void MakeScrollSkin(TSkinData& skin) {
  skintest::MakeTestSkin(skin);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  skin.Scrollbar = Object("Scrollbar", SolidStrip(23, a, a, ArrowColour), 23);
  skin.HorzScroll = Object("HorzScroll", SolidStrip(4, 8, a, TrackColour), 4);
  skin.VertScroll = Object("VertScroll", SolidStrip(4, a, 8, TrackColour), 4);
  skin.HorzScrollThumb = Object("HorzScrollThumb", SolidStrip(3, 8, a, ThumbColour), 3);
  skin.VertScrollThumb = Object("VertScrollThumb", SolidStrip(3, a, 8, ThumbColour), 3);
  skin.Headerbar = Object("Headerbar", SolidStrip(5, 12, 12, HeaderColour), 5);
}

inline skintest::SkinnedForm AttachScrollSkinner(TForm* form) {
  skintest::SkinnedForm s;
  s.skin = new TSkinData(form);
  MakeScrollSkin(*s.skin);
  s.skinner = new TWinSkinForm(form);
  s.skinner->SetWindow(form->Handle());
  s.skinner->AttachToForm(s.skin, form);
  return s;
}

inline COLORREF ScreenPixel(POINT p) {
  HDC dc = GetDC(nullptr);
  const COLORREF c = GetPixel(dc, p.x, p.y);
  ReleaseDC(nullptr, dc);
  return c;
}

// Waits (on the calling thread, without pumping) until pred holds or the time is up.
inline bool WaitFor(const std::function<bool()>& pred, int timeoutMs) {
  for (int t = 0; t < timeoutMs; t += 5) {
    if (pred()) return true;
    Sleep(5);
  }
  return pred();
}

// Plays `script` on a second thread while the main thread pumps messages (and sits in the
// scroll loop the script's press starts). When the script is over, the button is released
// for sure: a release by SendInput, and if the main thread still has not come back from the
// loop after a while, a WM_LBUTTONUP posted to whatever holds the capture.
class MouseScript {
 public:
  explicit MouseScript(std::function<void()> script) : script_(std::move(script)) {}

  // Returns false when the main thread needed the watchdog to get out.
  bool Run(int timeoutMs = 8000) {
    std::atomic<bool> scriptDone{false};
    std::atomic<bool> mainBack{false};
    DWORD mainThread = GetCurrentThreadId();
    bool rescued = false;
    std::thread t([&] {
      script_();
      uitest::MouseButton(false);
      scriptDone = true;
      if (!WaitFor([&] { return mainBack.load(); }, 3000)) {
        rescued = true;
        GUITHREADINFO gi{};
        gi.cbSize = sizeof(gi);
        if (GetGUIThreadInfo(mainThread, &gi) && gi.hwndCapture)
          PostMessageW(gi.hwndCapture, WM_LBUTTONUP, 0, 0);
        uitest::MouseButton(false);
      }
    });
    uitest::PumpUntil([&] { return scriptDone.load(); }, timeoutMs);
    uitest::PumpFor(50);
    mainBack = true;
    t.join();
    return !rescued;
  }

 private:
  std::function<void()> script_;
};

// Calls `sample` on the main thread every 10 ms while it lives, also while the main thread is
// inside the system's scroll loop (which dispatches timer messages).
class Sampler {
 public:
  explicit Sampler(std::function<void()> sample) {
    Current() = std::move(sample);
    timer_ = SetTimer(nullptr, 0, 10, &Tick);
  }
  ~Sampler() {
    KillTimer(nullptr, timer_);
    Current() = nullptr;
  }

 private:
  static std::function<void()>& Current() {
    static std::function<void()> f;
    return f;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Current()) Current()();
  }
  UINT_PTR timer_ = 0;
};

// The overlay windows (of any skinner) among the children of `parent`.
inline int CountOverlays(HWND parent) {
  int n = 0;
  for (HWND c = GetTopWindow(parent); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[32] = {};
    GetClassNameW(c, cls, 32);
    if (wcscmp(cls, L"TWScrollbar") == 0) ++n;
  }
  return n;
}

// The screen point at (x, y) of an overlay.
inline POINT OverlayPoint(const TWScrollbar* o, int x, int y) {
  POINT p{x, y};
  ClientToScreen(o->Window(), &p);
  return p;
}

}  // namespace scrolltest
