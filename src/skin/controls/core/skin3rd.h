// The Skin3rd table: which skin kind a control of another library's class gets. Each row is
// "ClassName=kind"; the first row whose class name matches (ignoring case) decides, and the
// kind "nil" leaves the control unskinned. The skin component fills its table with the 110
// default rows at creation; a program may assign its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kq::skin {

// The 110 default rows, in their order (duplicates included: the first match wins).
const std::vector<std::string>& DefaultSkin3rd();

// The kind for `className`: the text after the first "=" of the first row that begins, both
// lower-cased, with the class name followed by "="; at most 50 characters, lower-cased. No
// matching row gives nothing.
std::optional<std::string> Skin3rdKind(const std::vector<std::string>& rows, std::string_view className);

}  // namespace kq::skin
