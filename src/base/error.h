// The program's exceptions. Their texts are UTF-8 and are what the standard error box shows,
// so they carry the runtime's wording exactly.
#pragma once

#include <stdexcept>
#include <string>

namespace kq {

// Base of every error the program raises itself; what() is UTF-8 text for the user.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& text) : std::runtime_error(text) {}
};

// A text that is not a number or not a date and time.
class ConvertError : public Error {
 public:
  using Error::Error;
};

// A file that could not be written: "Unable to write to <path>".
class WriteError : public Error {
 public:
  using Error::Error;
};

}  // namespace kq
