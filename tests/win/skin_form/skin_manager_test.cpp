// The skin manager on real windows: the CBT hook, attaching form skinners by the rules, the
// deferred actions, popup menus and the end of the program.
#include <filesystem>
#include <fstream>

#include <windows.h>
#include <commctrl.h>

#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_popmenu.h"
#include "ui/menus.h"
#include "ui/skin_messages.h"
#include "ui/timer.h"
#include "win/skin_form/demo_forms.h"

using namespace skintest;
using uitest::PumpFor;
using uitest::PumpUntil;

namespace {

using SkinManagerTest = SkinTest;

bool Skinned(HWND w) { return SendMessageW(w, SKM_QUERYSKINNED, 0, 0) == 1; }

// A form with a skin of its own that serves only this form.
class TOwnSkinForm : public TForm {
  KQ_CLASS(TOwnSkinForm, TForm)

 public:
  TSkinData* data;
  explicit TOwnSkinForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    SetCaption(L"自己的皮肤");
    SetBounds(500, 100, 300, 200);
    data = new TSkinData(this);
    data->SkinFormtype = sfOnlyThisForm;
    data->ReadSkinStream(SkinStream(SkinFile(kDialogFrame)));
    data->SetActive(true);
    EndLoading();
  }
};

TEST_F(SkinManagerTest, ActivatedFormsGetASkinnerThatKeepsTheirClientArea) {
  auto* main = app->CreateForm<TDemoMain>();
  auto* fixed = new TDemoForm(app, bsSingle, L"固定", RECT{420, 60, 700, 240});
  main->HandleNeeded();
  fixed->HandleNeeded();
  const SIZE mainClient = ClientSize(main->Handle()), fixedClient = ClientSize(fixed->Handle());
  main->Show();
  fixed->Show();
  TSkinManage* m = SkinManager();
  ASSERT_TRUE(PumpUntil([&] { return m->FormSkinners.size() == 2 && m->FormSkinners[1]->Phase == kq::skin::SkinPhase::Ready; }));
  EXPECT_EQ(m->StartState, 1);
  for (TForm* f : {static_cast<TForm*>(main), static_cast<TForm*>(fixed)}) {
    const HWND w = f->Handle();
    EXPECT_TRUE(Skinned(w));
    const POINT origin = ClientOrigin(w);
    EXPECT_EQ(origin.x, kMainFrame.left);
    EXPECT_EQ(origin.y, kMainFrame.top);
    const SIZE outer = OuterSize(w), client = ClientSize(w);
    EXPECT_EQ(outer.cx - client.cx, kMainFrame.left + kMainFrame.right);
    EXPECT_EQ(outer.cy - client.cy, kMainFrame.top + kMainFrame.bottom);
  }
  EXPECT_EQ(ClientSize(main->Handle()).cx, mainClient.cx);
  EXPECT_EQ(ClientSize(main->Handle()).cy, mainClient.cy);
  EXPECT_EQ(ClientSize(fixed->Handle()).cx, fixedClient.cx);
  EXPECT_EQ(ClientSize(fixed->Handle()).cy, fixedClient.cy);
  // The skinners belong to their forms, and the application window is never skinned.
  EXPECT_EQ(m->FindFormSkinner(main->Handle())->Owner(), main);
  EXPECT_FALSE(Skinned(app->Handle()));
  // The form takes the skin's face colour.
  EXPECT_EQ(main->Color(), main->SkinData1->ButtonFaceColour);
}

TEST_F(SkinManagerTest, Tag99IsNeverSkinnedWhateverDisableTagSaysButTag199Is) {
  auto* main = app->CreateForm<TDemoMain>();
  main->SkinData1->DisableTag = 5;
  auto* f99 = new TDemoForm(app, bsSizeable, L"Tag 99", RECT{420, 60, 700, 240});
  f99->Tag = 99;
  auto* f199 = new TDemoForm(app, bsSizeable, L"Tag 199", RECT{420, 300, 700, 480});
  f199->Tag = 199;
  main->Show();
  f99->Show();
  f199->Show();
  PumpFor(100);
  EXPECT_TRUE(Skinned(main->Handle()));
  EXPECT_FALSE(Skinned(f99->Handle()));
  EXPECT_TRUE(Skinned(f199->Handle()));
  // Activating it again changes nothing.
  SetActiveWindow(f99->Handle());
  PumpFor(50);
  EXPECT_FALSE(Skinned(f99->Handle()));
}

