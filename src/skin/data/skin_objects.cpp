#include "skin/data/skin_objects.h"

namespace lumora {

void TskDataSkinObject::VisitKeys(TskKeyVisitor& v) {
  v.Text("hint", Hint);
  v.PictureIndex("activepictureindex", ActivePictureIndex);
  v.Boolean("skinrectinapicture", SkinRectInAPicture);
  v.Rect("skinrect", SkinRect);
  v.Rect("activeskinrect", ActiveSkinRect);
  v.Rect("inactiveskinrect", InActiveSkinRect);
  v.Boolean("morphing", Morphing);
  v.MorphKind("morphkind", MorphKind);
}

void TskDataUserObject::VisitKeys(TskKeyVisitor& v) {
  v.Rect("skinrect", SkinRect);
}

void TskDataSkinButton::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinObject::VisitKeys(v);
  v.Rect("downrect", DownRect);
  v.Rect("disableskinrsect", DisableSkinRect);
}

void TskDataSkinStdButton::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinButton::VisitKeys(v);
  v.Command("command", Command);
  v.Rect("restorerect", RestoreRect);
  v.Rect("restoreactiverect", RestoreActiveRect);
  v.Rect("restoredownrect", RestoreDownRect);
  v.Rect("restoreinactiverect", RestoreInActiveRect);
}

void TskDataSkinAnimate::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinObject::VisitKeys(v);
  v.Integer("countframes", CountFrames, 1);
  v.Boolean("cycle", Cycle);
  v.Boolean("buttonstyle", ButtonStyle);
  v.Integer("timerinterval", TimerInterval, 50);
  v.Command("command", Command);
  v.Rect("downskinrect", DownSkinRect);
  v.Rect("restorerect", RestoreRect);
  v.Rect("restoreactiverect", RestoreActiveRect);
  v.Rect("restoredownrect", RestoreDownRect);
  v.Rect("restoreinactiverect", RestoreInActiveRect);
}

void TskDataSkinAnimate::ReadData(const TskIniFile& ini) {
  TskDataSkinObject::ReadData(ini);
  Morphing = false;
}

void TskDataSkinCaption::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinObject::VisitKeys(v);
  v.Rect("textrect", TextRect);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Alignment("alignment", Alignment);
  v.Boolean("light", Light);
  v.Color("lightcolor", LightColor);
  v.Color("activelightcolor", ActiveLightColor);
  v.Boolean("shadow", Shadow);
  v.Color("shadowcolor", ShadowColor);
  v.Color("activeshadowcolor", ActiveShadowColor);
  v.Rect("framerect", FrameRect);
  v.Rect("activeframerect", ActiveFrameRect);
  v.Rect("frametextrect", FrameTextRect);
  v.Integer("frameleftoffset", FrameLeftOffset);
  v.Integer("framerightoffset", FrameRightOffset);
  v.Boolean("stretcheffect", StretchEffect);
  v.Rect("animateskinrect", AnimateSkinRect);
  v.Integer("framecount", FrameCount);
  v.Integer("animateinterval", AnimateInterval, 25);
  v.Boolean("inactiveanimation", InActiveAnimation);
  v.Boolean("fullframe", FullFrame);
}

void TskDataSkinMenuItem::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinObject::VisitKeys(v);
  v.Integer("itemleftoffset", ItemLeftOffset);
  v.Integer("itemrightoffset", ItemRightOffset);
  v.Rect("dividerrect", DividerRect);
  v.Integer("dividerleftoffset", DividerLeftOffset);
  v.Integer("dividerrightoffset", DividerRightOffset);
  v.Rect("textrect", TextRect);
  v.Rect("imagerect", ImageRect);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Color("unenabledfontcolor", UnEnabledFontColor);
  v.Boolean("stretcheffect", StretchEffect);
  v.Boolean("inactivestretcheffect", InActiveStretchEffect);
  v.Boolean("dividerstretcheffect", DividerStretchEffect);
  v.Rect("animateskinrect", AnimateSkinRect);
  v.Integer("framecount", FrameCount);
  v.Integer("animateinterval", AnimateInterval, 25);
  v.Boolean("inactiveanimation", InActiveAnimation);
  v.Boolean("useimagecolor", UseImageColor);
  v.Color("imagecolor", ImageColor);
  v.Color("activeimagecolor", ActiveImageColor);
  v.Boolean("inactivetransparent", InActiveTransparent);
  v.Rect("checkimagerect", CheckImageRect);
  v.Rect("activecheckimagerect", ActiveCheckImageRect);
  v.Rect("radioimagerect", RadioImageRect);
  v.Rect("activeradioimagerect", ActiveRadioImageRect);
  v.Rect("arrowimagerect", ArrowImageRect);
  v.Rect("activearrowimagerect", ActiveArrowImageRect);
}

void TskDataSkinMenuItem::ReadData(const TskIniFile& ini) {
  TskDataSkinObject::ReadData(ini);
  if (ActiveCheckImageRect.IsEmpty()) ActiveCheckImageRect = CheckImageRect;
  if (ActiveRadioImageRect.IsEmpty()) ActiveRadioImageRect = RadioImageRect;
  if (ActiveArrowImageRect.IsEmpty()) ActiveArrowImageRect = ArrowImageRect;
}

void TskDataSkinMainMenuItem::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinObject::VisitKeys(v);
  v.Integer("itemleftoffset", ItemLeftOffset);
  v.Integer("itemrightoffset", ItemRightOffset);
  v.Rect("downrect", DownRect);
  v.Rect("textrect", TextRect);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Color("downfontcolor", DownFontColor);
  v.Color("unenabledfontcolor", UnEnabledFontColor);
  v.Boolean("stretcheffect", StretchEffect);
  v.Rect("animateskinrect", AnimateSkinRect);
  v.Integer("framecount", FrameCount);
  v.Integer("animateinterval", AnimateInterval, 25);
  v.Boolean("inactiveanimation", InActiveAnimation);
}

}  // namespace lumora
