// lumora-skin-art SKIN.INI OUTDIR [--embed SOURCE.cpp]: draws the pictures
// that the description names into OUTDIR beside a copy of it; with --embed
// it also packs OUTDIR/skin.ini and writes the block as a C++ source.
// lumora-skin-art --icon SIZE OUT.png: draws the program's icon.

#include <QGuiApplication>
#include <iostream>
#include <string>

#include "base/exception.h"
#include "base/string_list.h"
#include "base/text.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin_art.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc == 4 && std::string(argv[1]) == "--icon") {
    const auto size = lumora::ParseInt32(argv[2]);
    if (!size || *size < 16 || *size > 1024) {
      std::cerr << "lumora-skin-art: --icon wants a size from 16 to 1024, not " << argv[2] << "\n";
      return 1;
    }
    if (!lumora::DrawAppIcon(*size).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
      std::cerr << "lumora-skin-art: cannot write " << argv[3] << "\n";
      return 2;
    }
    return 0;
  }
  const bool embed = argc == 5 && std::string(argv[3]) == "--embed";
  if (argc != 3 && !embed) {
    std::cerr << "usage: lumora-skin-art SKIN.INI OUTDIR [--embed SOURCE.cpp]\n"
                 "       lumora-skin-art --icon SIZE OUT.png\n";
    return 1;
  }
  try {
    lumora::TStringList description;
    description.LoadFromFile(argv[1]);
    const std::string dir = argv[2];
    lumora::WriteSkinArt(description, dir);
    if (embed) {
      lumora::TskCompressedStoredSkin skin;
      skin.BuildFromDescriptionFile(dir + "/skin.ini");
      if (skin.IsEmpty()) throw lumora::Exception(std::string(argv[1]) + " is not a complete skin");
      lumora::TskSkinData check;  // refuses what the program could not load
      check.LoadStoredSkin(skin);
      lumora::WriteEmbeddedSkinSource(skin.CompressedStream().Data(), argv[4]);
    }
  } catch (const std::exception& e) {
    std::cerr << "lumora-skin-art: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