TEST_F(SkinManagerTest, MonthCalendarPopupsAreNeverSkinned) {
  auto* main = app->CreateForm<TDemoMain>();
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()); }));
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  HWND cal = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_POPUP | WS_BORDER, 300, 300, 250, 200, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(cal, nullptr);
  ShowWindow(cal, SW_SHOW);
  SetForegroundWindow(cal);
  PumpFor(100);
  EXPECT_FALSE(Skinned(cal));
  EXPECT_EQ(SkinManager()->FindFormSkinner(cal), nullptr);
  DestroyWindow(cal);
}

TEST_F(SkinManagerTest, OnFormSkinAndTheApplicationsOwnWindowsDecide) {
  auto* main = app->CreateForm<TDemoMain>();
  std::vector<std::string> asked;
  main->SkinData1->OnFormSkin = [&](TObject*, const std::string& name, bool& doSkin) {
    asked.push_back(name);
    if (name == "TDemoForm") doSkin = false;
  };
  auto* other = new TDemoForm(app, bsSizeable, L"不要皮肤", RECT{420, 60, 700, 240});
  main->Show();
  other->Show();
  PumpFor(100);
  EXPECT_TRUE(Skinned(main->Handle()));
  EXPECT_FALSE(Skinned(other->Handle()));
  EXPECT_NE(std::find(asked.begin(), asked.end(), "TDemoMain"), asked.end());
  EXPECT_NE(std::find(asked.begin(), asked.end(), "TDemoForm"), asked.end());
}

// Runs `check` on the message box a timer opens, then closes the box.
void WithMessageBox(const std::wstring& caption, const std::wstring& text, std::function<void(HWND)> check) {
  static std::function<void(HWND)>* pending = nullptr;
  static std::wstring* title = nullptr;
  std::wstring t = caption;
  pending = &check;
  title = &t;
  const UINT_PTR id = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR tid, DWORD) {
    HWND box = FindWindowW(L"#32770", title->c_str());
    if (!box) return;
    KillTimer(nullptr, tid);
    (*pending)(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK);
  KillTimer(nullptr, id);
  pending = nullptr;
  title = nullptr;
}

TEST_F(SkinManagerTest, MessageBoxesPickTheDialogSkinWhenThereIsOne) {
  auto* main = app->CreateForm<TDemoMain>();
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()); }));
  // Only the main-form skin: the box is skinned with it.
  bool checked = false;
  WithMessageBox(L"注意", L"正文", [&](HWND box) {
    PumpUntil([&] { return SkinManager()->FindFormSkinner(box) &&
                           SkinManager()->FindFormSkinner(box)->Phase == kq::skin::SkinPhase::Ready; });
    EXPECT_TRUE(Skinned(box));
    const POINT o = ClientOrigin(box);
    EXPECT_EQ(o.x, kMainFrame.left);
    EXPECT_EQ(o.y, kMainFrame.top);
    TWinSkinForm* s = SkinManager()->FindFormSkinner(box);
    EXPECT_EQ(s->Owner(), nullptr);
    EXPECT_TRUE(s->MessageDialog);
    EXPECT_EQ(s->Kind, kq::skin::FrameKind::Dialog);
    checked = true;
  });
  EXPECT_TRUE(checked);
  // With a dialog skin in the list, boxes take that one.
  auto* dialogSkin = new TSkinData(main);
  dialogSkin->SkinFormtype = sfDialog;
  dialogSkin->ReadSkinStream(SkinStream(SkinFile(kDialogFrame)));
  SkinManager()->AddSkinData(dialogSkin);
  checked = false;
  WithMessageBox(L"注意", L"正文", [&](HWND box) {
    PumpUntil([&] { return SkinManager()->FindFormSkinner(box) &&
                           SkinManager()->FindFormSkinner(box)->Phase == kq::skin::SkinPhase::Ready; });
    const POINT o = ClientOrigin(box);
    EXPECT_EQ(o.x, kDialogFrame.left);
    EXPECT_EQ(o.y, kDialogFrame.top);
    EXPECT_EQ(SkinManager()->FindFormSkinner(box)->Skin(), dialogSkin);
    checked = true;
  });
  EXPECT_TRUE(checked);
  // Ordinary forms keep the main-form skin.
  EXPECT_EQ(SkinManager()->FindFormSkinner(main->Handle())->Skin(), main->SkinData1);
  // The closed box's skinner goes at the next purge.
  SkinManager()->PurgeClosedFormSkinners();
  EXPECT_EQ(SkinManager()->FormSkinners.size(), 1u);
}

