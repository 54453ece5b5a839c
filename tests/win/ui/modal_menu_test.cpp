// Modal showing and menus, driven by real input from a helper thread while the program's
// own message loop runs.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "win/ui/demo_form.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;

namespace {

class DialogForm : public TForm {
  KQ_CLASS(DialogForm, TForm)

 public:
  TButton* btn_close;
  explicit DialogForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    SetCaption(L"注意");
    SetBounds(0, 0, 269, 146);
    SetPosition(poScreenCenter);
    btn_close = new TButton(this);
    btn_close->SetParent(this);
    btn_close->SetBounds(88, 85, 75, 25);
    btn_close->SetCaption(L"确定");
    btn_close->OnClick = [this](TObject*) { Close(); };
    EndLoading();
  }
};

TEST_F(UiTest, ModalFormDisablesTheMainFormAndReturnsOnClose) {
  auto* main = app->CreateForm<TDemoForm>();
  auto* dialog = app->CreateForm<DialogForm>();
  main->Show();
  int main_clicks = 0, ticks = 0;
  main->btn_run->OnClick = [&](TObject*) { ++main_clicks; };
  main->Timer1->OnTimer = [&](TObject*) { ++ticks; };
  main->Timer1->SetEnabled(true);

  std::atomic<bool> main_was_disabled{false};
  const POINT run = CenterOf(main->btn_run->Handle());
  std::thread user([&] {
    HWND d = WaitForWindow(L"DialogForm", L"注意");
    if (!d) return;
    Sleep(100);
    main_was_disabled = !IsWindowEnabled(main->HandleOrNull());
    ClickAt(run.x, run.y);  // the main form takes no input meanwhile
    Sleep(200);
    const POINT ok = CenterOf(dialog->btn_close->HandleOrNull());
    ClickAt(ok.x, ok.y);
  });
  const TModalResult r = dialog->ShowModal();
  user.join();
  EXPECT_EQ(r, mrCancel);
  EXPECT_TRUE(main_was_disabled);
  EXPECT_EQ(main_clicks, 0);
  EXPECT_GT(ticks, 0);  // timers kept ticking in the modal loop
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  // A visible form cannot be shown modally.
  main->Show();
  EXPECT_THROW(main->ShowModal(), EInvalidOperation);
}

TEST_F(UiTest, ModalResultOfAButtonEndsTheModalShowing) {
  app->CreateForm<TForm>()->Show();
  auto* dialog = app->CreateForm<DialogForm>();
  dialog->btn_close->OnClick = nullptr;
  dialog->btn_close->SetModalResult(mrOk);
  bool refused_once = false;
  dialog->OnCloseQuery = [&](TObject*, bool& can) {
    can = refused_once;
    refused_once = true;
  };
  std::thread user([&] {
    HWND d = WaitForWindow(L"DialogForm", L"注意");
    if (!d) return;
    for (int i = 0; i < 2; ++i) {
      Sleep(100);
      PostMessageW(dialog->btn_close->HandleOrNull(), BM_CLICK, 0, 0);
    }
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);  // the first close was refused, the second taken
  user.join();
  EXPECT_TRUE(refused_once);
}

// Clicks the item at `index` of the open popup menu, from another thread.
void ClickMenuItem(HMENU menu, int index) {
  HWND m = WaitForWindow(L"#32768", nullptr);
  if (!m) return;
  Sleep(100);
  RECT r{};
  if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &r)) return;
  MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Sleep(100);
  ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

