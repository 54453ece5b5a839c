#include "skin/controls/skin_look.h"

#include "skin/controls/core/skin3rd.h"
#include "ui/imglist.h"

TSkinLook::TSkinLook() : skin3rd_(kq::skin::DefaultSkin3rd()) {}

TSkinLook::~TSkinLook() = default;

TComponent* TSkinLook::ProgramSkinner(TComponent*, TControl*, TControl*, const std::string&) { return nullptr; }

int SkinDrawText(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}
