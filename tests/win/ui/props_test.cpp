// Published properties by name and class identity, as the skin's selection rules use them.
#include <gtest/gtest.h>

#include "win/ui/demo_form.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;

namespace {

class PropsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form = app->CreateForm<TDemoForm>();
  }
  TDemoForm* form = nullptr;
};

TEST_F(PropsTest, ValuesReadAndWriteAsText) {
  TButton* b = form->btn_run;
  EXPECT_EQ(GetPropText(b, "Caption"), L"执行");
  EXPECT_TRUE(SetPropText(b, "Caption", L"开始"));
  EXPECT_EQ(b->Caption(), L"开始");
  EXPECT_EQ(GetPropText(b, "Default"), L"False");
  EXPECT_TRUE(SetPropText(b, "Default", L"true"));  // Booleans in any letter case
  EXPECT_TRUE(b->Default());
  EXPECT_EQ(GetPropText(b, "DEFAULT"), L"True");     // names too
  EXPECT_EQ(GetPropText(b, "Left"), L"14");
  EXPECT_TRUE(SetPropText(b, "Left", L"20"));
  EXPECT_EQ(b->Left(), 20);
  EXPECT_EQ(GetPropText(b, "Tag"), L"0");
  EXPECT_TRUE(SetPropText(b, "Tag", L"-1"));
  EXPECT_EQ(b->Tag, -1);
  EXPECT_EQ(GetPropText(b, "Name"), L"btn_run");
  // Bad values change nothing.
  EXPECT_FALSE(SetPropText(b, "Left", L"twenty"));
  EXPECT_FALSE(SetPropText(b, "Default", L"yes"));
  EXPECT_EQ(b->Left(), 20);
  EXPECT_TRUE(b->Default());
}

TEST_F(PropsTest, EnumerationsAndSetsByTheirNames) {
  EXPECT_EQ(GetPropText(form->CKB_EVERYDAy, "State"), L"cbUnchecked");
  EXPECT_TRUE(SetPropText(form->CKB_EVERYDAy, "State", L"cbchecked"));
  EXPECT_TRUE(form->CKB_EVERYDAy->Checked());
  EXPECT_EQ(GetPropText(form->CKB_EVERYDAy, "Checked"), L"True");
  EXPECT_FALSE(SetPropText(form->CKB_EVERYDAy, "State", L"cbMaybe"));
  EXPECT_EQ(GetPropText(form->Label1, "Alignment"), L"taLeftJustify");
  EXPECT_TRUE(SetPropText(form->Label1, "Alignment", L"taCenter"));
  EXPECT_EQ(form->Label1->Alignment(), taCenter);
  EXPECT_EQ(GetPropText(form, "Position"), L"poDesktopCenter");
  EXPECT_EQ(GetPropText(form, "BorderIcons"), L"biSystemMenu,biMinimize");
  EXPECT_TRUE(SetPropText(form, "BorderIcons", L"[biSystemMenu]"));
  EXPECT_EQ(form->BorderIcons(), biSystemMenu);
  EXPECT_EQ(GetPropText(form->tp_rq, "DateMode"), L"dmComboBox");
  EXPECT_EQ(GetPropText(form->tp_rq, "Kind"), L"dtkDate");
  EXPECT_EQ(GetPropText(form->cb_task, "ItemIndex"), L"0");
  EXPECT_EQ(GetPropText(form->cb_task, "Style"), L"csDropDown");
  EXPECT_EQ(GetPropText(form->Timer1, "Interval"), L"10");
  EXPECT_EQ(GetPropText(form->Timer1, "Enabled"), L"False");
  // Colours are integers, system colours included (as signed 32-bit values).
  EXPECT_EQ(GetPropText(form->edt_timeleave, "Color"), L"-2147483633");  // clBtnFace
  EXPECT_TRUE(SetPropText(form->edt_timeleave, "Color", L"clWindow"));
  EXPECT_EQ(form->edt_timeleave->Color(), clWindow);
  EXPECT_TRUE(SetPropText(form->edt_timeleave, "Color", L"-2147483633"));
  EXPECT_EQ(form->edt_timeleave->Color(), clBtnFace);
  EXPECT_FALSE(SetPropText(form->edt_timeleave, "Color", L"clPlaid"));
  EXPECT_TRUE(SetPropText(form->edt_timeleave, "Color", L"16711935"));
  EXPECT_EQ(form->edt_timeleave->Color(), clFuchsia);
  EXPECT_TRUE(SetPropText(form->edt_timeleave, "Color", L"$FFFFFF"));
  EXPECT_EQ(form->edt_timeleave->Color(), clWhite);
}

