// The display's resolution. Every form is laid out at 96 dpi (positions, sizes, font
// heights in pixels); when the system runs at another dpi the form layer scales each form
// once, as it finishes loading (TForm::Loaded), so the program declares itself dpi aware
// and is never stretched as a bitmap by the system.
#pragma once

namespace kq::ui {

// The resolution forms are laid out at.
inline constexpr int kDesignDpi = 96;

// The system dpi (LOGPIXELSY of the screen), read once: it is fixed for the life of a
// program that is aware of the system dpi.
int ScreenDpi();

// A length laid out at 96 dpi, at the screen's dpi (MulDiv rounding).
int ScaleToScreen(int designPixels);

}  // namespace kq::ui
