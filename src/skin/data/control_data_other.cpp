#include "skin/data/control_data_other.h"

namespace lumora {

namespace {

void VisitUpDownButtons(TskKeyVisitor& v, TRect& up, TRect& active_up, TRect& down_up, TRect& down,
                        TRect& active_down, TRect& down_down) {
  v.Rect("upbuttonrect", up);
  v.Rect("activeupbuttonrect", active_up);
  v.Rect("downupbuttonrect", down_up);
  v.Rect("downbuttonrect", down);
  v.Rect("activedownbuttonrect", active_down);
  v.Rect("downdownbuttonrect", down_down);
}

}  // namespace

void TskDataSkinSpinEditControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("activeskinrect", ActiveSkinRect);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Color("disabledfontcolor", DisabledFontColor);
  VisitUpDownButtons(v, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                     ActiveDownButtonRect, DownDownButtonRect);
}

void TskDataSkinGaugeControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("progressarea", ProgressArea);
  v.Rect("progressrect", ProgressRect);
  v.Integer("beginoffset", BeginOffset);
  v.Integer("endoffset", EndOffset);
  v.Boolean("vertical", Vertical);
  VisitFontKeys(v, FontName, FontHeight, FontStyle, FontColor);
  v.Boolean("progresstransparent", ProgressTransparent);
  v.Color("progresstransparentcolor", ProgressTransparentColor);
  v.Boolean("progressstretch", ProgressStretch);
  v.Rect("animationskinrect", AnimationSkinRect);
  v.Integer("animationcountframes", AnimationCountFrames);
  v.Integer("animationtimerinterval", AnimationTimerInterval);
  v.Rect("progressanimationskinrect", ProgressAnimationSkinRect);
  v.Integer("progressanimationcountframes", ProgressAnimationCountFrames);
  v.Integer("progressanimationtimerinterval", ProgressAnimationTimerInterval);
  v.Integer("animationbeginoffset", AnimationBeginOffset);
  v.Integer("animationendoffset", AnimationEndOffset);
}

void TskDataSkinTrackBarControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("activeskinrect", ActiveSkinRect);
  v.Rect("trackarea", TrackArea);
  v.Rect("buttonrect", ButtonRect);
  v.Rect("activebuttonrect", ActiveButtonRect);
  v.Boolean("vertical", Vertical);
  v.Boolean("buttontransparent", ButtonTransparent);
  v.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TskDataSkinSplitterControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("gripperrect", GripperRect);
  v.Boolean("grippertransparent", GripperTransparent);
  v.Color("grippertransparentcolor", GripperTransparentColor);
}

void TskDataSkinUpDownControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  VisitUpDownButtons(v, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                     ActiveDownButtonRect, DownDownButtonRect);
}

void TskDataSkinListBox::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("itemrect", ItemRect);
  v.Rect("activeitemrect", ActiveItemRect);
  v.Rect("focusitemrect", FocusItemRect);
  v.Integer("itemleftoffset", ItemLeftOffset);
  v.Integer("itemrightoffset", ItemRightOffset);
  v.Rect("itemtextrect", ItemTextRect);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Color("focusfontcolor", FocusFontColor);
  v.Rect("captionrect", CaptionRect);
  v.Text("captionfontname", CaptionFontName, "Arial");
  v.Integer("captionfontheight", CaptionFontHeight, 14);
  v.FontStyle("captionfontstyle", CaptionFontStyle);
  v.Color("captionfontcolor", CaptionFontColor);
  VisitUpDownButtons(v, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                     ActiveDownButtonRect, DownDownButtonRect);
  v.Rect("checkbuttonrect", CheckButtonRect);
  v.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
  v.Rect("downcheckbuttonrect", DownCheckButtonRect);
  v.Text("vscrollbarname", VScrollBarName, "vscrollbar");
  v.Text("hscrollbarname", HScrollBarName, "hscrollbar");
  v.Text("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
  v.Boolean("showfocus", ShowFocus);
}

void TskDataSkinCheckListBox::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinListBox::VisitKeys(v);
  v.Rect("itemcheckrect", ItemCheckRect);
  v.Rect("checkimagerect", CheckImageRect);
  v.Rect("uncheckimagerect", UnCheckImageRect);
}

