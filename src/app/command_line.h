#pragma once
// The program's command line: the window by default, batch mode with
// --rewrite, and the translation service to use.

#include <optional>
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

extern const char* const kUsage;

}  // namespace lumora
