#pragma once
// The program's command line: the window by default, batch mode with
// --rewrite, and the translation service to use.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/batch.h"

namespace lumora {

struct CommandLine {
  bool batch = false;
  bool help = false;
  bool quit_after_first_paint = false;  // start-up timing
  BatchOptions batch_options;
  std::optional<std::string> service_url;  // none: the embedded service
};

// Returns an error text for a command line that cannot be used.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            CommandLine& line);

// ParseCommandLine over a program's arguments; on an error writes it and the
// usage to err and returns false (the program then exits with status 2).
bool ParseProgramArguments(int argc, char** argv, CommandLine& line, std::ostream& err);

extern const char* const kUsage;

}  // namespace lumora
