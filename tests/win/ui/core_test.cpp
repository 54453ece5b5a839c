// Components, the message chain and the first controls, on real windows under Wine.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "ui/application.h"
#include "ui/forms.h"
#include "ui/stdctrls.h"
#include "ui/timer.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;

namespace {

// Records what it was told, for the notification tests.
class Listener : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<TComponent*> removed;
  std::vector<std::string>* loaded_log = nullptr;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove) removed.push_back(c);
  }
  void Loaded() override {
    TComponent::Loaded();
    if (loaded_log) loaded_log->push_back(Name);
  }
};

TEST_F(UiTest, OwnerFreesItsComponentsAndSiblingsHearOfRemovals) {
  auto* owner = new TComponent(nullptr);
  auto* a = new Listener(owner);
  auto* b = new Listener(owner);
  auto* c = new TComponent(owner);
  EXPECT_EQ(owner->ComponentCount(), 3);
  delete c;
  EXPECT_EQ(owner->ComponentCount(), 2);
  ASSERT_EQ(a->removed.size(), 1u);
  EXPECT_EQ(a->removed[0], c);
  EXPECT_EQ(b->removed[0], c);
  // A reference across owners is cleared through FreeNotification.
  auto* other_owner = new TComponent(nullptr);
  auto* distant = new TComponent(other_owner);
  a->FreeNotification(distant);
  delete other_owner;
  ASSERT_EQ(a->removed.size(), 2u);
  EXPECT_EQ(a->removed[1], distant);
  delete owner;  // frees a and b
}

TEST_F(UiTest, LoadedRunsOncePerComponentInCreationOrderThenOnTheOwner) {
  std::vector<std::string> log;
  auto* root = new Listener(nullptr);
  root->Name = "root";
  root->loaded_log = &log;
  root->BeginLoading();
  for (const char* n : {"first", "second", "third"}) {
    auto* l = new Listener(root);
    l->Name = n;
    l->loaded_log = &log;
    EXPECT_TRUE(l->IsLoading());
  }
  root->EndLoading();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "third", "root"}));
  EXPECT_FALSE(root->IsLoading());
  root->EndLoading();  // nothing is loading any more: no second call
  EXPECT_EQ(log.size(), 4u);
  delete root;
}

TEST_F(UiTest, ReplacedWindowProcSeesMessagesFirstAndRestoringItRestoresBehaviour) {
  auto* form = app->CreateForm<TForm>();
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 100, 21);
  form->Show();
  std::vector<UINT> seen;
  TWndMethod saved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_SETTEXT) {  // swallowed: the edit never hears of it
      m.Result = TRUE;
      return;
    }
    saved(m);
  };
  SetWindowTextW(edit->Handle(), L"甲");
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());
  EXPECT_EQ(edit->Text(), L"");
  EXPECT_EQ(edit->Perform(CM_MOUSEENTER), 0);
  EXPECT_EQ(seen.back(), CM_MOUSEENTER);  // Perform goes through the chain as well
  edit->WindowProc = saved;
  seen.clear();
  SetWindowTextW(edit->Handle(), L"乙");
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(edit->Text(), L"乙");
}

TEST_F(UiTest, ChildNotificationsAreReflectedAsCnMessages) {
  auto* form = app->CreateForm<TForm>();
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetCaption(L"执行");
  int clicks = 0;
  button->OnClick = [&](TObject* s) {
    EXPECT_EQ(s, button);
    ++clicks;
  };
  std::vector<UINT> seen;
  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    saved(m);
  };
  form->Show();
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_NE(std::find(seen.begin(), seen.end(), CN_COMMAND), seen.end());
  button->WindowProc = saved;
}

TEST_F(UiTest, TextsGoThroughWideFunctionsAndEditStyleChangesStick) {
  auto* form = app->CreateForm<TForm>();
  form->SetCaption(L"Zelvo定时自动关机器V1.0");
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetText(L"17");
  form->Show();
  EXPECT_EQ(WindowText(form->Handle()), L"Zelvo定时自动关机器V1.0");
  EXPECT_EQ(WindowText(edit->Handle()), L"17");
  LONG style = GetWindowLongW(edit->Handle(), GWL_STYLE);
  SetWindowLongW(edit->Handle(), GWL_STYLE, style | ES_NUMBER);
  EXPECT_TRUE(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_NUMBER);
  // Typing a letter into a digits-only edit is refused by the control itself.
  SetFocus(edit->Handle());
  SendMessageW(edit->Handle(), EM_SETSEL, 2, 2);
  SendMessageW(edit->Handle(), WM_CHAR, L'a', 0);
  SendMessageW(edit->Handle(), WM_CHAR, L'5', 0);
  EXPECT_EQ(edit->Text(), L"175");
}

TEST_F(UiTest, FormShowRunsOnShowEachTimeAndClosingTheMainFormTerminates) {
  auto* main = app->CreateForm<TForm>();
  auto* second = app->CreateForm<TForm>();
  EXPECT_EQ(app->MainForm(), main);
  int shows = 0;
  second->OnShow = [&](TObject*) { ++shows; };
  second->Show();
  second->Close();
  EXPECT_FALSE(second->Visible());
  EXPECT_FALSE(IsWindowVisible(second->Handle()));
  second->Show();
  EXPECT_EQ(shows, 2);
  EXPECT_FALSE(app->Terminated());
  main->Show();
  PostMessageW(main->Handle(), WM_CLOSE, 0, 0);  // the caption's close button
  EXPECT_TRUE(PumpUntil([&] { return app->Terminated(); }));
}

TEST_F(UiTest, WindowLessLabelIsPaintedByItsParent) {
  auto* form = app->CreateForm<TForm>();
  form->SetBounds(100, 100, 200, 150);
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 50, 20);
  label->SetColor(clRed);
  label->SetCaption(L"");
  form->Show();
  UpdateWindow(form->Handle());
  HDC dc = GetDC(form->Handle());
  EXPECT_EQ(GetPixel(dc, 20, 15), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 100, 100), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(form->Handle(), dc);
  EXPECT_EQ(label->ClassName(), "TLabel");
  EXPECT_TRUE(label->InheritsFrom("TGraphicControl"));
  EXPECT_FALSE(label->IsWindowed());
}

TEST_F(UiTest, TimerTicksThroughTheMessageLoopUntilDisabled) {
  auto* form = app->CreateForm<TForm>();
  auto* timer = new TTimer(form);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) {
    if (++ticks == 3) timer->SetEnabled(false);
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  PumpFor(100);
  EXPECT_EQ(ticks, 3);
}

TEST_F(UiTest, ExceptionInHandlerShowsStandardErrorBoxAndProgramGoesOn) {
  auto* form = app->CreateForm<TForm>();
  auto* button = new TButton(form);
  button->SetParent(form);
  int after = 0;
  button->OnClick = [&](TObject*) {
    ++after;
    if (after == 1) throw std::runtime_error("'abc' is not a valid integer value");
  };
  form->Show();
  std::wstring box_text;
  std::thread closer([&] {
    HWND box = WaitForWindow(L"#32770", L"测试程序");
    if (!box) return;
    // The message is the box's static text.
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      wchar_t cls[32];
      GetClassNameW(c, cls, 32);
      if (lstrcmpiW(cls, L"Static") == 0 && !WindowText(c).empty()) box_text = WindowText(c);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  PostMessageW(button->Handle(), BM_CLICK, 0, 0);
  PumpUntil([&] { return after >= 1; });
  closer.join();
  EXPECT_EQ(box_text, L"'abc' is not a valid integer value.");
  // The program goes on: the next click works normally.
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(after, 2);
}

}  // namespace