TEST_F(PropsTest, ObjectPropertiesByReference) {
  TPersistent* font = GetPropObject(form->edt_hour, "Font");
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font, &form->edt_hour->Font());
  EXPECT_TRUE(font->InheritsFrom("TFont"));
  EXPECT_EQ(GetPropText(font, "Style"), L"fsBold");
  EXPECT_EQ(GetPropText(font, "Name"), L"MS Sans Serif");
  EXPECT_EQ(GetPropText(font, "Height"), L"-11");
  EXPECT_EQ(GetPropObject(form, "PopupMenu"), form->PopupMenu1);
  EXPECT_EQ(GetPropText(form, "PopupMenu"), L"PopupMenu1");
  EXPECT_TRUE(SetPropObject(form->btn_run, "PopupMenu", form->PopupMenu1));
  EXPECT_EQ(form->btn_run->PopupMenu(), form->PopupMenu1);
  EXPECT_FALSE(SetPropObject(form->btn_run, "PopupMenu", form->Timer1));  // wrong class
  EXPECT_EQ(form->btn_run->PopupMenu(), form->PopupMenu1);
  // A referenced component that goes away leaves the property empty.
  delete form->PopupMenu1;
  EXPECT_EQ(form->btn_run->PopupMenu(), nullptr);
  EXPECT_EQ(GetPropObject(form, "PopupMenu"), nullptr);
}

TEST_F(PropsTest, APropertyAClassDoesNotHaveIsAbsent) {
  EXPECT_FALSE(HasProp(form->btn_run, "Glyph"));
  EXPECT_FALSE(GetPropText(form->btn_run, "Glyph").has_value());
  EXPECT_FALSE(SetPropText(form->btn_run, "Flat", L"True"));
  EXPECT_FALSE(SetPropText(form->edt_hour, "Caption", L"x"));  // edits publish Text
  EXPECT_EQ(form->edt_hour->Text(), L"17");
  EXPECT_TRUE(HasProp(form->edt_hour, "Text"));
  EXPECT_EQ(GetPropObject(form->btn_run, "Caption"), nullptr);  // not an object property
  EXPECT_FALSE(GetPropText(nullptr, "Caption").has_value());
}

TEST_F(PropsTest, ClassesAnswerForTheirAncestors) {
  struct Row {
    TObject* obj;
    const char* name;
    std::vector<const char*> is;
    std::vector<const char*> is_not;
  };
  const Row rows[] = {
      {form->btn_run, "TButton", {"TButtonControl", "TWinControl", "TControl", "TComponent", "tbutton"},
       {"TCustomCheckBox", "TBitBtn"}},
      {form->CKB_EVERYDAy, "TCheckBox", {"TCustomCheckBox", "TButtonControl"}, {"TButton"}},
      {form->Rb_ds, "TRadioButton", {"TButtonControl"}, {"TCustomCheckBox"}},
      {form->edt_hour, "TEdit", {"TCustomEdit", "TWinControl"}, {"TCustomMemo"}},
      {form->GroupBox1, "TGroupBox", {"TCustomGroupBox", "TCustomControl"}, {"TCustomPanel"}},
      {form->cb_task, "TComboBox", {"TCustomComboBox", "TWinControl"}, {"TCustomEdit"}},
      {form->tp_rq, "TDateTimePicker", {"TCommonCalendar"}, {"TCustomComboBox"}},
      {form->lb_hour, "TLabel", {"TCustomLabel", "TGraphicControl", "TControl"}, {"TWinControl"}},
      {form, "TDemoForm", {"TForm", "TCustomForm", "TScrollingWinControl"}, {"TCustomFrame"}},
      {form->Timer1, "TTimer", {"TComponent"}, {"TControl"}},
      {form->PopupMenu1, "TPopupMenu", {"TMenu"}, {"TMainMenu"}},
      {form->iglIcons, "TImageList", {"TCustomImageList"}, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.obj->ClassName(), r.name);
    for (const char* a : r.is) EXPECT_TRUE(r.obj->InheritsFrom(a)) << a;
    for (const char* a : r.is_not) EXPECT_FALSE(r.obj->InheritsFrom(a)) << a;
  }
  const auto chain = form->btn_run->ClassType().Ancestry();
  EXPECT_EQ(chain, (std::vector<std::string>{"TButton", "TButtonControl", "TWinControl", "TControl",
                                             "TComponent", "TPersistent", "TObject"}));
}

TEST_F(PropsTest, AForeignClassIsRepresentedByItsNameAlone) {
  auto* rz = new TStandInControl(form, "TRzButton");
  rz->SetParent(form);
  EXPECT_EQ(rz->ClassName(), "TRzButton");
  EXPECT_TRUE(rz->InheritsFrom("TWinControl"));
  EXPECT_FALSE(rz->InheritsFrom("TButton"));
  EXPECT_TRUE(rz->IsWindowed());
  form->Show();
  EXPECT_TRUE(rz->HandleAllocated());
  auto* speed = new TStandInGraphicControl(form, "TSpeedButton");
  speed->SetParent(form);
  EXPECT_FALSE(speed->IsWindowed());
  EXPECT_TRUE(speed->InheritsFrom("TGraphicControl"));
  // Only the name: a class info with no ancestors at all.
  TClassInfo bare("TwwDBRichEdit", nullptr);
  EXPECT_EQ(bare.Ancestry(), std::vector<std::string>{"TwwDBRichEdit"});
  EXPECT_FALSE(bare.InheritsFrom("TWinControl"));
}

}  // namespace
