#include "skin/data/skin_description.h"

#include <algorithm>

#include "skin/data/skin_limits.h"
#include "skin/data/skin_registry.h"
#include "skin/data/skin_values.h"

namespace lumora {

TskDataSkinObject* SkinDescription::FindObject(const std::string& name) const {
  for (const auto& o : Objects)
    if (o->IDName == name) return o.get();
  return nullptr;
}

TskDataSkinControl* SkinDescription::FindControl(const std::string& name) const {
  for (const auto& c : Controls)
    if (c->IDName == name) return c.get();
  return nullptr;
}

SkinDescription ReadSkinDescription(const TskIniFile& ini, TskSpareLooks spare) {
  SkinDescription d;
  d.SkinName = ini.ReadString("VERSION", "skinname", "");
  d.SkinAuthor = ini.ReadString("VERSION", "skinauthor", "");
  d.AuthorEmail = ini.ReadString("VERSION", "authoremail", "");
  d.AuthorURL = ini.ReadString("VERSION", "authorurl", "");
  d.SkinComments = ini.ReadString("VERSION", "skincomments", "");

  d.PictureName = ini.ReadString("PICTURES", "picture", "");
  d.InactivePictureName = ini.ReadString("PICTURES", "inactivepicture", "");
  d.MaskName = ini.ReadString("PICTURES", "mask", "");
  const int32_t count =
      std::min(ReadSkinInteger(ini, "PICTURES", "activepicturescount", 0), kMaxActivePictureNames);
  for (int32_t i = 0; i < count; ++i)
    d.ActivePictureNames.push_back(ini.ReadString("PICTURES", std::to_string(i), ""));

  d.FormInfo.ReadData(ini);
  d.PopupWindow.ReadData(ini);
  d.HintWindow.ReadData(ini);
  d.Colors.ReadData(ini);
  d.Objects = ReadSkinObjects(ini);
  d.Controls = ReadSkinControls(ini);
  if (spare == TskSpareLooks::kRead && ini.SectionExists("rollupbutton") &&
      d.FindObject("rollupbutton") == nullptr) {
    d.SpareRollUpButton = std::make_unique<TskDataSkinStdButton>("rollupbutton");
    d.SpareRollUpButton->ReadData(ini);
  }
  return d;
}

SkinDescription ReadSkinDescription(const TStringList& lines) {
  return ReadSkinDescription(TskIniFile(lines), TskSpareLooks::kRead);
}

}  // namespace lumora
