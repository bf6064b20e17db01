#pragma once
// The text an error is shown with, in the error box and in batch mode.

#include <string>
#include <string_view>

namespace lumora {

// A "." is appended when the message's last character (a multi-byte one
// whole) compares greater than "." byte by byte.
std::string ErrorBoxText(std::string_view message);

}  // namespace lumora
