#pragma once
// A small skin made in the tests: pictures drawn in code and a description
// naming them, written to a temporary folder or packed into a container.

#include <QImage>
#include <string>

#include "base/string_list.h"
#include "skin/data/skin_container.h"

namespace lumora::testing {

// 24-bit picture with a colour per position, so that pixel checks catch
// swapped or shifted images.
QImage TestPicture(int w, int h, int seed);
// Two-colour mask.
QImage TestMask(int w, int h);

// A description with the five required sections, two frame objects, three
// controls (one of an unknown type), two active pictures "a0.bmp", "a1.bmp".
TStringList TestDescription();

// A fresh, empty temporary folder (with trailing "/") removed at exit.
std::string TempDir();

// Writes the description as "skin.ini" with its pictures; returns its path.
std::string WriteTestSkinFiles(const std::string& dir);

// The container that WriteTestSkinFiles describes.
TskSkinContainer TestContainer();

}  // namespace lumora::testing
