#pragma once
// A skin description read into its data objects without loading pictures,
// and the named rectangles it places on each picture. Skin authors see these
// rectangles outlined on the preview sheet; the art generator paints into
// them and checks that each lies inside its picture.

#include <memory>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "base/string_list.h"
#include "skin/data/control_data.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_window_data.h"

namespace lumora {

// Picture numbers of a named rectangle: the active pictures count from 0.
constexpr int kMainPictureId = -2;
constexpr int kMaskPictureId = -3;

struct SkinDescription {
  std::string PictureName, InactivePictureName, MaskName;
  std::vector<std::string> ActivePictureNames;
  TskFormInfo FormInfo;
  TskDataSkinPopupWindow PopupWindow;
  TskDataSkinHintWindow HintWindow;
  TskSkinColors Colors;
  std::vector<std::unique_ptr<TskDataSkinObject>> Objects;
  std::vector<std::unique_ptr<TskDataSkinControl>> Controls;
  // [rollupbutton] when the description has it but its registry does not
  // list it: the look is drawn, ready for a skin that registers it.
  std::unique_ptr<TskDataSkinStdButton> SpareRollUpButton;

  TskDataSkinObject* FindObject(const std::string& name) const;
  TskDataSkinControl* FindControl(const std::string& name) const;
};

// Reads the description as the skin data component does. Malformed points
// and rectangles raise EConvertError.
SkinDescription ReadSkinDescription(const TStringList& lines);

struct SkinNamedRect {
  int Picture = kMainPictureId;  // kMainPictureId or an active picture index
  std::string Section;
  std::string Key;
  TRect Rect;             // in picture pixels
  bool Relative = false;  // a key measured from the section's "skinrect"
};

// Every non-empty rectangle key of the form, popup and hint windows, the
// frame objects and the controls, with relative keys moved into picture
// pixels. Objects without a picture are left out.
std::vector<SkinNamedRect> NamedRectangles(const SkinDescription& description);

}  // namespace lumora
