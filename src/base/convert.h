// Text to number as the Delphi runtime's StrToInt reads it, with its exact error text, since
// the user sees that text in the standard error box.
#pragma once

#include <string_view>

namespace kq {

// Accepts leading spaces, an optional "+" or "-", then either decimal digits (the result
// must fit in 32 bits) or up to 8 hexadecimal digits after "$", "0x" or "x" (any case;
// "$FFFFFFFF" is -1). Nothing may follow the digits, not even a space.
bool TryStrToInt(std::string_view text, int& value);
// As TryStrToInt; throws ConvertError("'<text>' is not a valid integer value").
int StrToInt(std::string_view text);

}  // namespace kq
