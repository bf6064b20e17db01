#include "skin/data/control_data.h"

namespace lumora {

void VisitFontKeys(TskKeyVisitor& v, std::string& name, int32_t& height, TFontStyles& style,
                   TColor& color) {
  v.Text("fontname", name, "Arial");
  v.Integer("fontheight", height, 14);
  v.FontStyle("fontstyle", style);
  v.Color("fontcolor", color);
}

void TskDataSkinControl::VisitKeys(TskKeyVisitor& v) {
  v.PictureIndex("pictureindex", PictureIndex);
  v.PictureIndex("maskpictureindex", MaskPictureIndex);
  v.Rect("skinrect", SkinRect);
}

void TskDataSkinCustomControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinControl::VisitKeys(v);
  v.Point("lefttoppoint", LTPoint);
  v.Point("righttoppoint", RTPoint);
  v.Point("leftbottompoint", LBPoint);
  v.Point("rightbottompoint", RBPoint);
  v.Rect("clientrect", ClientRect);
  v.Boolean("leftstretch", LeftStretch);
  v.Boolean("topstretch", TopStretch);
  v.Boolean("rightstretch", RightStretch);
  v.Boolean("bottomstretch", BottomStretch);
  v.Boolean("stretcheffect", StretchEffect);
  v.StretchType("stretchtype", StretchType);
}

void TskDataSkinPanelControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.PictureIndex("bgpictureindex", BGPictureIndex);
  v.Rect("captionrect", CaptionRect);
  v.Alignment("alignment", Alignment);
  VisitFontKeys(v, FontName, FontHeight, FontStyle, FontColor);
  v.Rect("checkimagerect", CheckImageRect);
  v.Rect("uncheckimagerect", UnCheckImageRect);
  v.Rect("markframerect", MarkFrameRect);
  v.Rect("framerect", FrameRect);
  v.Rect("frametextrect", FrameTextRect);
  v.Integer("frameleftoffset", FrameLeftOffset);
  v.Integer("framerightoffset", FrameRightOffset);
  v.Rect("gripperrect", GripperRect);
  v.Boolean("grippertransparent", GripperTransparent);
  v.Color("grippertransparentcolor", GripperTransparentColor);
}

void TskDataSkinButtonControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Color("downfontcolor", DownFontColor);
  v.Color("disabledfontcolor", DisabledFontColor);
  v.Rect("activeskinrect", ActiveSkinRect);
  v.Rect("downskinrect", DownSkinRect);
  v.Rect("focusedskinrect", FocusedSkinRect);
  v.Rect("disabledskinrect", DisabledSkinRect);
  v.Boolean("morphing", Morphing);
  v.MorphKind("morphkind", MorphKind);
  v.Rect("animateskinrect", AnimateSkinRect);
  v.Integer("framecount", FrameCount);
  v.Integer("animateinterval", AnimateInterval, 25);
  v.Boolean("showfocus", ShowFocus);
  v.Rect("menumarkerflatrect", MenuMarkerFlatRect);
  v.Rect("menumarkerrect", MenuMarkerRect);
  v.Rect("menumarkeractiverect", MenuMarkerActiveRect);
  v.Rect("menumarkerdownrect", MenuMarkerDownRect);
  v.Color("menumarkertransparentcolor", MenuMarkerTransparentColor);
}

void TskDataSkinMenuButtonControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinButtonControl::VisitKeys(v);
  v.Rect("trackbuttonrect", TrackButtonRect);
}

void TskDataSkinCheckRadioControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Color("unenabledfontcolor", UnEnabledFontColor);
  v.Color("framefontcolor", FrameFontColor);
  v.Rect("activeskinrect", ActiveSkinRect);
  v.Rect("checkimagearea", CheckImageArea);
  v.Rect("textarea", TextArea);
  v.Rect("checkimagerect", CheckImageRect);
  v.Rect("uncheckimagerect", UnCheckImageRect);
  v.Rect("activecheckimagerect", ActiveCheckImageRect);
  v.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
  v.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
  v.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
  v.Rect("grayedcheckimagerect", GrayedCheckImageRect);
  v.Rect("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
  v.Boolean("morphing", Morphing);
  v.MorphKind("morphkind", MorphKind);
}

void TskDataSkinScrollBarControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("trackarea", TrackArea);
  v.Rect("upbuttonrect", UpButtonRect);
  v.Rect("activeupbuttonrect", ActiveUpButtonRect);
  v.Rect("downupbuttonrect", DownUpButtonRect);
  v.Rect("downbuttonrect", DownButtonRect);
  v.Rect("activedownbuttonrect", ActiveDownButtonRect);
  v.Rect("downdownbuttonrect", DownDownButtonRect);
  v.Rect("thumbrect", ThumbRect);
  v.Rect("activethumbrect", ActiveThumbRect);
  v.Rect("downthumbrect", DownThumbRect);
  v.Integer("thumboffset1", ThumbOffset1);
  v.Integer("thumboffset2", ThumbOffset2);
  v.Boolean("thumbtransparent", ThumbTransparent);
  v.Color("thumbtransparentcolor", ThumbTransparentColor);
  v.Boolean("thumbstretcheffect", ThumbStretchEffect);
  v.Integer("thumbminsize", ThumbMinSize);
  v.Integer("thumbminpagesize", ThumbMinPageSize);
  v.Rect("glyphrect", GlyphRect);
  v.Rect("activeglyphrect", ActiveGlyphRect);
  v.Rect("downglyphrect", DownGlyphRect);
  v.Boolean("glyphtransparent", GlyphTransparent);
  v.Color("glyphtransparentcolor", GlyphTransparentColor);
}

void TskDataSkinEditControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("activeskinrect", ActiveSkinRect);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("disabledfontcolor", DisabledFontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Rect("buttonrect", ButtonRect);
  v.Rect("activebuttonrect", ActiveButtonRect);
  v.Rect("downbuttonrect", DownButtonRect);
  v.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TskDataSkinMemoControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinEditControl::VisitKeys(v);
  v.Color("bgcolor", BGColor);
  v.Color("activebgcolor", ActiveBGColor);
}

void TskDataSkinTextAreaControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinControl::VisitKeys(v);
  VisitFontKeys(v, FontName, FontHeight, FontStyle, FontColor);
  v.Color("bgcolor", BGColor);
}

void TskDataSkinStdLabelControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinControl::VisitKeys(v);
  VisitFontKeys(v, FontName, FontHeight, FontStyle, FontColor);
  v.Color("activefontcolor", ActiveFontColor, kDefaultActiveFontColor);
}

void TskDataSkinLabelControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  VisitFontKeys(v, FontName, FontHeight, FontStyle, FontColor);
}

}  // namespace lumora