TEST_F(SkinManagerTest, DeactivatingAMainFormSkinUnskinsEveryForm) {
  auto* main = app->CreateForm<TDemoMain>();
  auto* own = app->CreateForm<TOwnSkinForm>();
  auto* plain = new TDemoForm(app, bsSizeable, L"普通", RECT{420, 300, 700, 480});
  for (TForm* f : {static_cast<TForm*>(main), static_cast<TForm*>(own), static_cast<TForm*>(plain)}) {
    f->HandleNeeded();
  }
  const SIZE plainOuter = OuterSize(plain->Handle());
  const LONG_PTR plainStyle = GetWindowLongPtrW(plain->Handle(), GWL_STYLE);
  const LONG_PTR plainProc = GetWindowLongPtrW(plain->Handle(), GWLP_WNDPROC);
  auto* menu = new TDemoForm(app, bsSizeable, L"菜单", RECT{720, 300, 1000, 480}, true);
  const HMENU menuBar = GetMenu(menu->Handle());
  ASSERT_NE(menuBar, nullptr);
  main->Show();
  own->Show();
  plain->Show();
  menu->Show();
  TSkinManage* m = SkinManager();
  ASSERT_TRUE(PumpUntil([&] {
    return Skinned(main->Handle()) && Skinned(own->Handle()) && Skinned(plain->Handle()) && Skinned(menu->Handle());
  }));
  EXPECT_EQ(m->FindFormSkinner(own->Handle())->Skin(), own->data);
  EXPECT_EQ(m->FindFormSkinner(plain->Handle())->Skin(), main->SkinData1);
  int changed = 0;
  main->SkinData1->OnSkinChanged = [&](TObject*) { ++changed; };
  main->SkinData1->SetActive(false);
  EXPECT_EQ(m->PendingSkinData, main->SkinData1);
  EXPECT_TRUE(Skinned(plain->Handle()));  // only after the delay
  ASSERT_TRUE(PumpUntil([&] { return m->FormSkinners.empty(); }, 2000));
  EXPECT_FALSE(m->SkinningEnabled);
  EXPECT_EQ(changed, 1);
  for (TForm* f : {static_cast<TForm*>(main), static_cast<TForm*>(own), static_cast<TForm*>(plain)})
    EXPECT_FALSE(Skinned(f->Handle()));
  EXPECT_EQ(GetMenu(menu->Handle()), menuBar);
  // Back as it was: procedure, styles, outer size.
  EXPECT_EQ(GetWindowLongPtrW(plain->Handle(), GWLP_WNDPROC), plainProc);
  EXPECT_EQ(GetWindowLongPtrW(plain->Handle(), GWL_STYLE), plainStyle | WS_VISIBLE);
  EXPECT_EQ(OuterSize(plain->Handle()).cx, plainOuter.cx);
  EXPECT_EQ(OuterSize(plain->Handle()).cy, plainOuter.cy);
  EXPECT_EQ(plain->Color(), clBtnFace);
}

TEST_F(SkinManagerTest, DeactivatingAFormOnlySkinUnskinsOnlyItsForm) {
  auto* main = app->CreateForm<TDemoMain>();
  auto* own = app->CreateForm<TOwnSkinForm>();
  main->Show();
  own->Show();
  TSkinManage* m = SkinManager();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()) && Skinned(own->Handle()); }));
  own->data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return !Skinned(own->Handle()); }, 2000));
  EXPECT_TRUE(Skinned(main->Handle()));
  EXPECT_EQ(m->FormSkinners.size(), 1u);
  // The form has the system's frame again; the main form keeps the skin's.
  RECT system{0, 0, 0, 0};
  AdjustWindowRectEx(&system, static_cast<DWORD>(GetWindowLongPtrW(own->Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(own->Handle(), GWL_EXSTYLE)));
  EXPECT_EQ(ClientOrigin(own->Handle()).x, -system.left);
  EXPECT_EQ(ClientOrigin(own->Handle()).y, -system.top);
  EXPECT_EQ(ClientOrigin(main->Handle()).y, kMainFrame.top);
  // Its own skin switched on again brings the look back.
  own->data->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return Skinned(own->Handle()); }, 2000));
  ASSERT_TRUE(PumpUntil([&] { return ClientOrigin(own->Handle()).y == kDialogFrame.top; }, 2000));
}

