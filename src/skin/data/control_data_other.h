#pragma once
// Control data classes for controls the main window does not place
// (gauges, track bars, lists, grids, tabs and so on). They are read so that
// a skin's registry fills completely; their keys are descriptive only.

#include <string>

#include "skin/data/control_data.h"

namespace lumora {

class TskDataSkinSpinEditControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinSpinEditControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ActiveSkinRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, ActiveFontColor = 0, DisabledFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TskDataSkinGaugeControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinGaugeControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ProgressArea, ProgressRect;
  int32_t BeginOffset = 0, EndOffset = 0;  // keys "beginoffset", "endoffset"
  bool Vertical = false;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  bool ProgressTransparent = false;
  TColor ProgressTransparentColor = 0;
  bool ProgressStretch = false;
  TRect AnimationSkinRect;
  int32_t AnimationCountFrames = 0, AnimationTimerInterval = 0;
  TRect ProgressAnimationSkinRect;
  int32_t ProgressAnimationCountFrames = 0, ProgressAnimationTimerInterval = 0;
  // keys "animationbeginoffset", "animationendoffset"
  int32_t AnimationBeginOffset = 0, AnimationEndOffset = 0;
};

class TskDataSkinTrackBarControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinTrackBarControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ActiveSkinRect, TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical = false;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;
};

class TskDataSkinSplitterControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinSplitterControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;
};

class TskDataSkinUpDownControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinUpDownControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TskDataSkinListBox : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinListBox"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ItemRect, ActiveItemRect, FocusItemRect;
  int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0;
  TRect CaptionRect;
  std::string CaptionFontName = "Arial";
  int32_t CaptionFontHeight = 14;
  TFontStyles CaptionFontStyle = 0;
  TColor CaptionFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  std::string VScrollBarName = "vscrollbar";
  std::string HScrollBarName = "hscrollbar";
  std::string BothHScrollBarName = "bothhscrollbar";
  bool ShowFocus = false;
};

class TskDataSkinCheckListBox : public TskDataSkinListBox {
 public:
  using TskDataSkinListBox::TskDataSkinListBox;
  const char* ClassName() const override { return "TskDataSkinCheckListBox"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ItemCheckRect, CheckImageRect, UnCheckImageRect;
};

class TskDataSkinComboBox : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinComboBox"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ActiveSkinRect, ItemRect, ActiveItemRect, FocusItemRect;
  int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, FocusFontColor = 0, ActiveFontColor = 0;
  std::string ListBoxName;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool ItemStretchEffect = false, FocusItemStretchEffect = false;
  bool ShowFocus = false;
};

class TskDataSkinControlBar : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinControlBar"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ItemRect;
  int32_t BGPictureIndex = -1;
  TRect HGripRect, VGripRect;
  int32_t GripOffset1 = 0, GripOffset2 = 0;
  bool ItemStretchEffect = false;
  int32_t ItemOffset1 = 3, ItemOffset2 = 3;
  bool ItemTransparent = false;
  TColor ItemTransparentColor = 0;
  bool GripTransparent = false;
  TColor GripTransparentColor = 0;
};

class TskDataSkinScrollBoxControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinScrollBoxControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  int32_t BGPictureIndex = -1;
};

class TskDataSkinExPanelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinExPanelControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect RollHSkinRect, RollVSkinRect;
  int32_t RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
  TRect RollVCaptionRect, RollHCaptionRect;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  TRect CaptionRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  bool ButtonsTransparent = false;
  TColor ButtonsTransparentColor = 0;
};

// Tree view and list view read the text-area key list.
class TskDataSkinTreeView : public TskDataSkinTextAreaControl {
 public:
  using TskDataSkinTextAreaControl::TskDataSkinTextAreaControl;
  const char* ClassName() const override { return "TskDataSkinTreeView"; }
};

class TskDataSkinListView : public TskDataSkinTextAreaControl {
 public:
  using TskDataSkinTextAreaControl::TskDataSkinTextAreaControl;
  const char* ClassName() const override { return "TskDataSkinListView"; }
};

class TskDataSkinBevel : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinBevel"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TColor LightColor = 0, DarkColor = 0;
};

class TskDataSkinSlider : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinSlider"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TColor BGColor = 0;
  TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int32_t EdgeSize = 0;
  TColor PointsColor = 0;
};

class TskDataSkinMainMenuBar : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinMainMenuBar"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ItemsRect;
  // Names of [SKINOBJECTS] objects.
  std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
  TColor TrackMarkColor = 0, TrackMarkActiveColor = 0;
  bool StretchEffect = false;
  bool ItemTransparent = false;
};

class TskDataSkinTabControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinTabControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, ClientRect;
  int32_t BGPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int32_t TabLeftOffset = 0, TabRightOffset = 0;
  TRect TabsBGRect;
  bool TabStretchEffect = false;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  std::string UpDown;  // name of an up-down control entry
  bool ShowFocus = false;
  int32_t FocusOffsetX = 0, FocusOffsetY = 0;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;
};

class TskDataSkinGridControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinGridControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect FixedCellRect, SelectCellRect, FocusCellRect;
  int32_t FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
  TRect FixedCellTextRect;
  int32_t CellLeftOffset = 0, CellRightOffset = 0;
  TRect CellTextRect;
  int32_t BGPictureIndex = -1;
  TColor LinesColor = 0, BGColor = 0;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, SelectFontColor = 0, FocusFontColor = 0;
  std::string FixedFontName = "Arial";
  int32_t FixedFontHeight = 14;
  TFontStyles FixedFontStyle = 0;
  TColor FixedFontColor = 0;
  bool CellStretchEffect = false, FixedCellStretchEffect = false;
  bool ShowFocus = false;
};

}  // namespace lumora
