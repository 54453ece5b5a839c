// Control discovery on the gallery form and on a Win32 dialog: which controls get which
// skinner, what is passed over, what is only chosen.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "skin/controls/skin_buttons.h"
#include "skin/form/control_discovery.h"
#include "ui/application.h"
#include "ui/skin_messages.h"
#include "win/skin_controls/gallery.h"
#include "win/skin_controls/test_skin.h"
#include "win/ui/ui_test_util.h"

using namespace skintest;
using namespace uitest;
using kq::skin::AttachMode;
using kq::skin::SkinnerKind;

namespace {

class DiscoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    MoveMouse(5, 5);
  }
  void TearDown() override { delete app; }
  TApplication* app = nullptr;
};

std::map<std::string, TSkinChoice> ByName(const std::vector<TSkinChoice>& choices) {
  std::map<std::string, TSkinChoice> out;
  for (const TSkinChoice& c : choices)
    if (c.Control) out[c.Control->Name] = c;
  return out;
}

}  // namespace

TEST_F(DiscoveryTest, GalleryControlsGetTheSkinnersTheRulesPick) {
  auto* g = app->CreateForm<TGalleryForm>();
  SkinnedForm s = AttachTestSkinner(g);
  g->Show();
  const std::vector<TSkinChoice> all = SkinFormControls(*s.skinner, *g);
  auto choices = ByName(all);

  auto skinnerOf = [&](const char* name) -> TSkinControl* {
    auto it = choices.find(name);
    return it == choices.end() ? nullptr : it->second.Skinner;
  };
  EXPECT_EQ(skinnerOf("btn_run")->ClassName(), "TSkinButton");
  EXPECT_EQ(skinnerOf("btn_stop")->ClassName(), "TSkinButton");
  EXPECT_EQ(skinnerOf("bit_glyph")->ClassName(), "TSkinBitButton");
  EXPECT_EQ(skinnerOf("spd_flat")->ClassName(), "TSkinSpeedButton");
  EXPECT_EQ(skinnerOf("spd_flat")->GraphicControl, g->spd_flat);
  // The button on the panel is found among the form's components.
  EXPECT_EQ(skinnerOf("btn_inpanel")->ClassName(), "TSkinButton");
  // Tag 99 (DisableTag) and the label (no row) are not skinned.
  EXPECT_EQ(choices.count("btn_tagged"), 0u);
  EXPECT_EQ(choices.count("Label1"), 0u);
  EXPECT_EQ(skinnerOf("ckb_autorun")->ClassName(), "TSkinCheckBox");
  EXPECT_EQ(skinnerOf("Rb_ds")->ClassName(), "TSkinRadioButton");
  EXPECT_EQ(skinnerOf("Rb_yc")->ClassName(), "TSkinRadioButton");
  // The radio button inside the group box is found too.
  EXPECT_EQ(skinnerOf("rb_inner")->ClassName(), "TSkinRadioButton");
  // Chosen by the rules; their skinners come with the other control skinners.
  EXPECT_EQ(choices["edt_hour"].Kind, SkinnerKind::Edit);
  EXPECT_EQ(choices["edt_hour"].Mode, AttachMode::Window);
  EXPECT_EQ(choices["cb_task"].Kind, SkinnerKind::ComBox);
  EXPECT_EQ(choices["tp_rq"].Kind, SkinnerKind::ComBox);
  EXPECT_EQ(skinnerOf("GroupBox1")->ClassName(), "TSkinGroupBox");
  EXPECT_EQ(choices["GroupBox1"].Mode, AttachMode::ControlColour);
  EXPECT_EQ(skinnerOf("Panel1")->ClassName(), "TSkinBox");
  EXPECT_EQ(skinnerOf("ckb_left")->ClassName(), "TSkinCheckBox");
  EXPECT_EQ(skinnerOf("RadioGroup1")->ClassName(), "TSkinGroupBox");
  EXPECT_EQ(skinnerOf("StatusBar1")->ClassName(), "TSkinStatusBar");
  EXPECT_FALSE(g->StatusBar1->SizeGrip());
  for (int i = 0; i < g->RadioGroup1->ButtonCount(); ++i) {
    bool found = false;
    for (const TSkinChoice& c : all)
      found = found || (c.Control == g->RadioGroup1->Button(i) && c.Skinner && c.Skinner->ClassName() == "TSkinRadioButton");
    EXPECT_TRUE(found) << i;
  }
  EXPECT_EQ(skinnerOf("edt_hour")->ClassName(), "TSkinEdit");
  EXPECT_EQ(skinnerOf("cb_task")->ClassName(), "TSkinComBox");
  EXPECT_EQ(skinnerOf("tp_rq")->ClassName(), "TSkinComBox");

  // Every attached skinner is in the list once; a second discovery adds nothing.
  const size_t n = s.skinner->ControlSkinners.size();
  EXPECT_EQ(n, 26u);
  auto again = SkinFormControls(*s.skinner, *g);
  for (const TSkinChoice& c : again) EXPECT_EQ(c.Skinner, nullptr) << c.Control->Name;
  EXPECT_EQ(s.skinner->ControlSkinners.size(), n);
}

