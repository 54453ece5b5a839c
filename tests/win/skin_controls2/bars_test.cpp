// TStatusBar and TRadioGroup of the form layer, on real windows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "ui/forms.h"
#include "ui/radiogroup.h"
#include "ui/statusbar.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;

namespace {

class BarsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form = app->CreateForm<TForm>();
    form->SetBounds(100, 100, 360, 240);
  }
  void ShowForm() {
    form->Show();
    UpdateWindow(form->Handle());
  }
  TForm* form = nullptr;
};

TEST_F(BarsTest, StatusBarPanelsReachTheWindowWithTheirBevelsAndAlignment) {
  auto* bar = new TStatusBar(form);
  bar->SetParent(form);
  bar->SetBounds(0, 180, 300, 20);
  bar->SetSizeGrip(false);
  bar->AddPanel(L"左", 100);
  TStatusPanel* mid = bar->AddPanel(L"中", 80);
  mid->SetBevel(pbNone);
  mid->SetAlignment(taCenter);
  TStatusPanel* last = bar->AddPanel(L"右", 40);
  last->SetBevel(pbRaised);
  last->SetAlignment(taRightJustify);
  ShowForm();
  HWND h = bar->Handle();

  // The bar keeps the bounds it was given.
  RECT wr;
  GetWindowRect(h, &wr);
  EXPECT_EQ(wr.right - wr.left, 300);
  EXPECT_EQ(wr.bottom - wr.top, 20);

  int edges[8] = {};
  ASSERT_EQ(SendMessageW(h, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], 180);
  EXPECT_EQ(edges[2], -1);  // the last one runs to the end of the bar
  RECT r{};
  ASSERT_TRUE(SendMessageW(h, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&r)));
  EXPECT_GE(r.right, 296);

  // Bevel flags come back in the high word; alignment as leading tabs.
  wchar_t text[32] = {};
  LRESULT info = SendMessageW(h, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(HIWORD(info) & SBT_NOBORDERS, SBT_NOBORDERS);
  EXPECT_STREQ(text, L"\t中");
  info = SendMessageW(h, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(HIWORD(info) & SBT_POPOUT, SBT_POPOUT);
  EXPECT_STREQ(text, L"\t\t右");

  // Changing a panel updates the window.
  bar->Panel(0)->SetText(L"新");
  SendMessageW(h, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"新");
}

TEST_F(BarsTest, StatusBarSimpleModeAndSizeGripByProperty) {
  auto* bar = new TStatusBar(form);
  bar->SetParent(form);
  bar->SetBounds(0, 180, 300, 20);
  bar->AddPanel(L"甲", 100);
  ASSERT_TRUE(HasProp(bar, "SimplePanel"));
  EXPECT_TRUE(SetPropText(bar, "SimplePanel", L"True"));
  EXPECT_TRUE(SetPropText(bar, "SimpleText", L"简单"));
  ShowForm();
  HWND h = bar->Handle();
  EXPECT_TRUE(SendMessageW(h, SB_ISSIMPLE, 0, 0));
  // In simple mode the control answers every part with the simple text.
  wchar_t text[32] = {};
  SendMessageW(h, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"简单");

  EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & SBARS_SIZEGRIP);
  // The selection rules switch the grip off by name.
  EXPECT_TRUE(SetPropText(bar, "SizeGrip", L"False"));
  EXPECT_FALSE(bar->SizeGrip());
  EXPECT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_TRUE(bar->InheritsFrom("TCustomStatusBar"));
}

TEST_F(BarsTest, OwnerDrawnPanelIsPaintedByOnDrawPanel) {
  auto* bar = new TStatusBar(form);
  bar->SetParent(form);
  bar->SetBounds(0, 180, 300, 20);
  bar->AddPanel(L"文字", 100);
  bar->AddPanel(L"", 100)->SetStyle(psOwnerDraw);
  int calls = 0;
  RECT drawn{};
  TStatusPanel* seen = nullptr;
  bar->OnDrawPanel = [&](TStatusBar* b, TStatusPanel* p, const RECT& r) {
    ++calls;
    seen = p;
    drawn = r;
    b->Canvas().Brush().SetColor(RGB(0, 128, 0));
    b->Canvas().FillRect(r);
  };
  ShowForm();
  ASSERT_TRUE(PumpUntil([&] { return calls > 0; }));
  EXPECT_EQ(seen, bar->Panel(1));
  EXPECT_GT(drawn.right - drawn.left, 50);
  HDC dc = GetDC(bar->Handle());
  EXPECT_EQ(GetPixel(dc, (drawn.left + drawn.right) / 2, (drawn.top + drawn.bottom) / 2), RGB(0, 128, 0));
  ReleaseDC(bar->Handle(), dc);
}

TEST_F(BarsTest, RadioGroupMakesOneButtonPerItemAndFollowsItemIndex) {
  auto* group = new TRadioGroup(form);
  group->SetParent(form);
  group->SetBounds(10, 10, 200, 120);
  group->SetCaption(L"任务");
  EXPECT_TRUE(SetPropText(group, "Items", L"关闭计算机\r\n注销计算机\r\n重启计算机\r\n"));
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->Button(1)->Caption(), L"注销计算机");
  EXPECT_EQ(group->Button(2)->Parent(), group);
  // Stacked in one column under the caption, inside the group.
  EXPECT_LT(group->Button(0)->Top(), group->Button(1)->Top());
  EXPECT_EQ(group->Button(0)->Left(), 8);
  EXPECT_LE(group->Button(2)->Top() + group->Button(2)->Height(), 120);

  int clicks = 0;
  group->OnClick = [&](TObject*) { ++clicks; };
  group->SetItemIndex(2);
  ShowForm();
  EXPECT_EQ(SendMessageW(group->Button(2)->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(group->Button(0)->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // A real click on the first button moves the check and tells the group.
  const POINT p = CenterOf(group->Button(0)->Handle());
  SetForegroundWindow(form->Handle());
  ClickAt(p.x, p.y);
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(SendMessageW(group->Button(2)->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(GetPropText(group, "ItemIndex"), L"0");

  // Two columns: the fourth item starts the second column.
  group->SetItems({L"一", L"二", L"三", L"四"});
  group->SetColumns(2);
  EXPECT_EQ(group->Button(2)->Left(), group->Button(0)->Left() + (200 - 10) / 2);
  EXPECT_EQ(group->Button(2)->Top(), group->Button(0)->Top());
  // ItemIndex beyond the items clears the choice.
  group->SetItemIndex(7);
  EXPECT_EQ(group->ItemIndex(), -1);

  EXPECT_TRUE(group->InheritsFrom("TCustomRadioGroup"));
  EXPECT_TRUE(group->InheritsFrom("TCustomGroupBox"));
  EXPECT_FALSE(group->InheritsFrom("TGroupBox"));
}

}  // namespace
