#include "app/window_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lumora {

namespace {

constexpr const char* kWindowProgram = "lumora-window";

bool IsExecutableFile(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindWindowProgramFor(const std::filesystem::path& program) {
  const auto bin = program.parent_path();
  for (const auto& candidate :
       {bin / kWindowProgram, bin.parent_path() / "libexec" / "lumora" / kWindowProgram}) {
    if (IsExecutableFile(candidate)) return candidate.lexically_normal().string();
  }
  return {};
}

std::string ExecWindowProgram(char** argv) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "Cannot find the running program: " + ec.message();
  const std::string window = FindWindowProgramFor(self);
  if (window.empty()) {
    return "The window program " + std::string(kWindowProgram) + " was not found beside " +
           self.string();
  }
  // argv[0] stays, so the window keeps the name it is known by.
  ::execv(window.c_str(), argv);
  return "Cannot start the window program \"" + window + "\": " + std::strerror(errno);
}

}  // namespace lumora
