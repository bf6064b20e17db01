// lumora: the window, or batch mode with --rewrite.
#include <unistd.h>
#include <csignal>
#include <cstdio>

#include <iostream>
#include <vector>

#include "app/batch.h"
#include "app/command_line.h"
#include "app/error_box.h"
#include "app/lumora_application.h"
#include "app/main_window.h"
#include "app/translation_endpoint.h"
#include "builtin_skin.h"

int main(int argc, char** argv) {
  using namespace lumora;
  CommandLine line;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (auto error = ParseCommandLine(args, line)) {
    std::cerr << "lumora: " << *error << "\n" << kUsage;
    return 2;
  }
  if (line.help) {
    std::cout << kUsage;
    return 0;
  }
  if (line.batch) {
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

  TLumoraApplication app(argc, argv);
  std::unique_ptr<TranslationEndpoint> endpoint;
  try {
    endpoint = std::make_unique<TranslationEndpoint>(line.service_url);
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
    return 1;
  }
  std::unique_ptr<TForm1> form;
  try {
    form = std::make_unique<TForm1>([&endpoint] { return endpoint->Url(); }, BuiltinSkinBlock());
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
    return 1;
  }
  form->SetQuitAfterFirstPaint(line.quit_after_first_paint);
  form->show();
  form->activateWindow();
  int status = app.exec();
  form.reset();
  return status;
}
