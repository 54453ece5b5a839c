// The scrolling controls of the form layer on real windows: what they keep without a window
// and hand to it, scrolling through reflected notifications, and how the skin's selection
// rules see them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/controls/core/control_selection.h"
#include "skin/form/control_discovery.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/lists.h"
#include "ui/stdctrls.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;
using kq::skin::AttachMode;
using kq::skin::SkinnerKind;

namespace {

class ListsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form = app->CreateForm<TForm>();
    form->SetBounds(100, 100, 480, 360);
  }
  template <class C>
  C* Add(int x, int y, int w, int h) {
    auto* c = new C(form);
    c->SetParent(form);
    c->SetBounds(x, y, w, h);
    return c;
  }
  void ShowForm() {
    form->Show();
    PumpFor(30);
  }
  TForm* form = nullptr;
};

bool BarVisible(HWND w, LONG id) {
  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof(sbi);
  return GetScrollBarInfo(w, id, &sbi) && !(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

}  // namespace

TEST_F(ListsTest, TheSelectionRulesSeeEachClassAsTheSkinExpects) {
  kq::skin::SelectionSettings settings;
  settings.controls = kq::skin::kDefaultSkinControls;
  struct Case {
    TControl* control;
    SkinnerKind kind;
    AttachMode mode;
  };
  const Case cases[] = {
      {Add<TMemo>(0, 0, 100, 60), SkinnerKind::Scrollbar, AttachMode::Scroll},
      {Add<TListBox>(0, 0, 100, 60), SkinnerKind::Scrollbar, AttachMode::Scroll},
      {Add<TScrollBox>(0, 0, 100, 60), SkinnerKind::Scrollbar, AttachMode::Scroll},
      {Add<TListView>(0, 0, 100, 60), SkinnerKind::ListView, AttachMode::Scroll},
      {Add<TScrollBar>(0, 0, 100, 17), SkinnerKind::ScControl, AttachMode::Own},
  };
  ShowForm();
  for (const Case& c : cases) {
    const kq::skin::Selection sel = kq::skin::ChooseSkinner(DescribeControl(c.control), settings);
    EXPECT_EQ(sel.skinner, c.kind) << c.control->ClassName();
    EXPECT_EQ(sel.mode, c.mode) << c.control->ClassName();
  }
  EXPECT_TRUE(cases[0].control->InheritsFrom("TCustomEdit"));
  EXPECT_TRUE(cases[1].control->InheritsFrom("TCustomListBox"));
  EXPECT_TRUE(cases[3].control->InheritsFrom("TCustomListView"));
}

TEST_F(ListsTest, ScrollBarKeepsItsPositionInRangeAndScrollsByReflectedNotifications) {
  auto* sb = Add<TScrollBar>(20, 20, 200, 17);
  sb->SetParams(150, 0, 100);
  EXPECT_EQ(sb->Position(), 100);
  sb->SetPageSize(20);
  EXPECT_EQ(sb->Position(), 81);  // the last page starts at max - page + 1
  sb->SetPosition(-5);
  EXPECT_EQ(sb->Position(), 0);
  sb->SetSmallChange(3);
  sb->SetLargeChange(10);
  int changes = 0;
  sb->OnChange = [&](TObject*) { ++changes; };
  ShowForm();
  HWND h = sb->Handle();
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  GetScrollInfo(h, SB_CTL, &si);
  EXPECT_EQ(si.nMax, 100);
  EXPECT_EQ(si.nPage, 20u);

  // The parent hands the scroll-bar control's notifications to the control.
  SendMessageW(form->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(h));
  EXPECT_EQ(sb->Position(), 3);
  SendMessageW(form->Handle(), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(h));
  EXPECT_EQ(sb->Position(), 13);
  SendMessageW(form->Handle(), WM_HSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(h));
  EXPECT_EQ(sb->Position(), 81);
  EXPECT_EQ(GetScrollPos(h, SB_CTL), 81);
  EXPECT_EQ(changes, 3);

  // Kind by name: the window is made again, standing up.
  ASSERT_TRUE(SetPropText(sb, "Kind", L"sbVertical"));
  EXPECT_EQ(sb->Kind(), sbVertical);
  EXPECT_EQ(sb->Width(), 17);
  EXPECT_EQ(sb->Height(), 200);
  EXPECT_TRUE(GetWindowLongPtrW(sb->Handle(), GWL_STYLE) & SBS_VERT);
  EXPECT_EQ(GetScrollPos(sb->Handle(), SB_CTL), 81);
  EXPECT_EQ(GetPropText(sb, "Kind").value_or(L""), L"sbVertical");
}

TEST_F(ListsTest, ListBoxHandsItsItemsToTheWindowAndShowsBarsAsNeeded) {
  auto* lb = Add<TListBox>(20, 20, 150, 100);
  for (int i = 0; i < 30; ++i) lb->AddItem(L"项目" + std::to_wstring(i));
  lb->SetItemIndex(4);
  lb->SetTopIndex(3);
  ShowForm();
  HWND h = lb->Handle();
  EXPECT_EQ(SendMessageW(h, LB_GETCOUNT, 0, 0), 30);
  EXPECT_EQ(lb->ItemIndex(), 4);
  EXPECT_EQ(lb->TopIndex(), 3);
  EXPECT_TRUE(BarVisible(h, OBJID_VSCROLL));
  EXPECT_FALSE(BarVisible(h, OBJID_HSCROLL));
  lb->SetScrollWidth(400);
  PumpFor(30);
  EXPECT_TRUE(BarVisible(h, OBJID_HSCROLL));
  lb->ClearItems();
  PumpFor(30);
  EXPECT_EQ(SendMessageW(h, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(lb->ItemIndex(), -1);
  EXPECT_FALSE(BarVisible(h, OBJID_VSCROLL));
}

TEST_F(ListsTest, MemoKeepsItsLinesWhenItsScrollBarsChange) {
  auto* memo = Add<TMemo>(20, 20, 200, 80);
  memo->SetLines({L"第一行", L"第二行"});
  memo->AddLine(L"第三行");
  ShowForm();
  EXPECT_FALSE(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & WS_VSCROLL);
  memo->SetScrollBars(ssVertical);
  HWND h = memo->Handle();
  EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & ES_MULTILINE);
  const std::vector<std::wstring> lines = memo->Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], L"第三行");
  EXPECT_EQ(SendMessageW(h, EM_GETLINECOUNT, 0, 0), 3);
  EXPECT_EQ(GetPropText(memo, "ScrollBars").value_or(L""), L"ssVertical");
}

