#pragma once
// The window-level sections of a skin description: [FORMINFO] (the frame),
// [POPUPWINDOW], [HINTWINDOW] and [SKINCOLORS]. Each object reads the
// section its IDName names.

#include <string>

#include "skin/data/skin_keys.h"

namespace lumora {

// [FORMINFO]. After reading, when [PICTURES] "mask" names a picture, an
// empty "maskrectarea" becomes "clientrect" (else it is widened to include
// it) and each unset hit-test point (x or y 0) takes its corner point; then,
// unless "rightbottompoint" shares x or y with "lefttoppoint", the corner
// points are clamped into "clientrect".
class TskFormInfo : public TskKeyedData {
 public:
  TskFormInfo() : TskKeyedData("FORMINFO") {}
  const char* ClassName() const override { return "TskFormInfo"; }
  void VisitKeys(TskKeyVisitor& v) override;
  void ReadData(const TskIniFile& ini) override;

  TPoint LTPoint, RTPoint, LBPoint, RBPoint;  // split the main picture in nine
  TRect ClientRect;
  int32_t BGPictureIndex = -1;
  int32_t MDIBGPictureIndex = -1;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
  bool MDIBGStretchEffect = false;
  TskStretchType MDIBGStretchType = stFull;
  TRect MaskRectArea;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  TRect ButtonsRect, CaptionRect;
  int32_t ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  bool MainMenuPopupUp = false;
  int32_t BorderWidth = 0;
  int32_t FormMinWidth = 0;
  bool MDITabsTransparent = false, MainMenuBarTransparent = false;
  bool AutoRenderingInActiveImage = false;
  TskInactiveEffect InActiveEffect = ieBrightness;
};

// [POPUPWINDOW]: the window of a skinned popup menu.
class TskDataSkinPopupWindow : public TskKeyedData {
 public:
  TskDataSkinPopupWindow() : TskKeyedData("POPUPWINDOW") {}
  const char* ClassName() const override { return "TskDataSkinPopupWindow"; }
  void VisitKeys(TskKeyVisitor& v) override;

  int32_t WindowPictureIndex = -1;
  int32_t MaskPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ItemsRect;
  TColor ScrollMarkerColor = 0, ScrollMarkerActiveColor = 0;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
};

// [HINTWINDOW]. Before any skin is read the font is Arial 12.
class TskDataSkinHintWindow : public TskKeyedData {
 public:
  TskDataSkinHintWindow() : TskKeyedData("HINTWINDOW") {}
  const char* ClassName() const override { return "TskDataSkinHintWindow"; }
  void VisitKeys(TskKeyVisitor& v) override;

  int32_t WindowPictureIndex = -1;
  int32_t MaskPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClientRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 12;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
};

// [SKINCOLORS]: colours for parts drawn with plain colours. All 0 when new;
// a missing key, and every reset, gives the matching system colour.
class TskSkinColors : public TskKeyedData {
 public:
  TskSkinColors() : TskKeyedData("SKINCOLORS") {}
  const char* ClassName() const override { return "TskSkinColors"; }
  void VisitKeys(TskKeyVisitor& v) override;
  void ResetDefaults();

  TColor cBtnFace = 0, cBtnText = 0, cWindow = 0, cWindowText = 0, cHighLight = 0,
         cHighLightText = 0, cBtnHighLight = 0, cBtnShadow = 0;
};

}  // namespace lumora