TEST_F(SkinManagerTest, SwitchingOffAndOnAtRunTimeLeaksNothing) {
  auto* main = app->CreateForm<TDemoMain>();
  auto* fixed = new TDemoForm(app, bsDialog, L"对话框", RECT{420, 60, 700, 240});
  main->Show();
  fixed->Show();
  TSkinManage* m = SkinManager();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()) && Skinned(fixed->Handle()); }));
  PumpFor(50);
  const SIZE mainOuter = OuterSize(main->Handle());
  const long gdi = kq::ui::LiveGdiHandles(), user = kq::ui::LiveUserHandles();
  for (int i = 0; i < 5; ++i) {
    main->SkinData1->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return m->FormSkinners.empty(); }, 2000));
    main->SkinData1->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] {
      return m->FormSkinners.size() == 2 && m->FormSkinners[0]->Phase == kq::skin::SkinPhase::Ready &&
             m->FormSkinners[1]->Phase == kq::skin::SkinPhase::Ready;
    }, 2000));
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi);
  EXPECT_EQ(kq::ui::LiveUserHandles(), user);
  EXPECT_EQ(OuterSize(main->Handle()).cx, mainOuter.cx);
  EXPECT_EQ(OuterSize(main->Handle()).cy, mainOuter.cy);
}

TEST_F(SkinManagerTest, ANewSkinFileIsAppliedToEveryFormKeepingItsClientArea) {
  auto* main = app->CreateForm<TDemoMain>();
  auto* other = new TDemoForm(app, bsSizeable, L"换皮肤", RECT{420, 60, 700, 240});
  main->Show();
  other->Show();
  TSkinManage* m = SkinManager();
  ASSERT_TRUE(PumpUntil([&] { return m->FormSkinners.size() == 2 && m->FormSkinners[1]->Phase == kq::skin::SkinPhase::Ready; }));
  // The user made it larger meanwhile.
  SetWindowPos(other->Handle(), nullptr, 0, 0, OuterSize(other->Handle()).cx + 40, OuterSize(other->Handle()).cy + 10,
               SWP_NOMOVE | SWP_NOZORDER);
  const SIZE mainClient = ClientSize(main->Handle()), otherClient = ClientSize(other->Handle());
  int changed = 0;
  main->SkinData1->OnSkinChanged = [&](TObject*) { ++changed; };
  const auto path = std::filesystem::temp_directory_path() / "kq_other_skin.skn";
  {
    const auto file = SkinFile(kDialogFrame, kq::MakeColor(230, 220, 200));
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  }
  main->SkinData1->SetSkinFile(path.wstring());
  std::filesystem::remove(path);
  EXPECT_EQ(m->PendingAction, 3);
  ASSERT_TRUE(PumpUntil([&] { return changed == 1; }, 2000));
  for (TForm* f : {static_cast<TForm*>(main), static_cast<TForm*>(other)}) {
    EXPECT_EQ(ClientOrigin(f->Handle()).x, kDialogFrame.left);
    EXPECT_EQ(ClientOrigin(f->Handle()).y, kDialogFrame.top);
    EXPECT_EQ(f->Color(), kq::MakeColor(230, 220, 200));
  }
  EXPECT_EQ(ClientSize(main->Handle()).cx, mainClient.cx);
  EXPECT_EQ(ClientSize(main->Handle()).cy, mainClient.cy);
  EXPECT_EQ(ClientSize(other->Handle()).cx, otherClient.cx);
  EXPECT_EQ(ClientSize(other->Handle()).cy, otherClient.cy);
  // SKM_REAPPLY through the form's own message chain re-applies too.
  other->SetColor(clWhite);
  other->Perform(SKM_REAPPLY);
  EXPECT_EQ(other->Color(), kq::MakeColor(230, 220, 200));
  EXPECT_EQ(ClientSize(other->Handle()).cx, otherClient.cx);
}

