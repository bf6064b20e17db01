#pragma once
// The skin description text read into its data objects, without pictures:
// the one reader behind the skin data component and the skin tools.

#include <memory>
#include <string>
#include <vector>

#include "base/string_list.h"
#include "skin/data/control_data.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_window_data.h"

namespace lumora {

struct SkinDescription {
  // [VERSION]
  std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;
  // [PICTURES]
  std::string PictureName, InactivePictureName, MaskName;
  std::vector<std::string> ActivePictureNames;
  TskFormInfo FormInfo;
  TskDataSkinPopupWindow PopupWindow;
  TskDataSkinHintWindow HintWindow;
  TskSkinColors Colors;
  // In [SKINOBJECTS] and [SKINCONTROLS] order; unknown types are skipped.
  std::vector<std::unique_ptr<TskDataSkinObject>> Objects;
  std::vector<std::unique_ptr<TskDataSkinControl>> Controls;
  // [rollupbutton] when the description has it but its registry does not
  // list it: the tools lay it out, ready for a skin that registers it. The
  // program leaves it unread.
  std::unique_ptr<TskDataSkinStdButton> SpareRollUpButton;

  TskDataSkinObject* FindObject(const std::string& name) const;
  TskDataSkinControl* FindControl(const std::string& name) const;
};

enum class TskSpareLooks { kLeaveOut, kRead };

// Reads every section the skin data component uses. Malformed points and
// rectangles raise EConvertError.
SkinDescription ReadSkinDescription(const TskIniFile& ini,
                                    TskSpareLooks spare = TskSpareLooks::kLeaveOut);
// The same over description lines, with the spare looks, as the tools read it.
SkinDescription ReadSkinDescription(const TStringList& lines);

}  // namespace lumora
