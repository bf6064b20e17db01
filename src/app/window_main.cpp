// lumora-window: the window, started by lumora for every command line that is
// not batch mode.
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "app/error_box.h"
#include "app/lumora_application.h"
#include "app/main_window.h"
#include "app/translation_endpoint.h"
#include "skin/builtin/builtin_skin.h"

int main(int argc, char** argv) {
  using namespace lumora;
  CommandLine line;
  if (!ParseProgramArguments(argc, argv, line, std::cerr)) return 2;
  if (line.help || line.batch) {
    // lumora itself answers these; the window has nothing to add.
    std::cerr << kUsage;
    return 2;
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