TEST_F(SkinManagerTest, WindowsCreatedAreReportedAndExceptionsSwallowed) {
  auto* main = app->CreateForm<TDemoMain>();
  std::vector<std::string> created;
  main->SkinData1->OnWindowCreated = [&](TObject* sender, HWND, const std::string& cls) {
    EXPECT_EQ(sender, main->SkinData1);
    created.push_back(cls);
    throw std::runtime_error("handler failed");
  };
  auto* f = new TDemoForm(app, bsSizeable, L"新窗口", RECT{420, 60, 700, 240});
  f->HandleNeeded();
  EXPECT_TRUE(IsWindow(f->Handle()));
  // The form's window is reported; its child windows and timer windows are not.
  EXPECT_NE(std::find(created.begin(), created.end(), "TDemoForm"), created.end());
  for (const auto& c : created) {
    EXPECT_NE(c, "Button");
    EXPECT_NE(c, "KqTimerWindow");
  }
}

TEST_F(SkinManagerTest, AFailureInsideTheHookShowsNoBoxAndTheHookGoesOn) {
  auto* main = app->CreateForm<TDemoMain>();
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()); }));
  int reported = 0;
  app->OnException = [&](std::exception_ptr) { ++reported; };
  bool fail = true;
  main->SkinData1->OnFormSkin = [&](TObject*, const std::string&, bool&) {
    if (fail) throw std::runtime_error("rule failed");
  };
  // The rule fails while the hook sees the window activated: no box, the window stays plain.
  auto* first = new TDemoForm(app, bsSizeable, L"失败", RECT{420, 60, 700, 240});
  first->Show();
  PumpFor(100);
  EXPECT_EQ(reported, 0);
  EXPECT_FALSE(Skinned(first->Handle()));
  fail = false;
  auto* second = new TDemoForm(app, bsSizeable, L"之后", RECT{420, 300, 700, 480});
  second->Show();
  EXPECT_TRUE(PumpUntil([&] { return Skinned(second->Handle()); }));
  EXPECT_EQ(reported, 0);
}

TEST_F(SkinManagerTest, SwitchingSkinningOffWithAMenuOpenFreesItsPopupSkinner) {
  // The default skin paints the popup's background (a bitmap the popup skinner holds).
  auto* main = app->CreateForm<TDemoMain>(DefaultSkinStream());
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()); }));
  auto* popup = new TPopupMenu(main);
  for (const wchar_t* c : {L"显示/隐藏", L"关于软件"}) {
    auto* item = new TMenuItem(main);
    item->SetCaption(c);
    popup->Items()->Add(item);
  }
  static TSkinData* skin = nullptr;
  static int step = 0;
  static int skinnersWhileOpen = -1;
  skin = main->SkinData1;
  // Each round opens the menu; with `off`, skinning is switched off while it is open and on
  // again after it closed.
  auto round = [&](bool off) {
    step = off ? 0 : 1;
    skinnersWhileOpen = -1;
    SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
      TSkinManage* m = SkinManager();
      if (step == 0) {
        skinnersWhileOpen = static_cast<int>(m->PopupMenuSkinners.size());
        skin->SetActive(false);
      }
      // Closed once the switch is done (the manager's timer runs inside the menu loop too).
      if (++step > 1 && (skin->Active() || m->FormSkinners.empty() || step > 40)) {
        KillTimer(nullptr, id);
        EndMenu();
      }
    });
    popup->Popup(100, 100);
    if (!off) return;
    EXPECT_EQ(skinnersWhileOpen, 1);
    skin->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] {
      TWinSkinForm* f = SkinManager()->FindFormSkinner(main->Handle());
      return f && f->Phase == kq::skin::SkinPhase::Ready;
    }, 2000));
  };
  // What switching off and on without a menu leaves is the measure.
  auto offAndOn = [&] {
    skin->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return SkinManager()->FormSkinners.empty(); }, 2000));
    skin->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()); }, 2000));
  };
  round(false);
  offAndOn();
  round(false);
  PumpFor(100);
  const long gdi = kq::ui::LiveGdiHandles(), user = kq::ui::LiveUserHandles();
  round(true);
  EXPECT_TRUE(SkinManager()->PopupMenuSkinners.empty());
  round(false);
  PumpFor(100);
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi);
  EXPECT_EQ(kq::ui::LiveUserHandles(), user);
}

