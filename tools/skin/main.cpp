// lumora-skin: packs, unpacks, lists and previews skins.

#include <QGuiApplication>
#include <iostream>
#include <string>
#include <vector>

#include "platform/qt_messages.h"
#include "skin/builtin/builtin_skin.h"
#include "skin_commands.h"

int main(int argc, char** argv) {
  // Labels of the preview need fonts, never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  lumora::KeepQtMessagesQuiet();
  QGuiApplication app(argc, argv);
  std::vector<std::string> args(argv + 1, argv + argc);
  return lumora::RunSkinTool(args, lumora::BuiltinSkinBlock(), std::cout, std::cerr);
}
