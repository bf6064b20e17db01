#include "app/window_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace lumora {
namespace {

namespace fs = std::filesystem;

void MakeFile(const fs::path& p, bool executable) {
  fs::create_directories(p.parent_path());
  std::ofstream(p) << "#!/bin/sh\n";
  ::chmod(p.c_str(), executable ? 0755 : 0644);
}

TEST(WindowProgram, IsFoundBesideTheProgramOrInTheInstalledLibexecFolder) {
  const fs::path prefix = fs::path(::testing::TempDir()) / "lumora_window_prefix";
  fs::remove_all(prefix);
  const fs::path program = prefix / "bin" / "lumora";
  MakeFile(program, true);
  EXPECT_EQ(FindWindowProgramFor(program), "") << "nothing there yet";

  // Neither a folder of that name nor a file that cannot run is a program.
  fs::create_directories(prefix / "libexec" / "lumora" / "lumora-window");
  EXPECT_EQ(FindWindowProgramFor(program), "");
  fs::remove_all(prefix / "libexec");
  MakeFile(prefix / "libexec" / "lumora" / "lumora-window", false);
  EXPECT_EQ(FindWindowProgramFor(program), "");

  MakeFile(prefix / "libexec" / "lumora" / "lumora-window", true);
  EXPECT_EQ(FindWindowProgramFor(program),
            (prefix / "libexec" / "lumora" / "lumora-window").string());

  // A build tree keeps it beside the programs, and that one wins.
  MakeFile(prefix / "bin" / "lumora-window", true);
  EXPECT_EQ(FindWindowProgramFor(program), (prefix / "bin" / "lumora-window").string());
  fs::remove_all(prefix);
}

}  // namespace
}  // namespace lumora
