#pragma once
// Data classes of the skinned window frame's objects (caption, caption
// buttons, animations, menu items), created by the [SKINOBJECTS] registry.
// Each reads its section IDName; fields are named after their keys.

#include <string>

#include "skin/data/skin_keys.h"

namespace lumora {

class TskDataSkinObject : public TskKeyedData {
 public:
  using TskKeyedData::TskKeyedData;
  const char* ClassName() const override { return "TskDataSkinObject"; }
  void VisitKeys(TskKeyVisitor& v) override;

  std::string Hint;
  int32_t ActivePictureIndex = -1;  // picture whose rectangles the object uses
  bool SkinRectInAPicture = false;
  TRect SkinRect;          // normal look
  TRect ActiveSkinRect;    // under the mouse / active
  TRect InActiveSkinRect;  // window inactive
  bool Morphing = false;
  TskMorphKind MorphKind = mkDefault;
};

// Reads only "skinrect".
class TskDataUserObject : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataUserObject"; }
  void VisitKeys(TskKeyVisitor& v) override;
};

class TskDataSkinButton : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinButton"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect DownRect;
  TRect DisableSkinRect;  // key "disableskinrsect"
};

class TskDataSkinStdButton : public TskDataSkinButton {
 public:
  using TskDataSkinButton::TskDataSkinButton;
  const char* ClassName() const override { return "TskDataSkinStdButton"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TskFrameCommand Command = cmDefault;
  // Looks of a maximize button while the window is maximized.
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
 public:
  using TskDataSkinStdButton::TskDataSkinStdButton;
  const char* ClassName() const override { return "TskDataSkinMainMenuBarButton"; }
};

class TskDataSkinAnimate : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinAnimate"; }
  void VisitKeys(TskKeyVisitor& v) override;
  // Morphing is always off for an animation.
  void ReadData(const TskIniFile& ini) override;

  int32_t CountFrames = 1;
  bool Cycle = false;
  bool ButtonStyle = false;
  int32_t TimerInterval = 50;  // ms
  TskFrameCommand Command = cmDefault;
  TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

class TskDataSkinCaption : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinCaption"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect TextRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, ActiveFontColor = 0;
  TAlignment Alignment = taCenter;
  bool Light = false;
  TColor LightColor = 0, ActiveLightColor = 0;
  bool Shadow = false;
  TColor ShadowColor = 0, ActiveShadowColor = 0;
  TRect FrameRect, ActiveFrameRect, FrameTextRect;
  int32_t FrameLeftOffset = 0, FrameRightOffset = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 25;
  bool InActiveAnimation = false;
  bool FullFrame = false;
};

// An item of a skinned popup menu. After reading, an empty active check,
// radio or arrow image takes its normal counterpart.
class TskDataSkinMenuItem : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinMenuItem"; }
  void VisitKeys(TskKeyVisitor& v) override;
  void ReadData(const TskIniFile& ini) override;

  int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DividerRect;
  int32_t DividerLeftOffset = 0, DividerRightOffset = 0;
  TRect TextRect, ImageRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, ActiveFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false, InActiveStretchEffect = false, DividerStretchEffect = false;
  TRect AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 25;
  bool InActiveAnimation = false;
  bool UseImageColor = false;
  TColor ImageColor = 0, ActiveImageColor = 0;
  bool InActiveTransparent = false;
  TRect CheckImageRect, ActiveCheckImageRect, RadioImageRect, ActiveRadioImageRect, ArrowImageRect,
      ActiveArrowImageRect;
};

class TskDataSkinMainMenuItem : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinMainMenuItem"; }
  void VisitKeys(TskKeyVisitor& v) override;

  int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DownRect, TextRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 25;
  bool InActiveAnimation = false;
};

class TskDataSkinMainMenuBarItem : public TskDataSkinMainMenuItem {
 public:
  using TskDataSkinMainMenuItem::TskDataSkinMainMenuItem;
  const char* ClassName() const override { return "TskDataSkinMainMenuBarItem"; }
};

}  // namespace lumora
