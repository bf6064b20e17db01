#include "skin/controls/control_state.h"

#include "skin/data/control_data.h"
#include "skin/draw/rect_routines.h"

namespace lumora {

namespace {

constexpr TColor kGreyCaption = 8421504;

TRect Or(const TRect& r, const TRect& fallback) {
  return IsNullRect(r) ? fallback : r;
}

}  // namespace

TskButtonLookChoice ChooseButtonLook(const TskButtonState& s, bool hasFocusedLook,
                                     bool hasDisabledLook) {
  if (!s.Enabled && hasDisabledLook) return {blDisabled, false, false};
  if (s.Down && (s.Grouped || s.Hot || (s.Focused && !s.MousePressed))) return {blDown, true, true};
  if (s.Focused && hasFocusedLook && !s.Animating) return {blFocused, true, false};
  if (s.Focused || s.Hot) return {blHot, true, false};
  if (!s.MorphOn || s.MorphProgress != 1) return {blNormal, false, false};
  return {blHot, true, false};
}

TRect TskButtonLooks::For(TskButtonLook look) const {
  switch (look) {
    case blHot:
      return Hot;
    case blDown:
      return Down;
    case blFocused:
      return Focused;
    case blDisabled:
      return Disabled;
    case blNormal:
      break;
  }
  return Normal;
}

TskButtonLooks ButtonLooksOf(const TskDataSkinButtonControl& d) {
  TskButtonLooks l;
  l.Normal = d.SkinRect;
  l.Hot = Or(d.ActiveSkinRect, l.Normal);
  l.Down = Or(d.DownSkinRect, l.Hot);
  l.Focused = d.FocusedSkinRect;
  l.Disabled = d.DisabledSkinRect;
  return l;
}

TColor DisabledFontColorOf(const TskDataSkinButtonControl& d) {
  return d.DisabledFontColor == d.FontColor ? kGreyCaption : d.DisabledFontColor;
}

TskCheckImageChoice ChooseCheckImage(const TskDataSkinCheckRadioControl& d, bool enabled, bool hot,
                                     TCheckBoxState state) {
  TRect check, uncheck;
  if (!enabled) {
    check = Or(d.UnEnabledCheckImageRect, d.CheckImageRect);
    uncheck = Or(d.UnEnabledUnCheckImageRect, d.UnCheckImageRect);
  } else if (hot) {
    check = Or(d.ActiveCheckImageRect, d.CheckImageRect);
    uncheck = Or(d.ActiveUnCheckImageRect, d.UnCheckImageRect);
  } else {
    check = d.CheckImageRect;
    uncheck = d.UnCheckImageRect;
  }
  switch (state) {
    case cbChecked:
      return {check, false};
    case cbUnchecked:
      return {uncheck, false};
    case cbGrayed:
      break;
  }
  if (IsNullRect(d.GrayedCheckImageRect)) return {check, true};
  if (enabled && hot && !IsNullRect(d.ActiveGrayedCheckImageRect))
    return {d.ActiveGrayedCheckImageRect, false};
  return {d.GrayedCheckImageRect, false};
}

}  // namespace lumora