TEST_F(ListsTest, ListViewShowsItsColumnsInTheHeaderAndItsRows) {
  auto* lv = Add<TListView>(20, 20, 300, 150);
  lv->AddColumn(L"时间", 120);
  lv->AddItem({L"20:00", L"开始"});
  ShowForm();
  lv->AddColumn(L"事件", 100);
  lv->AddItem({L"20:01", L"停止"});
  HWND header = lv->HeaderHandle();
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(lv->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
  wchar_t text[32] = {};
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(lv->Handle(), LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"停止");
  EXPECT_EQ(GetWindowLongPtrW(lv->Handle(), GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
}

TEST_F(ListsTest, ScrollBoxScrollsItsChildrenWithinItsRange) {
  auto* box = Add<TScrollBox>(20, 20, 200, 150);
  auto* b = new TButton(form);
  b->SetParent(box);
  b->SetBounds(10, 100, 80, 25);
  box->SetRange(0, 400);
  ShowForm();
  HWND h = box->Handle();
  EXPECT_TRUE(BarVisible(h, OBJID_VSCROLL));
  EXPECT_FALSE(BarVisible(h, OBJID_HSCROLL));
  auto childTop = [&] {
    RECT r;
    GetWindowRect(b->Handle(), &r);
    POINT p{r.left, r.top};
    ScreenToClient(h, &p);
    return p.y;
  };
  EXPECT_EQ(childTop(), 100);
  SendMessageW(h, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(box->VertPosition(), 16);
  EXPECT_EQ(childTop(), 84);
  SendMessageW(h, WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageW(h, WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageW(h, WM_VSCROLL, SB_PAGEDOWN, 0);
  RECT client;
  GetClientRect(h, &client);
  EXPECT_EQ(box->VertPosition(), 400 - client.bottom);  // no further than the range
  // A smaller range brings the children back into it.
  box->SetRange(0, 100);
  EXPECT_EQ(box->VertPosition(), 0);
  EXPECT_EQ(childTop(), 100);
  EXPECT_FALSE(BarVisible(h, OBJID_VSCROLL));
}
