#pragma once
// The one place where an error that leaves a command reaches the user: a
// modal error box titled with the application title.

#include <functional>
#include <string>
#include <string_view>

#include "app/error_text.h"

class QWidget;

namespace lumora {

inline constexpr const char* kApplicationTitle = "Lumora伪原创";

// Shows the modal box over the active window (releasing a mouse grab first).
void ShowErrorBox(const std::string& message);

// Runs a command handler; an error that leaves it goes to the error box.
void RunCommand(const std::function<void()>& handler);

}  // namespace lumora
