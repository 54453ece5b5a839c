#include "app/kq_aboutsoft.h"

#include "app/ui_font.h"
#include "ui/dpi.h"

Taboutsoft_kq::Taboutsoft_kq(TComponent* owner) : TForm(owner) {
  BeginLoading();
  Name = "aboutsoft_kq";
  SetCaption(L"Zelvo定时自动关机器");
  SetBorderStyle(bsDialog);
  SetBounds(0, 0, 323, 243);
  SetPosition(poDesktopCenter);
  SetColor(clBtnFace);
  const std::wstring face = ChineseCapableFace(L"MS Sans Serif", -15);
  Font().SetName(face);

  struct Line {
    TLabel** label;
    const char* name;
    int top;
    const wchar_t* text;
  } lines[] = {
      {&Label1, "Label1", 32, L"软件名称：Zelvo定时自动关机器"},
      {&Label2, "Label2", 61, L"软件版本：V1.0"},
      {&Label3, "Label3", 90, L"软件作者：Zelvo 开发维护组"},
      {&Label4, "Label4", 120, L"联系邮箱：team@zelvo.example"},
      {&Label5, "Label5", 144, L"问题反馈：请附上 zelvolog.txt"},
  };
  for (const Line& l : lines) {
    TLabel* label = new TLabel(this);
    label->Name = l.name;
    label->SetParent(this);
    label->SetParentFont(false);
    label->Font().SetName(face);
    label->Font().SetHeight(-15);
    label->SetBounds(72, l.top, 240, 15);
    label->SetCaption(l.text);
    *l.label = label;
  }

  OnShow = [this](TObject*) { FormShow(); };
  OnClick = [this](TObject*) { FormClick(); };
  EndLoading();
}

void Taboutsoft_kq::FormShow() {
  // 240 pixels as laid out, at the resolution the form was scaled to.
  const int width = MulDiv(240, PixelsPerInch(), kq::ui::kDesignDpi);
  for (TLabel* l : {Label1, Label2, Label3, Label4, Label5}) l->SetWidth(width);
}

void Taboutsoft_kq::FormClick() { Close(); }
