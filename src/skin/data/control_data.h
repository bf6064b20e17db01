#pragma once
// Data classes of the skinned controls, created by the [SKINCONTROLS]
// registry and found by a control through its SkinDataName. This file holds
// the common bases and the classes the main window's controls use; the
// remaining classes are in control_data_other.h.
//
// Coordinates: "pictureindex" names the active picture the look is cut
// from; "skinrect" is the normal look in that picture; points and
// "clientrect" are relative to the top-left of "skinrect"; the alternative
// looks (active, down, focused, disabled) are rectangles of the same size
// in the same picture; small image rectangles are used 1:1.

#include <string>

#include "skin/data/skin_keys.h"

namespace lumora {

class TskDataSkinControl : public TskKeyedData {
 public:
  using TskKeyedData::TskKeyedData;
  const char* ClassName() const override { return "TskDataSkinControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  int32_t PictureIndex = -1;  // -1: the control has no bitmap look
  int32_t MaskPictureIndex = -1;
  TRect SkinRect;
};

// The nine-part frame: corner points, the client area and how the edges
// and the centre fill a new size.
class TskDataSkinCustomControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinCustomControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TPoint LTPoint;  // end of the top-left corner piece
  TPoint RTPoint;  // start of the top-right corner piece
  TPoint LBPoint;  // start of the bottom-left corner piece
  TPoint RBPoint;  // start of the bottom-right corner piece
  TRect ClientRect;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;  // centre stretched (true) or tiled
  TskStretchType StretchType = stFull;
};

// "panel", "groupbox", "statusbar".
class TskDataSkinPanelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinPanelControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  int32_t BGPictureIndex = -1;
  TRect CaptionRect;  // relative to SkinRect
  TAlignment Alignment = taCenter;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;  // pixels
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect, FrameTextRect;
  int32_t FrameLeftOffset = 0, FrameRightOffset = 0;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;
};

// "button".
class TskDataSkinButtonControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinButtonControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
  TRect ActiveSkinRect, DownSkinRect, FocusedSkinRect, DisabledSkinRect;
  bool Morphing = false;
  TskMorphKind MorphKind = mkDefault;
  TRect AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 25;  // ms
  bool ShowFocus = false;
  TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor = 0;
};

class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
 public:
  using TskDataSkinButtonControl::TskDataSkinButtonControl;
  const char* ClassName() const override { return "TskDataSkinMenuButtonControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect TrackButtonRect;
};

// "checkbox", "radiobox".
class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinCheckRadioControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
  TRect ActiveSkinRect;
  TRect CheckImageArea, TextArea;  // relative to SkinRect
  TRect CheckImageRect, UnCheckImageRect;
  TRect ActiveCheckImageRect, ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;
  TRect GrayedCheckImageRect, ActiveGrayedCheckImageRect;
  bool Morphing = false;
  TskMorphKind MorphKind = mkDefault;
};

// "vscrollbar", "hscrollbar", "bothhscrollbar".
class TskDataSkinScrollBarControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinScrollBarControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect TrackArea;  // relative to SkinRect
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int32_t ThumbOffset1 = 0, ThumbOffset2 = 0;  // fixed ends of the thumb image
  bool ThumbTransparent = false;
  TColor ThumbTransparentColor = 0;
  bool ThumbStretchEffect = false;
  int32_t ThumbMinSize = 0;
  int32_t ThumbMinPageSize = 0;  // 0: the thumb image's own length
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
  bool GlyphTransparent = false;
  TColor GlyphTransparentColor = 0;
};

// "edit".
class TskDataSkinEditControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinEditControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TRect ActiveSkinRect;
  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0, DisabledFontColor = 0, ActiveFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
};

// "memo".
class TskDataSkinMemoControl : public TskDataSkinEditControl {
 public:
  using TskDataSkinEditControl::TskDataSkinEditControl;
  const char* ClassName() const override { return "TskDataSkinMemoControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  TColor BGColor = 0, ActiveBGColor = 0;
};

// A font and a background colour, no frame keys: the rich edit, the tree
// view and the list view read this one key list.
class TskDataSkinTextAreaControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitKeys(TskKeyVisitor& v) override;

  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  TColor BGColor = 0;
};

// "richedit".
class TskDataSkinRichEdit : public TskDataSkinTextAreaControl {
 public:
  using TskDataSkinTextAreaControl::TskDataSkinTextAreaControl;
  const char* ClassName() const override { return "TskDataSkinRichEdit"; }
};

// "stdlabel". The text colour under the mouse defaults to pure blue.
class TskDataSkinStdLabelControl : public TskDataSkinControl {
 public:
  static constexpr TColor kDefaultActiveFontColor = 16711680;
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinStdLabelControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = kDefaultActiveFontColor;
};

// "label".
class TskDataSkinLabelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinLabelControl"; }
  void VisitKeys(TskKeyVisitor& v) override;

  std::string FontName = "Arial";
  int32_t FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
};

// The four font keys most controls share: "fontname" (Arial), "fontheight"
// (14), "fontstyle", "fontcolor" (0).
void VisitFontKeys(TskKeyVisitor& v, std::string& name, int32_t& height, TFontStyles& style,
                   TColor& color);

}  // namespace lumora
