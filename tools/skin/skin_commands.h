#pragma once
// The commands of lumora-skin, callable in-process so that tests run them
// exactly as the program does.
//
//   pack DIR/skin.ini OUT      build a compressed skin file from a description
//   unpack [FILE] DIR          pictures as BMP files and skin.ini
//   info [FILE]                version, pictures, skin objects and controls
//   preview [FILE] OUT.png     every picture with its named rectangles
//
// Without FILE a command works on the built-in skin block it is given.

#include <QImage>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_container.h"
#include "skin/data/stored_skin.h"

namespace lumora {

// Exit statuses.
constexpr int kSkinToolOk = 0;
constexpr int kSkinToolUsage = 1;
constexpr int kSkinToolBadSkin = 2;

// Runs one command line (without the program name). Messages go to err,
// results to out. A file that is not a readable skin gives a message naming
// it and kSkinToolBadSkin; a wrong command line gives the usage and
// kSkinToolUsage.
int RunSkinTool(const std::vector<std::string>& args, std::string_view builtinBlock,
                std::ostream& out, std::ostream& err);

// The pieces of the commands. Each raises lumora::Exception with a message
// on failure.

// A compressed skin file (int32 version, int32 length, zlib block) read into
// a stored skin; rejects a version above 3, an empty block and trailing
// garbage in the length.
void LoadCompressedSkinFile(const std::string& path, TskCompressedStoredSkin& skin);
// The stored skin's block inflated and split; a rejected version raises.
TskSkinContainer OpenSkinContainer(const TskCompressedStoredSkin& skin);
// Builds the block from DIR/skin.ini and writes it as a compressed skin file.
void PackSkin(const std::string& iniPath, const std::string& outPath);
// Writes the pictures under their [PICTURES] names and skin.ini into dir.
void UnpackSkin(const TskSkinContainer& container, const std::string& dir);
// The listing of the info command.
void WriteSkinInfo(const TskCompressedStoredSkin& skin, std::ostream& out);
// The preview sheet: a sample window, then every picture with its named
// rectangles. Needs a QGuiApplication for its labels.
QImage DrawPreviewSheet(const TskSkinContainer& container);
// A small main window assembled from the skin's looks (transparent outside
// the window's shape).
QImage DrawSampleWindow(const TskSkinContainer& container);

}  // namespace lumora
