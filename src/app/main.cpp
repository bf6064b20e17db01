// lumora: batch mode with --rewrite; otherwise the window, which runs as the
// program lumora-window so that batch mode never loads the GUI libraries.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>

#include "app/batch.h"
#include "app/command_line.h"
#include "app/error_text.h"
#include "app/translation_endpoint.h"
#include "app/window_program.h"

int main(int argc, char** argv) {
  using namespace lumora;
  CommandLine line;
  if (!ParseProgramArguments(argc, argv, line, std::cerr)) return 2;
  if (line.help) {
    std::cout << kUsage;
    return 0;
  }
  if (!line.batch) {
    std::cerr << "lumora: " << ExecWindowProgram(argv) << "\n";
    return 1;
  }
  // A closed pipe becomes a write error that batch mode reports.
  std::signal(SIGPIPE, SIG_IGN);
  line.batch_options.progress_bar = isatty(STDERR_FILENO) == 1;
  int status = 1;
  try {
    TranslationEndpoint endpoint(line.service_url, line.batch_options.strength,
                                 line.batch_options.keep_file);
    status = RunBatch(line.batch_options, endpoint.Url(), std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << ErrorBoxText(e.what()) << "\n";
  }
  if (std::fclose(stdout) != 0 && status == 0) {
    std::cerr << "Cannot write to standard output\n";
    status = 1;
  }
  return status;
}
