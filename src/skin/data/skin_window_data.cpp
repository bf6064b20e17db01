#include "skin/data/skin_window_data.h"

#include <algorithm>

namespace lumora {

namespace {

constexpr TColor SystemColor(int index) {
  return 0xFF000000u | static_cast<TColor>(index);
}

bool Unset(TPoint p) {
  return p.x == 0 || p.y == 0;
}

}  // namespace

void TskFormInfo::VisitKeys(TskKeyVisitor& v) {
  v.Point("lefttoppoint", LTPoint);
  v.Point("righttoppoint", RTPoint);
  v.Point("leftbottompoint", LBPoint);
  v.Point("rightbottompoint", RBPoint);
  v.Rect("clientrect", ClientRect);
  v.PictureIndex("bgpictureindex", BGPictureIndex);
  v.PictureIndex("mdibgpictureindex", MDIBGPictureIndex);
  v.Boolean("leftstretch", LeftStretch);
  v.Boolean("rightstretch", RightStretch);
  v.Boolean("topstretch", TopStretch);
  v.Boolean("bottomstretch", BottomStretch);
  v.Boolean("stretcheffect", StretchEffect);
  v.StretchType("stretchtype", StretchType);
  v.Boolean("mdibgstretcheffect", MDIBGStretchEffect);
  v.StretchType("mdibgstretchtype", MDIBGStretchType);
  v.Rect("maskrectarea", MaskRectArea);
  v.Point("hittestlefttoppoint", HitTestLTPoint);
  v.Point("hittestrighttoppoint", HitTestRTPoint);
  v.Point("hittestleftbottompoint", HitTestLBPoint);
  v.Point("hittestrightbottompoint", HitTestRBPoint);
  v.Rect("buttonsrect", ButtonsRect);
  v.Rect("captionrect", CaptionRect);
  v.Integer("buttonsoffset", ButtonsOffset);
  v.Boolean("buttonsinleft", ButtonsInLeft);
  v.Boolean("mainmenupopupup", MainMenuPopupUp);
  v.Integer("borderwidth", BorderWidth);
  v.Integer("formminwidth", FormMinWidth);
  v.Boolean("mditabstransparent", MDITabsTransparent);
  v.Boolean("mainmenubartransparent", MainMenuBarTransparent);
  v.Boolean("autorenderinginactiveimage", AutoRenderingInActiveImage);
  v.InactiveEffect("inactiveeffect", InActiveEffect);
}

void TskFormInfo::ReadData(const TskIniFile& ini) {
  TskKeyedData::ReadData(ini);
  if (!ini.ReadString("PICTURES", "mask", "").empty()) {
    if (MaskRectArea.IsEmpty()) {
      MaskRectArea = ClientRect;
    } else {
      MaskRectArea.Left = std::min(MaskRectArea.Left, ClientRect.Left);
      MaskRectArea.Top = std::min(MaskRectArea.Top, ClientRect.Top);
      MaskRectArea.Right = std::max(MaskRectArea.Right, ClientRect.Right);
      MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClientRect.Bottom);
    }
    if (Unset(HitTestLTPoint)) HitTestLTPoint = LTPoint;
    if (Unset(HitTestRTPoint)) HitTestRTPoint = RTPoint;
    if (Unset(HitTestLBPoint)) HitTestLBPoint = LBPoint;
    if (Unset(HitTestRBPoint)) HitTestRBPoint = RBPoint;
  }
  if (RBPoint.x != LTPoint.x && RBPoint.y != LTPoint.y) {
    const TRect& c = ClientRect;
    LTPoint.x = std::max(LTPoint.x, c.Left);
    LTPoint.y = std::max(LTPoint.y, c.Top);
    RTPoint.x = std::min(RTPoint.x, c.Right);
    RTPoint.y = std::max(RTPoint.y, c.Top);
    LBPoint.x = std::max(LBPoint.x, c.Left);
    LBPoint.y = std::min(LBPoint.y, c.Bottom);
    RBPoint.x = std::min(RBPoint.x, c.Right);
    RBPoint.y = std::min(RBPoint.y, c.Bottom);
  }
}

void TskDataSkinPopupWindow::VisitKeys(TskKeyVisitor& v) {
  v.PictureIndex("windowpictureindex", WindowPictureIndex);
  v.PictureIndex("maskpictureindex", MaskPictureIndex);
  v.Point("lefttoppoint", LTPoint);
  v.Point("righttoppoint", RTPoint);
  v.Point("leftbottompoint", LBPoint);
  v.Point("rightbottompoint", RBPoint);
  v.Rect("itemsrect", ItemsRect);
  v.Color("scrollmarkercolor", ScrollMarkerColor);
  v.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
  v.Boolean("leftstretch", LeftStretch);
  v.Boolean("rightstretch", RightStretch);
  v.Boolean("topstretch", TopStretch);
  v.Boolean("bottomstretch", BottomStretch);
  v.Boolean("stretcheffect", StretchEffect);
  v.StretchType("stretchtype", StretchType);
}

void TskDataSkinHintWindow::VisitKeys(TskKeyVisitor& v) {
  v.PictureIndex("windowpictureindex", WindowPictureIndex);
  v.PictureIndex("maskpictureindex", MaskPictureIndex);
  v.Point("lefttoppoint", LTPoint);
  v.Point("righttoppoint", RTPoint);
  v.Point("leftbottompoint", LBPoint);
  v.Point("rightbottompoint", RBPoint);
  v.Rect("clientrect", ClientRect);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Boolean("leftstretch", LeftStretch);
  v.Boolean("rightstretch", RightStretch);
  v.Boolean("topstretch", TopStretch);
  v.Boolean("bottomstretch", BottomStretch);
  v.Boolean("stretcheffect", StretchEffect);
  v.StretchType("stretchtype", StretchType);
}

void TskSkinColors::VisitKeys(TskKeyVisitor& v) {
  v.Color("cbtnface", cBtnFace, SystemColor(15));
  v.Color("cbtntext", cBtnText, SystemColor(18));
  v.Color("cwindow", cWindow, SystemColor(5));
  v.Color("cwindowtext", cWindowText, SystemColor(8));
  v.Color("chighlight", cHighLight, SystemColor(13));
  v.Color("chighlighttext", cHighLightText, SystemColor(14));
  v.Color("cbtnhighlight", cBtnHighLight, SystemColor(20));
  v.Color("cbtnshadow", cBtnShadow, SystemColor(16));
}

void TskSkinColors::ResetDefaults() {
  // Reading an empty INI yields exactly the defaults.
  TskIniFile empty;
  ReadData(empty);
}

}  // namespace lumora
