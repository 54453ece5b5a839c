// The windows of the skin engine's demo program and tests: a main window that carries the
// skin component, and one window of each kind the scheduler's own windows do not cover.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/engine/skin_data.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"
#include "win/skin_form/skin_fixture.h"

namespace skintest {

// The main window: sizeable, with the skin component stored in its definition.
class TDemoMain : public TForm {
  KQ_CLASS(TDemoMain, TForm)

 public:
  TSkinData* SkinData1;
  TButton* Button1;
  TEdit* Edit1;

  explicit TDemoMain(TComponent* owner, const std::vector<std::uint8_t>& stream = MainSkinStream(),
                     bool active = true)
      : TForm(owner) {
    BeginLoading();
    SetCaption(L"皮肤演示 主窗口");
    SetBounds(60, 60, 326, 252);
    SkinData1 = new TSkinData(this);
    SkinData1->Name = "SkinData1";
    SkinData1->ReadSkinStream(stream);
    SkinData1->SetActive(active);
    Button1 = new TButton(this);
    Button1->Name = "Button1";
    Button1->SetParent(this);
    Button1->SetBounds(14, 164, 65, 25);
    Button1->SetCaption(L"执行");
    Edit1 = new TEdit(this);
    Edit1->Name = "Edit1";
    Edit1->SetParent(this);
    Edit1->SetBounds(14, 20, 120, 21);
    EndLoading();
  }
};

// A form of the given border style, with an optional menu bar.
class TDemoForm : public TForm {
  KQ_CLASS(TDemoForm, TForm)

 public:
  TDemoForm(TComponent* owner, TFormBorderStyle style, const wchar_t* caption, RECT bounds,
            bool withMenu = false)
      : TForm(owner) {
    BeginLoading();
    SetBorderStyle(style);
    SetCaption(caption);
    SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetBounds(10, 10, 200, 15);
    label->SetCaption(caption);
    if (withMenu) {
      auto* menu = new TMainMenu(this);
      auto* file = new TMenuItem(this);
      file->SetCaption(L"文件(&F)");
      auto* quit = new TMenuItem(this);
      quit->SetCaption(L"退出(&X)");
      file->Add(quit);
      menu->Items()->Add(file);
      SetMenu(menu);
    }
    EndLoading();
  }
};

// A bare MDI frame (its own window class, DefFrameProc) with an MDI client and children,
// and with `withMenu` a menu bar of its own.
class MdiFrame {
 public:
  MdiFrame(int x, int y, int w, int h, bool withMenu = false);
  ~MdiFrame();
  HWND frame = nullptr;
  HWND client = nullptr;
  std::vector<HWND> children;
  HWND AddChild(const wchar_t* caption, int x, int y, int w, int h);
};

// Shows every window of the demo program and runs until the main window closes.
int RunDemo();

}  // namespace skintest
