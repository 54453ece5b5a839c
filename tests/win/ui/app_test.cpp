// The application window: the taskbar button, minimising and restoring the program as a
// whole, hooks on its messages; handle leaks; the demo form's screenshot.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/text.h"

#include "win/ui/demo_form.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;

namespace {

struct kq_test_error : std::runtime_error {
  kq_test_error() : std::runtime_error("设置文件有误") {}
};

// Top-level windows of this process that get a taskbar button: visible, and either unowned
// and not tool windows, or marked as application windows.
std::vector<HWND> TaskbarWindows() {
  std::vector<HWND> out;
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid != GetCurrentProcessId() || !IsWindowVisible(w)) return TRUE;
        const LONG ex = GetWindowLongW(w, GWL_EXSTYLE);
        const bool owned = GetWindow(w, GW_OWNER) != nullptr;
        if ((ex & WS_EX_APPWINDOW) || (!owned && !(ex & WS_EX_TOOLWINDOW)))
          reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&out));
  return out;
}

TEST_F(UiTest, TheApplicationWindowIsTheOnlyTaskbarWindow) {
  auto* main = app->CreateForm<TDemoForm>();
  auto* other = app->CreateForm<TForm>();
  main->Show();
  other->Show();
  EXPECT_EQ(TaskbarWindows(), std::vector<HWND>{app->Handle()});
  EXPECT_EQ(WindowText(app->Handle()), L"测试程序");
  RECT r;
  GetWindowRect(app->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 0);  // nothing to see of it
  // No form visible: no taskbar button either.
  main->Hide();
  other->Hide();
  EXPECT_TRUE(TaskbarWindows().empty());
}

TEST_F(UiTest, MinimisingTheApplicationHidesAllItsFormsAndRestoringShowsThem) {
  auto* main = app->CreateForm<TDemoForm>();
  auto* other = app->CreateForm<TForm>();
  auto* hidden = app->CreateForm<TForm>();
  main->Show();
  other->Show();
  hidden->HandleNeeded();
  app->Minimize();
  EXPECT_TRUE(app->IsMinimized());
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  app->Restore();
  EXPECT_FALSE(app->IsMinimized());
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_TRUE(IsWindowVisible(other->Handle()));
  EXPECT_FALSE(IsWindowVisible(hidden->Handle()));  // it was not shown before
  // The taskbar's commands arrive as system commands to the application window.
  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
}

TEST_F(UiTest, HooksSeeTheApplicationWindowsMessagesFirst) {
  auto* main = app->CreateForm<TDemoForm>();
  main->Show();
  std::vector<WPARAM> seen;
  bool swallow = true;
  const int id = app->HookMainWindow([&](TMessage& m) {
    if (m.Msg != WM_SYSCOMMAND) return false;
    seen.push_back(m.WParam & 0xFFF0);
    EXPECT_FALSE(app->IsMinimized());  // before the application's own handling
    return swallow;
  });
  // The main form's minimise button goes through the application window.
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], static_cast<WPARAM>(SC_MINIMIZE));
  EXPECT_FALSE(app->IsMinimized());  // the hook handled it
  swallow = false;
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(app->IsMinimized());
  app->UnhookMainWindow(id);
  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_FALSE(app->IsMinimized());
}

TEST_F(UiTest, ExceptionInOnShowIsReportedAndTheFormStillShows) {
  auto* form = app->CreateForm<TForm>();
  form->OnShow = [](TObject*) { throw kq_test_error(); };
  std::wstring shown;
  app->OnException = [&](std::exception_ptr e) {
    try {
      std::rethrow_exception(e);
    } catch (const std::exception& ex) {
      shown = kq::ui::Widen(ex.what());
    }
  };
  form->Show();
  EXPECT_EQ(shown, L"设置文件有误");
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(UiTest, AnExceptionWhilePaintingIsReportedOnceNotForever) {
  auto* form = app->CreateForm<TForm>();
  form->SetDoubleBuffered(true);
  const long gdi_before = kq::ui::LiveGdiHandles();
  int reported = 0;
  app->OnException = [&](std::exception_ptr) { ++reported; };
  form->OnPaint = [](TObject*) { throw kq_test_error(); };
  form->Show();
  PumpFor(300);
  EXPECT_EQ(reported, 1);  // the window was validated all the same
  form->SetDoubleBuffered(false);
  form->Invalidate();
  PumpFor(300);
  EXPECT_EQ(reported, 2);
  form->OnPaint = nullptr;
  delete form;
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi_before);  // the memory bitmap went too
}

TEST_F(UiTest, CreatingAndFreeingAFormWithEveryControlLeaksNoHandles) {
  auto cycle = [&] {
    auto* f = app->CreateForm<TDemoForm>();
    f->Show();
    f->cb_task->SetItemIndex(1);
    f->PopupMenu1->Handle();
    f->Timer1->SetEnabled(true);
    TIcon icon;
    f->iglIcons->GetIcon(2, icon);
    app->ProcessMessages();
    UpdateWindow(f->Handle());
    delete f;
  };
  cycle();  // the first round registers the window classes
  app->ProcessMessages();
  const long gdi = kq::ui::LiveGdiHandles(), user = kq::ui::LiveUserHandles();
  const DWORD sys_gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD sys_user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 100; ++i) cycle();
  app->ProcessMessages();
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi);
  EXPECT_EQ(kq::ui::LiveUserHandles(), user);
  // Windows counts for itself (Wine answers 0); allow for its own caches.
  if (sys_gdi) {
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), sys_gdi + 5);
  }
  if (sys_user) {
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), sys_user + 5);
  }
  EXPECT_GT(user, 0);  // the counters do count: the application window and icon at least
}

TEST_F(UiTest, DemoFormScreenshot) {
  auto* form = app->CreateForm<TDemoForm>();
  form->Show();
  PumpFor(300);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.MemoryDC(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  // Beside the test program (build/win), where the build outputs are.
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring path = exe;
  path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"ui_demo_form.bmp";
  EXPECT_TRUE(shot.SaveToFile(path));
  // The caption bar and the client face are there; the label "执行任务：" has ink.
  kq::Bitmap px = shot.Pixels();
  POINT label = form->Label3->ClientToScreen(POINT{0, 0});
  int ink = 0;
  for (int y = 0; y < form->Label3->Height(); ++y)
    for (int x = 0; x < form->Label3->Width(); ++x)
      ink += px.Pixel(label.x - r.left + x, label.y - r.top + y) != ColorToRGB(clBtnFace);
  EXPECT_GT(ink, 30);
}

}  // namespace