void TskDataSkinComboBox::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("activeskinrect", ActiveSkinRect);
  v.Rect("itemrect", ItemRect);
  v.Rect("activeitemrect", ActiveItemRect);
  v.Rect("focusitemrect", FocusItemRect);
  v.Integer("itemleftoffset", ItemLeftOffset);
  v.Integer("itemrightoffset", ItemRightOffset);
  v.Rect("itemtextrect", ItemTextRect);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("focusfontcolor", FocusFontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Text("listboxname", ListBoxName);
  v.Rect("buttonrect", ButtonRect);
  v.Rect("activebuttonrect", ActiveButtonRect);
  v.Rect("downbuttonrect", DownButtonRect);
  v.Rect("unenabledbuttonrect", UnEnabledButtonRect);
  v.Boolean("itemstretcheffect", ItemStretchEffect);
  v.Boolean("focusitemstretcheffect", FocusItemStretchEffect);
  v.Boolean("showfocus", ShowFocus);
}

void TskDataSkinControlBar::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("itemrect", ItemRect);
  v.PictureIndex("bgpictureindex", BGPictureIndex);
  v.Rect("hgriprect", HGripRect);
  v.Rect("vgriprect", VGripRect);
  v.Integer("gripoffset1", GripOffset1);
  v.Integer("gripoffset2", GripOffset2);
  v.Boolean("itemstretcheffect", ItemStretchEffect);
  v.Integer("itemoffset1", ItemOffset1, 3);
  v.Integer("itemoffset2", ItemOffset2, 3);
  v.Boolean("itemtransparent", ItemTransparent);
  v.Color("itemtransparentcolor", ItemTransparentColor);
  v.Boolean("griptransparent", GripTransparent);
  v.Color("griptransparentcolor", GripTransparentColor);
}

void TskDataSkinScrollBoxControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.PictureIndex("bgpictureindex", BGPictureIndex);
}

void TskDataSkinExPanelControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinCustomControl::VisitKeys(v);
  v.Rect("rollhskinrect", RollHSkinRect);
  v.Rect("rollvskinrect", RollVSkinRect);
  v.Integer("rollleftoffset", RollLeftOffset);
  v.Integer("rollrightoffset", RollRightOffset);
  v.Integer("rolltopoffset", RollTopOffset);
  v.Integer("rollbottomoffset", RollBottomOffset);
  v.Rect("rollvcaptionrect", RollVCaptionRect);
  v.Rect("rollhcaptionrect", RollHCaptionRect);
  v.Rect("closebuttonrect", CloseButtonRect);
  v.Rect("closebuttonactiverect", CloseButtonActiveRect);
  v.Rect("closebuttondownrect", CloseButtonDownRect);
  v.Rect("hrollbuttonrect", HRollButtonRect);
  v.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
  v.Rect("hrollbuttondownrect", HRollButtonDownRect);
  v.Rect("hrestorebuttonrect", HRestoreButtonRect);
  v.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
  v.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
  v.Rect("vrollbuttonrect", VRollButtonRect);
  v.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
  v.Rect("vrollbuttondownrect", VRollButtonDownRect);
  v.Rect("vrestorebuttonrect", VRestoreButtonRect);
  v.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
  v.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
  v.Rect("captionrect", CaptionRect);
  VisitFontKeys(v, FontName, FontHeight, FontStyle, FontColor);
  v.Boolean("buttonstransparent", ButtonsTransparent);
  v.Color("buttonstransparentcolor", ButtonsTransparentColor);
}

void TskDataSkinBevel::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinControl::VisitKeys(v);
  v.Color("lightcolor", LightColor);
  v.Color("darkcolor", DarkColor);
}

void TskDataSkinSlider::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinControl::VisitKeys(v);
  v.Color("bgcolor", BGColor);
  v.Rect("hrulerrect", HRulerRect);
  v.Rect("hthumbrect", HThumbRect);
  v.Rect("vrulerrect", VRulerRect);
  v.Rect("vthumbrect", VThumbRect);
  v.Integer("edgesize", EdgeSize);
  v.Color("pointscolor", PointsColor);
}

