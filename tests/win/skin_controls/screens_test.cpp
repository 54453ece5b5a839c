// The gallery and the scheduler's main window with the default skin on their buttons. With
// KQ_SHOT_DIR set, each state is also saved there as a .bmp picture of the window, to be
// looked at.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/controls/skin_buttons.h"
#include "skin/data/skin_load.h"
#include "ui/skin_messages.h"
#include "ui/text.h"
#include "win/app/app_fixture.h"
#include "win/skin_controls/default_skin.h"
#include "win/skin_controls/gallery.h"
#include "win/skin_controls/test_skin.h"
#include "win/skin_controls2/cells.h"

using namespace uitest;

using skintest::DefaultSkinBytes;
using skintest::LoadDefaultSkin;
using skintest::Shoot;

namespace {

TWinSkinForm* AttachDefaultSkin(TForm* form) {
  auto* skin = new TSkinData(form);
  EXPECT_TRUE(LoadDefaultSkin(*skin));
  auto* fs = new TWinSkinForm(form);
  fs->SetWindow(form->Handle());
  fs->AttachToForm(skin, form);
  SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
  return fs;
}

std::vector<TSkinButton*> ButtonSkinners(TWinSkinForm* fs) {
  std::vector<TSkinButton*> out;
  for (TSkinControl* s : fs->ControlSkinners)
    if (auto* b = dynamic_cast<TSkinButton*>(s)) out.push_back(b);
  return out;
}

class Screens : public apptest::KqTest {};

}  // namespace

TEST_F(Screens, GalleryWithTheDefaultSkin) {
  MoveMouse(5, 5);
  auto* g = app->CreateForm<skintest::TGalleryForm>();
  g->Show();
  TWinSkinForm* fs = AttachDefaultSkin(g);
  PumpFor(200);
  const auto buttons = ButtonSkinners(fs);
  EXPECT_EQ(buttons.size(), 11u);
  for (TSkinButton* b : buttons) EXPECT_NE(b->LastFrame(), 0) << b->Owner()->Name;
  Shoot(g->Handle(), "gallery.bmp");

  // Hot, then pressed.
  const POINT c = CenterOf(g->btn_run->Handle());
  MoveMouse(c.x, c.y);
  PumpFor(150);
  Shoot(g->Handle(), "gallery_hot.bmp");
  MouseButton(true);
  PumpFor(150);
  Shoot(g->Handle(), "gallery_pressed.bmp");
  MoveMouse(5, 5);
  PumpFor(100);
  MouseButton(false);
  PumpFor(100);
}

TEST_F(Screens, MainWindowIdleAndCounting) {
  MoveMouse(5, 5);
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  TWinSkinForm* fs = AttachDefaultSkin(m);
  PumpFor(200);
  // "执行", "停止", "保存设置", "退出".
  EXPECT_EQ(ButtonSkinners(fs).size(), 4u);
  Shoot(m->Handle(), "main_idle.bmp");

  m->Rb_yc->SetChecked(true);
  m->edt_ychour->SetText(L"1");
  m->edt_ycminu->SetText(L"30");
  m->btn_runClick();
  m->N1Click();  // shown again from the tray menu
  PumpUntil([&] { return m->edt_timeleave->Text() != L""; });
  PumpFor(150);
  EXPECT_FALSE(m->btn_run->Enabled());
  for (TSkinButton* b : ButtonSkinners(fs)) {
    if (b->Control == m->btn_run) {
      EXPECT_EQ(b->LastFrame(), 3);
    }
  }
  Shoot(m->Handle(), "main_counting.bmp");
  m->btn_stopClick();
}

TEST_F(Screens, Win32DialogWithCheckBoxesAndRadioButtons) {
  MoveMouse(5, 5);
  skintest::DialogTemplate t(L"对话框", 220, 130, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  t.Button(BS_AUTOCHECKBOX | WS_TABSTOP, 10, 8, 120, 12, 201, L"每天");
  t.Button(BS_AUTO3STATE | WS_TABSTOP, 10, 24, 120, 12, 202, L"开机时自动运行本程序");
  t.Button(BS_AUTOCHECKBOX | BS_LEFTTEXT | WS_TABSTOP | WS_DISABLED, 10, 40, 120, 12, 203, L"文字在左");
  t.Button(BS_GROUPBOX, 8, 56, 150, 44, 204, L"任务设置");
  t.Button(BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 16, 68, 80, 12, 205, L"定时：");
  t.Button(BS_AUTORADIOBUTTON, 16, 82, 80, 12, 206, L"延迟：");
  t.Button(BS_DEFPUSHBUTTON | WS_TABSTOP, 160, 108, 50, 14, IDOK, L"确定");
  HWND dlg = t.Create(nullptr, skintest::PlainDialogProc);
  ASSERT_TRUE(dlg);
  CheckDlgButton(dlg, 201, BST_CHECKED);
  CheckDlgButton(dlg, 202, BST_INDETERMINATE);
  CheckDlgButton(dlg, 203, BST_CHECKED);
  CheckDlgButton(dlg, 205, BST_CHECKED);
  auto* host = app->CreateForm<TForm>();  // owns the skin
  auto* skin = new TSkinData(host);
  // Loaded as the program loads its stored skin, so that the painters' face brush is there.
  std::vector<std::uint8_t> bytes = DefaultSkinBytes();
  ASSERT_FALSE(bytes.empty());
  const std::uint32_t n = static_cast<std::uint32_t>(bytes.size());
  std::vector<std::uint8_t> stream{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                                   static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
  stream.insert(stream.end(), bytes.begin(), bytes.end());
  ASSERT_TRUE(skin->ReadSkinStream(stream));
  skin->SkinControls.Exclude(xcMainMenu);
  auto* fs = new TWinSkinForm(nullptr);
  fs->SetWindow(dlg);
  fs->AttachToWindow(skin);
  SendMessageW(dlg, SKM_SKINCONTROLS, 0, 1000);
  SetForegroundWindow(dlg);
  PumpFor(200);
  // Check boxes, radio buttons and the push button have skinners; the group box has none.
  EXPECT_EQ(fs->ControlSkinners.size(), 6u);
  Shoot(dlg, "dialog.bmp");
  delete fs;
  DestroyWindow(dlg);
}
