#include "win/skin_form/demo_forms.h"

namespace skintest {

namespace {

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<MdiFrame*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  HWND client = self ? self->client : nullptr;
  return DefFrameProcW(wnd, client, msg, w, l);
}

LRESULT CALLBACK ChildProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(wnd, &r);
    FillRect(reinterpret_cast<HDC>(w), &r, GetSysColorBrush(COLOR_WINDOW));
    return 1;
  }
  return DefMDIChildProcW(wnd, msg, w, l);
}

void Register(const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  HINSTANCE inst = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(inst, name, &wc)) return;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = inst;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

}  // namespace

MdiFrame::MdiFrame(int x, int y, int w, int h, bool withMenu) {
  Register(L"KqDemoMdiFrame", &FrameProc);
  Register(L"KqDemoMdiChild", &ChildProc);
  HMENU menu = nullptr;
  if (withMenu) {
    menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 1, L"退出(&X)");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"文件(&F)");
    HMENU window = CreatePopupMenu();
    AppendMenuW(window, MF_STRING, 2, L"层叠(&C)");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(window), L"窗口(&W)");
  }
  frame = CreateWindowExW(0, L"KqDemoMdiFrame", L"MDI 主窗口", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, w, h,
                          nullptr, menu, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  CLIENTCREATESTRUCT ccs{};
  ccs.idFirstChild = 50000;
  client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                           WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, frame,
                           nullptr, GetModuleHandleW(nullptr), &ccs);
  RECT r;
  GetClientRect(frame, &r);
  MoveWindow(client, 0, 0, r.right, r.bottom, TRUE);
}

MdiFrame::~MdiFrame() {
  if (IsWindow(frame)) DestroyWindow(frame);
}

HWND MdiFrame::AddChild(const wchar_t* caption, int x, int y, int w, int h) {
  MDICREATESTRUCTW mcs{};
  mcs.szClass = L"KqDemoMdiChild";
  mcs.szTitle = caption;
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.x = x;
  mcs.y = y;
  mcs.cx = w;
  mcs.cy = h;
  mcs.style = WS_OVERLAPPEDWINDOW;
  HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  // As an MDI program does after giving a new child its menu.
  SendMessageW(client, WM_MDIREFRESHMENU, 0, 0);
  children.push_back(child);
  return child;
}

int RunDemo() {
  TApplication app;
  app.SetTitle(L"皮肤演示");
  auto* main = app.CreateForm<TDemoMain>();
  new TDemoForm(&app, bsSingle, L"固定边框窗口", RECT{420, 60, 700, 240});
  new TDemoForm(&app, bsSizeable, L"带菜单的窗口", RECT{720, 60, 1020, 260}, true);
  new TDemoForm(&app, bsDialog, L"对话框边框窗口", RECT{60, 340, 340, 500});
  new TDemoForm(&app, bsNone, L"无边框弹出窗口", RECT{380, 340, 580, 440});
  for (TForm* f : std::vector<TForm*>(app.Forms())) f->Show();
  MdiFrame mdi(620, 320, 460, 340, true);
  ShowWindow(mdi.frame, SW_SHOW);
  for (int i = 0; i < 20; ++i) {
    app.ProcessMessages();
    Sleep(10);
  }
  mdi.AddChild(L"子窗口一", 10, 10, 200, 140);
  mdi.AddChild(L"子窗口二", 120, 80, 200, 140);
  SetTimer(nullptr, 0, 800, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    MessageBoxW(nullptr, L"这是一个消息框，标题比正文长得多的时候会被加宽", L"消息框", MB_OK);
  });
  (void)main;
  app.Run();
  return 0;
}

}  // namespace skintest
