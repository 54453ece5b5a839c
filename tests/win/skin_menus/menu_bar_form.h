// A form with a full menu bar for the skinned-menu tests: submenus, separators at both ends
// of a submenu and doubled in its middle, a nested submenu, a disabled entry of the bar and a
// disabled item, an item the program draws itself (a colour bar without text), accelerators on
// every entry, and a popup menu whose Tag switches the skin off. It carries its own skin
// component with the stored default skin, as the program's main window does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/engine/skin_data.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"

namespace menutest {

// The colour of the program's own drawing of its colour-bar item.
inline constexpr COLORREF kSwatchColour = RGB(200, 40, 160);

class TMenuBarForm : public TForm {
  KQ_CLASS(TMenuBarForm, TForm)

 public:
  TSkinData* SkinData1;
  TMainMenu* MainMenu1;
  // The bar: 文件 (submenu with surplus separators and a nested submenu), 编辑, 查看 (disabled),
  // 帮助.
  TMenuItem* mnu_file;
  TMenuItem* mnu_edit;
  TMenuItem* mnu_view;
  TMenuItem* mnu_help;
  // 文件: "-", 新建, 打开, "-", "-", 最近, (colour bar), "-", 退出, "-".
  TMenuItem* N_fileLead;
  TMenuItem* N_new;
  TMenuItem* N_open;
  TMenuItem* N_sep1;
  TMenuItem* N_sep2;
  TMenuItem* N_recent;
  TMenuItem* N_recent1;
  TMenuItem* N_recent2;
  TMenuItem* N_swatch;
  TMenuItem* N_sep3;
  TMenuItem* N_quit;
  TMenuItem* N_fileTrail;
  // 编辑: 撤销, "-", 复制, 粘贴 (disabled).
  TMenuItem* N_undo;
  TMenuItem* N_editSep;
  TMenuItem* N_copy;
  TMenuItem* N_paste;
  TMenuItem* N_toolbar;  // under the disabled 查看
  TMenuItem* N_about;
  // Opened on a right click in the form; its Tag switches the skin off.
  TPopupMenu* PopupMenu2;
  TMenuItem* N_plain1;
  TMenuItem* N_plain2;
  TLabel* Label1;

  // The names of the items clicked, in order.
  std::vector<std::string> Clicked;

  TMenuBarForm(TComponent* owner, const std::vector<std::uint8_t>& skinStream) : TForm(owner) {
    BeginLoading();
    Name = "MENUBAR";
    SetCaption(L"菜单栏测试");
    SetBorderStyle(bsSingle);
    SetBounds(80, 60, 420, 260);
    SkinData1 = new TSkinData(this);
    SkinData1->Name = "SkinData1";
    SkinData1->ReadSkinStream(skinStream);
    SkinData1->SetActive(true);

    MainMenu1 = new TMainMenu(this);
    MainMenu1->Name = "MainMenu1";
    mnu_file = Entry("mnu_file", L"文件(&F)");
    N_fileLead = Item(mnu_file, "N_fileLead", L"-");
    N_new = Item(mnu_file, "N_new", L"新建(&N)");
    N_open = Item(mnu_file, "N_open", L"打开(&O)");
    N_open->SetShortCut(static_cast<TShortCut>('O' | scCtrl));
    N_sep1 = Item(mnu_file, "N_sep1", L"-");
    N_sep2 = Item(mnu_file, "N_sep2", L"-");
    N_recent = Item(mnu_file, "N_recent", L"最近(&R)");
    N_recent1 = Item(N_recent, "N_recent1", L"一.txt");
    N_recent2 = Item(N_recent, "N_recent2", L"二.txt");
    N_swatch = Item(mnu_file, "N_swatch", L"");
    // The program draws this item itself; the skin leaves it alone.
    N_swatch->SetOnMeasureItem([](TMenuItem*, TCanvas&, int& w, int& h) {
      w = 60;
      h = 12;
    });
    N_swatch->SetOnDrawItem([](TMenuItem*, TCanvas& c, const RECT& r, UINT) {
      HBRUSH b = CreateSolidBrush(kSwatchColour);
      RECT bar{r.left + 30, r.top + 2, r.right - 8, r.bottom - 2};
      FillRect(c.Handle(), &bar, b);
      DeleteObject(b);
    });
    N_sep3 = Item(mnu_file, "N_sep3", L"-");
    N_quit = Item(mnu_file, "N_quit", L"退出(&X)");
    N_fileTrail = Item(mnu_file, "N_fileTrail", L"-");

    mnu_edit = Entry("mnu_edit", L"编辑(&E)");
    N_undo = Item(mnu_edit, "N_undo", L"撤销(&U)");
    N_editSep = Item(mnu_edit, "N_editSep", L"-");
    N_copy = Item(mnu_edit, "N_copy", L"复制(&C)");
    N_paste = Item(mnu_edit, "N_paste", L"粘贴(&P)");
    N_paste->SetEnabled(false);

    mnu_view = Entry("mnu_view", L"查看(&V)");
    N_toolbar = Item(mnu_view, "N_toolbar", L"工具栏(&T)");
    mnu_view->SetEnabled(false);

    mnu_help = Entry("mnu_help", L"帮助(&H)");
    N_about = Item(mnu_help, "N_about", L"关于(&A)");
    SetMenu(MainMenu1);

    PopupMenu2 = new TPopupMenu(this);
    PopupMenu2->Name = "PopupMenu2";
    PopupMenu2->Tag = 99;
    N_plain1 = Item(PopupMenu2->Items(), "N_plain1", L"系统外观一");
    N_plain2 = Item(PopupMenu2->Items(), "N_plain2", L"系统外观二");
    SetPopupMenu(PopupMenu2);

    // Only items that run something are logged, not the entries that open a submenu.
    for (TMenuItem* entry : {mnu_file, mnu_edit, mnu_view, mnu_help, N_recent}) entry->OnClick = nullptr;

    Label1 = new TLabel(this);
    Label1->Name = "Label1";
    Label1->SetParent(this);
    Label1->SetBounds(12, 12, 300, 15);
    Label1->SetCaption(L"右键打开系统外观的菜单");
    EndLoading();
  }

 private:
  TMenuItem* Entry(const char* name, const wchar_t* caption) { return Item(MainMenu1->Items(), name, caption); }
  TMenuItem* Item(TMenuItem* parent, const char* name, const wchar_t* caption) {
    auto* item = new TMenuItem(this);
    item->Name = name;
    item->SetCaption(caption);
    const std::string n = name;
    item->OnClick = [this, n](TObject*) { Clicked.push_back(n); };
    parent->Add(item);
    return item;
  }
};

}  // namespace menutest
