// The tabbed controls of the form layer without a skin: pages and their tabs, the change
// events, the page's own background, published properties, and what the skinner selection
// rules make of each class.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/form/control_discovery.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/stdctrls.h"
#include "ui/tabs.h"
#include "win/skin_tabs/tabs_test_util.h"

using namespace uitest;
using tabtest::ClientPixel;

namespace {

std::wstring TabText(HWND tc, int i) {
  wchar_t buf[100] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buf;
  item.cchTextMax = 100;
  SendMessageW(tc, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  return buf;
}

class TabLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    form = app->CreateForm<TForm>();
    form->SetBounds(100, 100, 480, 320);
    form->SetCaption(L"标签");
    MoveMouse(5, 5);
  }
  void TearDown() override { delete app; }
  TTabSheet* Sheet(TPageControl* pc, const wchar_t* caption) {
    auto* s = new TTabSheet(form);
    s->SetCaption(caption);
    s->SetPageControl(pc);
    return s;
  }
  TApplication* app = nullptr;
  TForm* form = nullptr;
};

TEST_F(TabLayer, SheetsAreTabsInPageOrderAndFollowTheirCaptions) {
  auto* pc = new TPageControl(form);
  pc->SetParent(form);
  pc->SetBounds(10, 10, 300, 200);
  TTabSheet* a = Sheet(pc, L"定时");
  TTabSheet* b = Sheet(pc, L"延迟");
  TTabSheet* c = Sheet(pc, L"任务");
  // Before the window exists the first page is the active one.
  EXPECT_EQ(pc->PageCount(), 3);
  EXPECT_EQ(pc->ActivePage(), a);
  EXPECT_EQ(b->PageIndex(), 1);
  form->Show();
  HWND h = pc->Handle();
  EXPECT_EQ(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(TabText(h, 2), L"任务");
  EXPECT_TRUE(IsWindowVisible(a->Handle()));
  EXPECT_FALSE(IsWindowVisible(c->Handle()));

  b->SetCaption(L"延迟：");
  EXPECT_EQ(TabText(h, 1), L"延迟：");
  pc->SetActivePage(c);
  EXPECT_EQ(SendMessageW(h, TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(c->Handle()));
  EXPECT_FALSE(IsWindowVisible(a->Handle()));

  // A page that goes takes its tab; the selection stays on the page it was on.
  delete a;
  EXPECT_EQ(pc->PageCount(), 2);
  EXPECT_EQ(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(pc->ActivePage(), c);
  EXPECT_EQ(TabText(h, 0), L"延迟：");
  // The active page going leaves the page now in its place active.
  delete c;
  EXPECT_EQ(pc->ActivePage(), b);
  EXPECT_TRUE(IsWindowVisible(b->Handle()));
  // Taken off the page control, a sheet leaves it alone.
  b->SetPageControl(nullptr);
  EXPECT_EQ(pc->PageCount(), 0);
  EXPECT_EQ(pc->ActivePage(), nullptr);
  EXPECT_EQ(b->Parent(), nullptr);
  delete b;
  // The page control goes with its sheets.
  TTabSheet* d = Sheet(pc, L"日志");
  (void)d;
  delete pc;
}

TEST_F(TabLayer, AnUnskinnedPageErasesItsBackground) {
  auto* pc = new TPageControl(form);
  pc->SetParent(form);
  pc->SetBounds(10, 10, 300, 200);
  TTabSheet* a = Sheet(pc, L"定时");
  Sheet(pc, L"延迟");
  form->Show();
  PumpFor(100);
  RECT c;
  GetClientRect(a->Handle(), &c);
  RedrawWindow(a->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(a->Color(), form->Color());
  EXPECT_EQ(ClientPixel(a->Handle(), c.right / 2, c.bottom / 2), ColorToRGB(a->Color()));
  // A colour given to the form reaches the pages through the page control.
  form->SetColor(RGB(0x70, 0x90, 0xB0));
  RedrawWindow(a->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(ClientPixel(a->Handle(), c.right / 2, c.bottom / 2), RGB(0x70, 0x90, 0xB0));
}

TEST_F(TabLayer, TheChangingEventCanRefuseTheUsersChoice) {
  auto* tc = new TTabControl(form);
  tc->SetParent(form);
  tc->SetBounds(10, 10, 300, 120);
  tc->SetTabs({L"关闭", L"注销", L"重启"});
  tc->SetTabIndex(0);
  int changes = 0;
  bool allow = false;
  tc->OnChanging = [&](TObject*, bool& a) { a = allow; };
  tc->OnChange = [&](TObject*) { ++changes; };
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpFor(50);
  auto click = [&](int i) {
    const RECT r = tc->TabRect(i);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tc->Handle(), &p);
    ClickAt(p.x, p.y);
    // Apart by more than the double-click time: each is a click of its own.
    MoveMouse(5, 5);
    PumpFor(static_cast<int>(GetDoubleClickTime()) + 100);
  };
  click(2);
  EXPECT_EQ(tc->TabIndex(), 0);
  EXPECT_EQ(changes, 0);
  allow = true;
  click(2);
  EXPECT_EQ(tc->TabIndex(), 2);
  EXPECT_EQ(changes, 1);
  // Set from the program: no events.
  tc->SetTabIndex(1);
  EXPECT_EQ(tc->TabIndex(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(tc->IndexOfTabAt(tc->TabRect(2).left + 2, tc->TabRect(2).top + 2), 2);
}

TEST_F(TabLayer, TabSetChoosesByMouseAndArrowKeys) {
  auto* set = new TTabSet(form);
  set->SetParent(form);
  set->SetBounds(10, 200, 300, 24);
  set->SetTabs({L"全部", L"关机", L"重启"});
  set->SetTabIndex(0);
  int changes = 0;
  set->OnChange = [&](TObject*) { ++changes; };
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpFor(50);
  // Tabs side by side from the start margin, as tall as the tab height.
  const RECT t0 = set->TabRect(0), t1 = set->TabRect(1);
  EXPECT_EQ(t0.left, set->StartMargin());
  EXPECT_EQ(t1.left, t0.right);
  EXPECT_EQ(t0.bottom - t0.top, set->TabHeight());
  EXPECT_EQ(set->TabAtPos(t1.left + 1, 5), 1);
  EXPECT_EQ(set->TabAtPos(t0.left - 1, 5), -1);
  POINT p{(t1.left + t1.right) / 2, 10};
  ClientToScreen(set->Handle(), &p);
  ClickAt(p.x, p.y);
  PumpFor(100);
  EXPECT_EQ(set->TabIndex(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(GetFocus(), set->Handle());
  SendMessageW(set->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(set->TabIndex(), 2);
  SendMessageW(set->Handle(), WM_KEYDOWN, VK_RIGHT, 0);  // the last stays
  EXPECT_EQ(set->TabIndex(), 2);
  EXPECT_EQ(changes, 2);
  // Its own look: the selected tab in the window colour, the others in the control's.
  RedrawWindow(set->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const RECT t2 = set->TabRect(2);
  EXPECT_EQ(ClientPixel(set->Handle(), t2.left + 2, t2.bottom - 3), ColorToRGB(clWindow));
  EXPECT_EQ(ClientPixel(set->Handle(), t0.left + 2, t0.bottom - 3), ColorToRGB(set->Color()));
}

TEST_F(TabLayer, PublishedPropertiesAndTheSelectionRulesView) {
  auto* pc = new TPageControl(form);
  pc->SetParent(form);
  pc->SetBounds(10, 10, 300, 200);
  TTabSheet* a = Sheet(pc, L"定时");
  TTabSheet* b = Sheet(pc, L"延迟");
  auto* tc = new TTabControl(form);
  auto* set = new TTabSet(form);
  EXPECT_TRUE(SetPropText(tc, "TabPosition", L"tpBottom"));
  EXPECT_EQ(tc->TabPosition(), tpBottom);
  EXPECT_EQ(GetPropText(tc, "TabPosition"), L"tpBottom");
  EXPECT_TRUE(SetPropText(tc, "MultiLine", L"True"));
  EXPECT_TRUE(tc->MultiLine());
  tc->SetParent(form);
  set->SetParent(form);
  form->Show();
  // The style is fixed once the window exists.
  EXPECT_THROW(tc->SetTabPosition(tpLeft), EInvalidOperation);
  EXPECT_TRUE(GetWindowLongPtrW(tc->Handle(), GWL_STYLE) & TCS_BOTTOM);
  EXPECT_TRUE(SetPropText(pc, "ActivePageIndex", L"1"));
  EXPECT_EQ(pc->ActivePage(), b);
  EXPECT_EQ(GetPropObject(pc, "ActivePage"), b);
  EXPECT_TRUE(SetPropText(a, "Caption", L"定时："));
  EXPECT_EQ(TabText(pc->Handle(), 0), L"定时：");
  EXPECT_EQ(GetPropObject(a, "PageControl"), pc);
  EXPECT_TRUE(SetPropText(set, "TabIndex", L"0"));
  EXPECT_FALSE(SetPropText(set, "TabIndex", L"x"));

  using namespace kq::skin;
  SelectionSettings settings;
  settings.controls = TSkinControls(kDefaultSkinControls.Bits());
  settings.hasTabs = true;
  EXPECT_TRUE(pc->InheritsFrom("TCustomTabControl"));
  EXPECT_TRUE(set->InheritsFrom("TCustomTabSet"));
  const Selection forPages = ChooseSkinner(DescribeControl(pc), settings);
  EXPECT_EQ(forPages.skinner, SkinnerKind::Tab);
  EXPECT_EQ(forPages.mode, AttachMode::Window);
  EXPECT_EQ(ChooseSkinner(DescribeControl(tc), settings).skinner, SkinnerKind::Tab);
  const Selection forSet = ChooseSkinner(DescribeControl(set), settings);
  EXPECT_EQ(forSet.skinner, SkinnerKind::Tab31);
  EXPECT_EQ(forSet.mode, AttachMode::Control);
  EXPECT_FALSE(ChooseSkinner(DescribeControl(a), settings).Skinned());
  // Without tabs in the skin (or with xcTab off) none of them is skinned.
  settings.hasTabs = false;
  EXPECT_FALSE(ChooseSkinner(DescribeControl(pc), settings).Skinned());
  EXPECT_FALSE(ChooseSkinner(DescribeControl(set), settings).Skinned());
}

}  // namespace