TEST_F(DiscoveryTest, TheFormSkinnersOwnDiscoveryAttachesThem) {
  auto* g = app->CreateForm<TGalleryForm>();
  SkinnedForm s = AttachTestSkinner(g);
  g->Show();
  SendMessageW(g->Handle(), SKM_SKINCONTROLS, 0, 1000);
  EXPECT_EQ(s.skinner->ControlSkinners.size(), 26u);
  PumpFor(100);
  EXPECT_EQ(FrameShown(g->btn_run->Handle()), 1);
  EXPECT_EQ(FrameShown(g->btn_stop->Handle()), 3);
  EXPECT_EQ(FrameShown(g->btn_tagged->Handle()), 0);
}

TEST_F(DiscoveryTest, FlagsTheSkin3rdTableAndTheProgramsOwnChoice) {
  auto* form = app->CreateForm<TForm>();
  form->SetBounds(100, 100, 300, 200);
  auto add = [&](TWinControl* c, const char* name, int y) {
    c->Name = name;
    c->SetParent(form);
    c->SetBounds(10, y, 90, 25);
  };
  auto* plain = new TButton(form);
  add(plain, "plain", 10);
  auto* bit = new TBitBtn(form);
  add(bit, "bit", 40);
  auto* foreign = new TStandInControl(form, "TRzButton");
  add(foreign, "foreign", 70);
  auto* nil = new TStandInControl(form, "TMyNilButton", TButton::StaticClass());
  add(nil, "nil", 100);
  auto* mine = new TButton(form);
  add(mine, "mine", 130);
  SkinnedForm s = AttachTestSkinner(form);
  s.skin->SkinControls.Exclude(xcBitBtn);
  std::vector<std::string> rows = s.skin->Skin3rd();
  rows.insert(rows.begin(), "TMYNILBUTTON=nil");
  s.skin->SetSkin3rd(rows);
  std::vector<std::string> asked;
  s.skin->OnSkinControl = [&](TComponent* sender, TSkinData* data, TControl* parent, TControl* control,
                              const std::string& cls, TComponent*& skinned) {
    EXPECT_EQ(sender, s.skinner);
    EXPECT_EQ(data, s.skin);
    EXPECT_EQ(parent, form);
    asked.push_back(cls);
    if (control == mine) skinned = new TSkinBitButton(control);
  };
  form->Show();
  auto choices = ByName(SkinFormControls(*s.skinner, *form));
  EXPECT_EQ(choices["plain"].Skinner->ClassName(), "TSkinButton");
  // xcBitBtn off: a bit button is not skinned as a plain button either.
  EXPECT_EQ(choices.count("bit"), 0u);
  // Skin3rd "TRzButton=button".
  EXPECT_EQ(choices["foreign"].Skinner->ClassName(), "TSkinButton");
  // "nil" wins over the button row.
  EXPECT_EQ(choices.count("nil"), 0u);
  // The program's choice, attached and listed.
  EXPECT_EQ(choices["mine"].Skinner->ClassName(), "TSkinBitButton");
  EXPECT_TRUE(choices["mine"].Skinner->Attached);
  EXPECT_NE(std::find(asked.begin(), asked.end(), "TBUTTON"), asked.end());
  EXPECT_NE(std::find(asked.begin(), asked.end(), "TRZBUTTON"), asked.end());
}

TEST_F(DiscoveryTest, AControlWhoseWindowCannotBeMadeIsPassedOver) {
  auto* form = app->CreateForm<TForm>();
  auto* orphan = new TButton(form);  // owned by the form, placed nowhere
  orphan->Name = "orphan";
  SkinnedForm s = AttachTestSkinner(form);
  form->Show();
  auto choices = SkinFormControls(*s.skinner, *form);
  EXPECT_TRUE(choices.empty());
  EXPECT_FALSE(orphan->HandleAllocated());
}

