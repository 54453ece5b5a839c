// The face of the program's windows. The windows are designed in "MS Sans Serif", which shows
// Chinese only where the system links a Chinese face to it (a Chinese Windows, a prepared
// Wine); elsewhere the texts would be boxes, so another installed face that has the glyphs
// is taken instead.
#pragma once

#include <string>

// True when text in `face` at `height` (negative: pixels) shows Chinese characters as
// distinct glyphs, whichever way the system finds them.
bool FaceShowsChinese(const std::wstring& face, int height);

// `preferred` when it shows Chinese, else the first face of a list of common Chinese faces
// that does, else `preferred` after all.
std::wstring ChineseCapableFace(const std::wstring& preferred, int height);
