// Messages of the form layer: the record every WindowProc receives, the layer's own
// notification numbers (CM_*) and reflected control notifications (CN_*).
//
// A control's messages travel as a TMessage through its replaceable WindowProc; a handler
// stores its answer in Result. Skinners depend on the numbers below: they are fixed.
#pragma once

#include <windows.h>

#include <cstdint>

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Notifications the layer sends to a control through Perform (so WindowProc sees them).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;  // wParam = character, lParam = key data; 1 = used
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x09;
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0A;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;  // wParam = new Visible (0/1)
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;  // the mouse came over the control
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;  // the mouse left it
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;  // sent to a form when its menu bar changed
constexpr UINT CM_ENTER = CM_BASE + 0x1A;        // focus moved into the control
constexpr UINT CM_EXIT = CM_BASE + 0x1B;         // focus moved from it to another control
constexpr UINT CM_RELEASE = CM_BASE + 0x21;      // posted to a form by Release: free it

// The parent reflects these child notifications to the child as CN_BASE + message, with the
// same parameters; the child's answer is the parent's answer.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;  // from a scroll-bar control (lParam its window)
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