TEST_F(UiTest, PopupMenuOpensAtAPointAndItsItemsClickRuns) {
  auto* form = app->CreateForm<TDemoForm>();
  form->Show();
  int n2 = 0, n4 = 0;
  form->N2->OnClick = [&](TObject* s) {
    EXPECT_EQ(s, form->N2);
    ++n2;
  };
  form->N4->OnClick = [&](TObject*) { ++n4; };
  HMENU menu = form->PopupMenu1->Handle();
  EXPECT_EQ(GetMenuItemCount(menu), 4);
  MENUITEMINFOW mi{};
  mi.cbSize = sizeof(mi);
  mi.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu, 2, TRUE, &mi);
  EXPECT_TRUE(mi.fType & MFT_SEPARATOR);
  wchar_t text[64];
  GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"停止执行");

  std::thread user([&] { ClickMenuItem(menu, 1); });
  form->PopupMenu1->Popup(200, 200);
  user.join();
  EXPECT_EQ(n2, 1);
  EXPECT_EQ(n4, 0);
  // The menu opened at the point asked for.
  // Invisible items are left out; disabled ones do not click.
  form->N1->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(menu), 3);
  form->N2->SetEnabled(false);
  GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"停止执行");
  EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(UiTest, OwnerDrawHandlersCanBeSetAndClearedPerItem) {
  auto* form = app->CreateForm<TDemoForm>();
  form->Show();
  TMenuItem* item = form->N4;
  HMENU menu = form->PopupMenu1->Handle();
  auto type_of = [&](int pos) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mi);
    return mi.fType;
  };
  int measured = 0, drawn = 0;
  RECT drawn_rect{};
  item->SetOnMeasureItem([&](TMenuItem* i, TCanvas&, int& w, int& h) {
    EXPECT_EQ(i, item);
    ++measured;
    w = 150;
    h = 30;
  });
  item->SetOnDrawItem([&](TMenuItem*, TCanvas& c, const RECT& r, UINT) {
    ++drawn;
    drawn_rect = r;
    c.Brush().SetColor(clRed);
    c.FillRect(r);
  });
  EXPECT_TRUE(type_of(3) & MFT_OWNERDRAW);
  EXPECT_FALSE(type_of(0) & MFT_OWNERDRAW);
  std::thread user([&] {
    if (WaitForWindow(L"#32768", nullptr)) {
      Sleep(200);
      keybd_event(VK_ESCAPE, 0, 0, 0);
      keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    }
  });
  form->PopupMenu1->Popup(100, 100);
  user.join();
  EXPECT_GE(measured, 1);
  EXPECT_GE(drawn, 1);
  EXPECT_EQ(drawn_rect.bottom - drawn_rect.top, 30);
  // Cleared again: the system draws the item.
  item->SetOnDrawItem(nullptr);
  item->SetOnMeasureItem(nullptr);
  EXPECT_FALSE(type_of(3) & MFT_OWNERDRAW);
  // The menu-wide switch makes every item owner-drawn, with the default look.
  form->PopupMenu1->SetOwnerDraw(true);
  EXPECT_TRUE(type_of(0) & MFT_OWNERDRAW);
  EXPECT_TRUE(type_of(2) & MFT_OWNERDRAW);
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_MENU;
  mis.itemID = form->N1->Command();
  EXPECT_EQ(SendMessageW(app->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)), 1);
  EXPECT_GT(mis.itemWidth, 20u);
  EXPECT_GT(mis.itemHeight, 10u);
}

TEST_F(UiTest, MainMenuBarSendsMenuChangedAndRunsItemsAndShortCuts) {
  auto* form = app->CreateForm<TForm>();
  auto* menu = new TMainMenu(form);
  auto* file = new TMenuItem(form);
  file->SetCaption(L"文件(&F)");
  auto* quit = new TMenuItem(form);
  quit->SetCaption(L"退出");
  quit->SetShortCut(TextToShortCut(L"Ctrl+Q"));
  menu->Items()->Add(file);
  file->Add(quit);
  int quits = 0;
  quit->OnClick = [&](TObject*) { ++quits; };
  MessageRecorder rec(form);
  form->SetMenu(menu);
  form->Show();
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  EXPECT_GE(rec.Count(CM_MENUCHANGED), 1);
  const int before = rec.Count(CM_MENUCHANGED);
  file->SetCaption(L"档案(&F)");
  EXPECT_GT(rec.Count(CM_MENUCHANGED), before);
  wchar_t text[64];
  GetMenuStringW(file->Handle(), 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"退出\tCtrl+Q");
  EXPECT_EQ(ShortCutToText(quit->ShortCut()), L"Ctrl+Q");
  // A menu command as the system sends it, then the short cut from the keyboard.
  SendMessageW(form->Handle(), WM_COMMAND, quit->Command(), 0);
  EXPECT_EQ(quits, 1);
  SetForegroundWindow(form->Handle());
  keybd_event(VK_CONTROL, 0, 0, 0);
  keybd_event('Q', 0, 0, 0);
  keybd_event('Q', 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(PumpUntil([&] { return quits == 2; }));
  // The bar comes off the window before the menu goes.
  delete menu;
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

TEST(ShortCuts, TextAndKeysRoundTrip) {
  EXPECT_EQ(ShortCutToText(ShortCutFromKey(VK_F4, ssShift)), L"Shift+F4");
  EXPECT_EQ(TextToShortCut(L"Shift+F4"), ShortCutFromKey(VK_F4, ssShift));
  EXPECT_EQ(TextToShortCut(L"ctrl+alt+del"), VK_DELETE | scCtrl | scAlt);
  EXPECT_EQ(TextToShortCut(L"Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut(L"Hyper+X"), 0);
  EXPECT_EQ(ShortCutToText(0), L"");
}

TEST_F(UiTest, ReleaseFreesTheFormAfterTheCurrentMessage) {
  auto* form = app->CreateForm<TForm>();
  auto* watcher = new TComponent(nullptr);
  struct Gone : TComponent {
    using TComponent::TComponent;
    bool* flag = nullptr;
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op == opRemove) *flag = true;
    }
  };
  bool gone = false;
  auto* g = new Gone(watcher);
  g->flag = &gone;
  g->FreeNotification(form);
  auto* button = new TButton(form);
  button->SetParent(form);
  button->OnClick = [&](TObject*) { form->Release(); };
  form->Show();
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(gone);  // still there while its handler runs
  EXPECT_TRUE(PumpUntil([&] { return gone; }));
  EXPECT_EQ(app->Forms().size(), 0u);
  delete watcher;
}

}  // namespace