TEST_F(DiscoveryTest, APreviewFormsControlsWithoutWindowsCountAsSkinned) {
  auto* form = app->CreateForm<TForm>();
  form->Name = "PrintPreview";
  SkinnedForm s = AttachTestSkinner(form);
  auto* late = new TButton(form);
  late->Name = "late";
  form->Show();
  auto choices = SkinFormControls(*s.skinner, *form);
  EXPECT_TRUE(choices.empty());
}

namespace {

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM w, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && HIWORD(w) == BN_CLICKED) {
    SetWindowLongPtrW(dlg, DWLP_USER, static_cast<LONG_PTR>(GetWindowLongPtrW(dlg, DWLP_USER) + 1));
    SetPropW(dlg, L"last", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(LOWORD(w))));
    return TRUE;
  }
  return FALSE;
}

// A "#32770" dialog with a push button (id 101), a group box (id 102) and a radio button
// (id 103), made from an in-memory template.
HWND MakeDialog() {
  std::vector<WORD> t(1024, 0);
  auto* dt = reinterpret_cast<DLGTEMPLATE*>(t.data());
  dt->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | WS_VISIBLE;
  dt->cdit = 3;
  dt->x = 10;
  dt->y = 10;
  dt->cx = 200;
  dt->cy = 120;
  WORD* p = reinterpret_cast<WORD*>(dt + 1);
  *p++ = 0;  // menu
  *p++ = 0;  // class
  for (const wchar_t* c = L"对话框"; *c; ++c) *p++ = *c;
  *p++ = 0;
  *p++ = 9;
  for (const wchar_t* c = L"Tahoma"; *c; ++c) *p++ = *c;
  *p++ = 0;
  auto item = [&](DWORD style, short x, short y, short cx, short cy, WORD id, const wchar_t* text) {
    p = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
    auto* it = reinterpret_cast<DLGITEMTEMPLATE*>(p);
    it->style = style | WS_CHILD | WS_VISIBLE;
    it->x = x;
    it->y = y;
    it->cx = cx;
    it->cy = cy;
    it->id = id;
    p = reinterpret_cast<WORD*>(it + 1);
    *p++ = 0xFFFF;
    *p++ = 0x0080;  // button
    for (const wchar_t* c = text; *c; ++c) *p++ = *c;
    *p++ = 0;
    *p++ = 0;
  };
  item(BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 60, 16, 101, L"确定");
  item(BS_GROUPBOX, 10, 34, 120, 50, 102, L"分组");
  item(BS_AUTORADIOBUTTON, 20, 50, 80, 12, 103, L"单选");
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dt, nullptr, DialogProc, 0);
}

}  // namespace

TEST_F(DiscoveryTest, ABareDialogsButtonsAreSkinnedItsGroupBoxIsNot) {
  HWND dlg = MakeDialog();
  ASSERT_TRUE(dlg);
  auto* host = app->CreateForm<TForm>();  // owns the skin data
  auto* skin = new TSkinData(host);
  MakeTestSkin(*skin);
  auto* fs = new TWinSkinForm(nullptr);
  fs->SetWindow(dlg);
  fs->AttachToWindow(skin);
  auto choices = SkinChildWindows(*fs, dlg);
  std::map<int, TSkinChoice> byId;
  for (const TSkinChoice& c : choices) byId[GetDlgCtrlID(c.Window)] = c;
  ASSERT_EQ(byId.count(101), 1u);
  EXPECT_EQ(byId[101].Skinner->ClassName(), "TSkinButton");
  EXPECT_EQ(byId[101].Skinner->Owner(), fs);
  EXPECT_EQ(byId.count(102), 0u);
  EXPECT_EQ(byId[103].Kind, SkinnerKind::RadioButton);
  EXPECT_EQ(byId[103].Skinner->ClassName(), "TSkinRadioButton");

  // A real click reaches the dialog procedure as BN_CLICKED, once.
  SetForegroundWindow(dlg);
  PumpFor(100);
  HWND ok = GetDlgItem(dlg, 101);
  EXPECT_EQ(FrameShown(ok), 4);  // it has the focus
  const POINT c = CenterOf(ok);
  ClickAt(c.x, c.y);
  EXPECT_TRUE(PumpUntil([&] { return GetWindowLongPtrW(dlg, DWLP_USER) >= 1; }, 2000));
  PumpFor(100);
  EXPECT_EQ(GetWindowLongPtrW(dlg, DWLP_USER), 1);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(dlg, L"last")), 101);
  RemovePropW(dlg, L"last");
  delete fs;
  DestroyWindow(dlg);
}
