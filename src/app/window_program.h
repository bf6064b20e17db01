#pragma once
// The window lives in a program of its own, lumora-window, so that batch mode
// starts without loading the GUI libraries; lumora hands the window's command
// lines over to it.

#include <filesystem>
#include <string>

namespace lumora {

// lumora-window beside program (a build tree), else in PREFIX/libexec/lumora
// for a program in PREFIX/bin; empty when neither is an executable file.
std::string FindWindowProgramFor(const std::filesystem::path& program);

// Replaces this process with the window program found for the running
// executable, with the same arguments. Returns only when that fails, with a
// message naming the reason.
std::string ExecWindowProgram(char** argv);

}  // namespace lumora