TEST_F(SkinManagerTest, MenuWindowsGetAPopupSkinnerWhileOpen) {
  auto* main = app->CreateForm<TDemoMain>();
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()); }));
  auto* popup = new TPopupMenu(main);
  for (const wchar_t* c : {L"显示/隐藏", L"停止执行", L"-", L"关于软件"}) {
    auto* item = new TMenuItem(main);
    item->SetCaption(c);
    popup->Items()->Add(item);
  }
  static int seenSkinners = -1;
  static bool menuSkinned = false;
  seenSkinners = -1;
  menuSkinned = false;
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    seenSkinners = static_cast<int>(SkinManager()->PopupMenuSkinners.size());
    menuSkinned = menuWindow && SendMessageW(menuWindow, SKM_QUERYSKINNED, 0, 0) == 1;
    EndMenu();
  });
  popup->Popup(100, 100);
  EXPECT_EQ(seenSkinners, 1);
  EXPECT_TRUE(menuSkinned);
  PumpFor(50);
  TSkinManage* m = SkinManager();
  EXPECT_TRUE(m->PopupMenuSkinners.empty());
  EXPECT_EQ(m->MenuKind, 0);
  EXPECT_FALSE(m->MenuFromMenuBar);
  // Without xcPopupMenu the popup keeps the system's look.
  main->SkinData1->SkinControls.Exclude(xcPopupMenu);
  seenSkinners = -1;
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    seenSkinners = static_cast<int>(SkinManager()->PopupMenuSkinners.size());
    EndMenu();
  });
  popup->Popup(100, 100);
  EXPECT_EQ(seenSkinners, 0);
}

TEST_F(SkinManagerTest, DestroyedWindowsSkinnerIsFreedAtTheNextPurge) {
  auto* main = app->CreateForm<TDemoMain>();
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()); }));
  auto* bare = new BareWindow();
  ShowWindow(bare->wnd, SW_SHOW);
  TSkinManage* m = SkinManager();
  ASSERT_TRUE(PumpUntil([&] { return m->FindFormSkinner(bare->wnd) != nullptr; }));
  TWinSkinForm* s = m->FindFormSkinner(bare->wnd);
  const auto before = m->FormSkinners.size();
  delete bare;
  EXPECT_TRUE(s->Closed());
  EXPECT_EQ(m->FormSkinners.size(), before);  // still listed until the purge
  m->PurgeClosedFormSkinners();
  EXPECT_EQ(m->FormSkinners.size(), before - 1);
}

TEST_F(SkinManagerTest, EndingTheManagerRemovesTheHookAndGivesWindowsBack) {
  auto* main = app->CreateForm<TDemoMain>();
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(main->Handle()); }));
  BareWindow bare;
  const LONG_PTR proc = GetWindowLongPtrW(bare.wnd, GWLP_WNDPROC);
  const LONG_PTR style = GetWindowLongPtrW(bare.wnd, GWL_STYLE);
  ShowWindow(bare.wnd, SW_SHOW);
  ASSERT_TRUE(PumpUntil([&] { return Skinned(bare.wnd); }));
  PumpFor(50);
  const long user = kq::ui::LiveUserHandles();
  FreeSkinManager();
  EXPECT_EQ(SkinManager(), nullptr);
  EXPECT_FALSE(Skinned(bare.wnd));
  EXPECT_EQ(GetWindowLongPtrW(bare.wnd, GWLP_WNDPROC), proc);
  EXPECT_EQ(GetWindowLongPtrW(bare.wnd, GWL_STYLE), style | WS_VISIBLE);
  EXPECT_LT(kq::ui::LiveUserHandles(), user);  // its subclass link and timer are gone
  // No hook any more: a new window stays as it is.
  BareWindow later(WS_OVERLAPPEDWINDOW, RECT{300, 300, 600, 500});
  ShowWindow(later.wnd, SW_SHOW);
  PumpFor(100);
  EXPECT_FALSE(Skinned(later.wnd));
}

}  // namespace
