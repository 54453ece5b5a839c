// Message sequences, recorded the way Wine's user32 tests do it: thread hooks note every
// watched message sent or posted to one window, the window's own procedure notes which of
// them reached it, and a test compares the whole list with a static table in one call.
//
//   MessageRecorder rec(wnd, {WM_NCPAINT, WM_NCHITTEST});
//   ... send, post, pump ...
//   static constexpr Expect kTable[] = {{WM_NCPAINT, kSent | kSwallowed}, {WM_NCHITTEST, kSent | kPassed}};
//   EXPECT_TRUE(SequenceIs(rec.Seen(), kTable));
//
// "Passed" means the message reached the window's own procedure (a skinner handed it to the
// procedure it saved); "swallowed" means it arrived but went no further.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "ui/forms.h"

namespace seqtest {

enum : unsigned {
  kSent = 1,       // arrived through SendMessage (or the system sending it)
  kPosted = 2,     // arrived through the message queue
  kPassed = 4,     // reached the window's own procedure
  kSwallowed = 8,  // did not
  kOptional = 16,  // may be missing
  kWParam = 32,    // wParam must be the table's
};

struct Expect {
  UINT msg;
  unsigned flags;
  WPARAM wParam = 0;
};

struct Seen {
  UINT msg;
  bool posted;
  bool passed;
  WPARAM wParam;
  bool arrived = true;  // false: the procedure got it without its being sent or posted
};

class MessageRecorder {
 public:
  MessageRecorder(HWND wnd, std::vector<UINT> watched) : wnd_(wnd), watched_(std::move(watched)) {
    current_ = this;
    const DWORD thread = GetCurrentThreadId();
    call_ = SetWindowsHookExW(WH_CALLWNDPROC, &CallHook, nullptr, thread);
    ret_ = SetWindowsHookExW(WH_CALLWNDPROCRET, &RetHook, nullptr, thread);
    get_ = SetWindowsHookExW(WH_GETMESSAGE, &GetHook, nullptr, thread);
  }
  ~MessageRecorder() {
    UnhookWindowsHookEx(call_);
    UnhookWindowsHookEx(ret_);
    UnhookWindowsHookEx(get_);
    current_ = nullptr;
  }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<Seen>& Seen() const { return seen_; }
  void Clear() {
    seen_.clear();
    open_.clear();
    queued_.clear();
  }

  // The window's own procedure calls this for every message it gets.
  static void Reached(HWND wnd, UINT msg, WPARAM w) {
    MessageRecorder* r = current_;
    if (!r || wnd != r->wnd_ || !r->Watches(msg)) return;
    if (r->MarkLast(r->open_, msg, false) || r->MarkLast(r->queued_, msg, true)) return;
    r->seen_.push_back({msg, false, true, w, false});
  }

 private:
  bool Watches(UINT msg) const { return std::find(watched_.begin(), watched_.end(), msg) != watched_.end(); }
  // Marks the latest arrival of msg still waiting in `list` as passed.
  bool MarkLast(std::vector<size_t>& list, UINT msg, bool remove) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
      seqtest::Seen& s = seen_[*it];
      if (s.msg != msg || s.passed) continue;
      s.passed = true;
      if (remove) list.erase(std::next(it).base());
      return true;
    }
    return false;
  }
  static LRESULT CALLBACK CallHook(int code, WPARAM w, LPARAM l) {
    const auto* c = reinterpret_cast<const CWPSTRUCT*>(l);
    if (MessageRecorder* r = current_; code == HC_ACTION && r && c->hwnd == r->wnd_ && r->Watches(c->message)) {
      r->open_.push_back(r->seen_.size());
      r->seen_.push_back({c->message, false, false, c->wParam});
    }
    return CallNextHookEx(nullptr, code, w, l);
  }
  static LRESULT CALLBACK RetHook(int code, WPARAM w, LPARAM l) {
    const auto* c = reinterpret_cast<const CWPRETSTRUCT*>(l);
    if (MessageRecorder* r = current_; code == HC_ACTION && r && c->hwnd == r->wnd_ && r->Watches(c->message)) {
      for (auto it = r->open_.rbegin(); it != r->open_.rend(); ++it)
        if (r->seen_[*it].msg == c->message) {
          r->open_.erase(std::next(it).base());
          break;
        }
    }
    return CallNextHookEx(nullptr, code, w, l);
  }
  static LRESULT CALLBACK GetHook(int code, WPARAM w, LPARAM l) {
    const auto* m = reinterpret_cast<const MSG*>(l);
    if (MessageRecorder* r = current_;
        code == HC_ACTION && w == PM_REMOVE && r && m->hwnd == r->wnd_ && r->Watches(m->message)) {
      r->queued_.push_back(r->seen_.size());
      r->seen_.push_back({m->message, true, false, m->wParam});
    }
    return CallNextHookEx(nullptr, code, w, l);
  }

  inline static MessageRecorder* current_ = nullptr;
  HWND wnd_;
  std::vector<UINT> watched_;
  std::vector<seqtest::Seen> seen_;
  std::vector<size_t> open_;    // sent messages whose handling has not returned yet
  std::vector<size_t> queued_;  // posted messages not yet seen by the procedure
  HHOOK call_ = nullptr, ret_ = nullptr, get_ = nullptr;
};

