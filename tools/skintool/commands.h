// The skin tool's commands, callable from tests as well as from main().
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kq::skintool {

// The optional file in a skin folder that fixes which files are packed and in what order.
inline constexpr const char* kListFile = "skin.lst";

// Runs one command line (without the program name). Reports go to `out`, warnings and
// errors to `err`. Returns 0 on success, 1 on unreadable or malformed input or a failed
// write, 2 for a wrong command line.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kq::skintool