void TskDataSkinMainMenuBar::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinControl::VisitKeys(v);
  v.Rect("itemsrect", ItemsRect);
  v.Text("menubaritem", MenuBarItem);
  v.Text("closebutton", CloseButton);
  v.Text("minbutton", MinButton);
  v.Text("maxbutton", MaxButton);
  v.Text("sysmenubutton", SysMenuButton);
  v.Color("trackmarkcolor", TrackMarkColor);
  v.Color("trackmarkactivecolor", TrackMarkActiveColor);
  v.Boolean("stretcheffect", StretchEffect);
  v.Boolean("itemtransparent", ItemTransparent);
}

void TskDataSkinTabControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinControl::VisitKeys(v);
  v.Rect("tabrect", TabRect);
  v.Rect("activetabrect", ActiveTabRect);
  v.Rect("focustabrect", FocusTabRect);
  v.Rect("mouseintabrect", MouseInTabRect);
  v.Rect("clientrect", ClientRect);
  v.PictureIndex("bgpictureindex", BGPictureIndex);
  v.Point("lefttoppoint", LTPoint);
  v.Point("righttoppoint", RTPoint);
  v.Point("leftbottompoint", LBPoint);
  v.Point("rightbottompoint", RBPoint);
  v.Integer("tableftoffset", TabLeftOffset);
  v.Integer("tabrightoffset", TabRightOffset);
  v.Rect("tabsbgrect", TabsBGRect);
  v.Boolean("tabstretcheffect", TabStretchEffect);
  v.Boolean("leftstretch", LeftStretch);
  v.Boolean("topstretch", TopStretch);
  v.Boolean("rightstretch", RightStretch);
  v.Boolean("bottomstretch", BottomStretch);
  v.Boolean("stretcheffect", StretchEffect);
  v.StretchType("stretchtype", StretchType);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("activefontcolor", ActiveFontColor);
  v.Color("focusfontcolor", FocusFontColor);
  v.Color("mouseinfontcolor", MouseInFontColor);
  v.Text("updown", UpDown);
  v.Boolean("showfocus", ShowFocus);
  v.Integer("focusoffsetx", FocusOffsetX);
  v.Integer("focusoffsety", FocusOffsetY);
  v.Rect("closebuttonrect", CloseButtonRect);
  v.Rect("closebuttonactiverect", CloseButtonActiveRect);
  v.Rect("closebuttondownrect", CloseButtonDownRect);
  v.Boolean("buttontransparent", ButtonTransparent);
  v.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TskDataSkinGridControl::VisitKeys(TskKeyVisitor& v) {
  TskDataSkinControl::VisitKeys(v);
  v.Rect("fixedcellrect", FixedCellRect);
  v.Rect("selectcellrect", SelectCellRect);
  v.Rect("focuscellrect", FocusCellRect);
  v.Integer("fixedcellleftoffset", FixedCellLeftOffset);
  v.Integer("fixedcellrightoffset", FixedCellRightOffset);
  v.Rect("fixedcelltextrect", FixedCellTextRect);
  v.Integer("cellleftoffset", CellLeftOffset);
  v.Integer("cellrightoffset", CellRightOffset);
  v.Rect("celltextrect", CellTextRect);
  v.PictureIndex("bgpictureindex", BGPictureIndex);
  v.Color("linescolor", LinesColor);
  v.Color("bgcolor", BGColor);
  v.Text("fontname", FontName, "Arial");
  v.Integer("fontheight", FontHeight, 14);
  v.FontStyle("fontstyle", FontStyle);
  v.Color("fontcolor", FontColor);
  v.Color("selectfontcolor", SelectFontColor);
  v.Color("focusfontcolor", FocusFontColor);
  v.Text("fixedfontname", FixedFontName, "Arial");
  v.Integer("fixedfontheight", FixedFontHeight, 14);
  v.FontStyle("fixedfontstyle", FixedFontStyle);
  v.Color("fixedfontcolor", FixedFontColor);
  v.Boolean("cellstretcheffect", CellStretchEffect);
  v.Boolean("fixedcellstretcheffect", FixedCellStretchEffect);
  v.Boolean("showfocus", ShowFocus);
}

}  // namespace lumora