inline std::string MessageName(UINT msg) {
  switch (msg) {
    case WM_SIZE: return "WM_SIZE";
    case WM_SETTEXT: return "WM_SETTEXT";
    case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
    case WM_NCHITTEST: return "WM_NCHITTEST";
    case WM_NCPAINT: return "WM_NCPAINT";
    case WM_NCACTIVATE: return "WM_NCACTIVATE";
    case WM_NCLBUTTONDOWN: return "WM_NCLBUTTONDOWN";
    case WM_COMMAND: return "WM_COMMAND";
    case WM_SYSCOMMAND: return "WM_SYSCOMMAND";
    case 0x3401: return "SKM_REAPPLY";
    case 0x3502: return "SKM_REPAINTFRAME";
    case 0x3503: return "SKM_SKINCONTROLS";
    case 0x3504: return "SKM_QUERYSKINNED";
  }
  std::ostringstream s;
  s << "0x" << std::hex << msg;
  return s.str();
}

inline std::string Describe(const Seen& s) {
  std::ostringstream o;
  o << MessageName(s.msg) << (s.arrived ? (s.posted ? " posted" : " sent") : " (not arrived)")
    << (s.passed ? " passed" : " swallowed") << " w=" << s.wParam;
  return o.str();
}

inline std::string Describe(const Expect& e) {
  std::ostringstream o;
  o << MessageName(e.msg) << ((e.flags & kPosted) ? " posted" : (e.flags & kSent) ? " sent" : "")
    << ((e.flags & kPassed) ? " passed" : (e.flags & kSwallowed) ? " swallowed" : "");
  if (e.flags & kWParam) o << " w=" << e.wParam;
  if (e.flags & kOptional) o << " (optional)";
  return o.str();
}

inline bool Matches(const Seen& s, const Expect& e) {
  if (s.msg != e.msg) return false;
  if ((e.flags & kSent) && (!s.arrived || s.posted)) return false;
  if ((e.flags & kPosted) && !s.posted) return false;
  if (!(e.flags & (kSent | kPosted)) && s.arrived) return false;
  if ((e.flags & kPassed) && !s.passed) return false;
  if ((e.flags & kSwallowed) && s.passed) return false;
  if ((e.flags & kWParam) && s.wParam != e.wParam) return false;
  return true;
}

// The recorded list against the table, in order; optional entries may be missing.
inline ::testing::AssertionResult SequenceIs(const std::vector<Seen>& seen, std::span<const Expect> table) {
  size_t i = 0, k = 0;
  while (k < table.size()) {
    if (i < seen.size() && Matches(seen[i], table[k])) {
      ++i;
      ++k;
    } else if (table[k].flags & kOptional) {
      ++k;
    } else {
      break;
    }
  }
  if (i == seen.size() && k == table.size()) return ::testing::AssertionSuccess();
  std::ostringstream o;
  o << "sequences differ at recorded entry " << i << ", table entry " << k << "\n  recorded:";
  for (size_t n = 0; n < seen.size(); ++n) o << "\n    " << (n == i ? "> " : "  ") << Describe(seen[n]);
  o << "\n  expected:";
  for (size_t n = 0; n < table.size(); ++n) o << "\n    " << (n == k ? "> " : "  ") << Describe(table[n]);
  return ::testing::AssertionFailure() << o.str();
}

// A top-level window of its own class whose procedure reports to the recorder.
struct RecordingWindow {
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    MessageRecorder::Reached(w, msg, wp);
    return DefWindowProcW(w, msg, wp, lp);
  }
  RecordingWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), L"KqTestRecording", &wc)) {
      wc = WNDCLASSEXW{};
      wc.cbSize = sizeof(wc);
      wc.lpfnWndProc = &Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
      wc.lpszClassName = L"KqTestRecording";
      RegisterClassExW(&wc);
    }
    wnd = CreateWindowExW(0, L"KqTestRecording", L"记录窗口", WS_OVERLAPPEDWINDOW, 220, 180, 300, 200, nullptr,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~RecordingWindow() {
    if (IsWindow(wnd)) DestroyWindow(wnd);
  }
  HWND wnd;
};

// A form whose own handling reports to the recorder (behind the form skinner's message chain).
class TRecordingForm : public TForm {
  KQ_CLASS(TRecordingForm, TForm)

 public:
  explicit TRecordingForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    SetBorderStyle(bsSizeable);
    SetCaption(L"记录窗体");
    SetBounds(240, 160, 320, 220);
    EndLoading();
  }

 protected:
  void WndProc(TMessage& m) override {
    if (HandleAllocated()) MessageRecorder::Reached(Handle(), m.Msg, m.WParam);
    TForm::WndProc(m);
  }
};

}  // namespace seqtest
