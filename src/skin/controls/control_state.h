#pragma once
// The states of the clickable controls kept in one place, and the choice of
// the skin look each state shows. Pure functions, so the tables below are
// tested row by row.

#include "base/geometry.h"

namespace lumora {

class TskDataSkinButtonControl;
class TskDataSkinCheckRadioControl;

// Push button. Down is the pressed state (a sticky button stays down);
// MousePressed means the left button went down on it and is not released.
struct TskButtonState {
  bool Enabled = true;
  bool Down = false;
  bool Hot = false;      // pointer over it, or the default button's highlight
  bool Focused = false;  // has the focus and may take it
  bool MousePressed = false;
  bool Grouped = false;  // GroupIndex is not 0
  bool MorphOn = false;
  double MorphProgress = 0;
  bool Animating = false;
};

enum TskButtonLook { blNormal, blHot, blDown, blFocused, blDisabled };

struct TskButtonLookChoice {
  TskButtonLook Look = blNormal;
  bool Active = false;  // caption in the hot or pressed colour
  bool Pressed = false;
  friend bool operator==(const TskButtonLookChoice&, const TskButtonLookChoice&) = default;
};

// The first matching row:
//
//   | condition                                              | look     | active | down |
//   |--------------------------------------------------------|----------|--------|------|
//   | disabled, with a disabled look                         | disabled |        |      |
//   | Down, and grouped or hot or (focused, mouse not held)  | down     | yes    | yes  |
//   | focused, with a focused look, no animation running     | focused  | yes    |      |
//   | focused                                                | hot      | yes    |      |
//   | hot                                                    | hot      | yes    |      |
//   | morph off, or progress other than 1                    | normal   |        |      |
//   | otherwise (progress 1 the instant before a fade-out)   | hot      | yes    |      |
TskButtonLookChoice ChooseButtonLook(const TskButtonState& s, bool hasFocusedLook,
                                     bool hasDisabledLook);

// The five looks of a button skin with the fallbacks applied: hot falls
// back to normal, down to hot; focused and disabled stay empty when absent.
struct TskButtonLooks {
  TRect Normal, Hot, Down, Focused, Disabled;
  TRect For(TskButtonLook look) const;
};
TskButtonLooks ButtonLooksOf(const TskDataSkinButtonControl& data);
// The disabled caption colour; grey when the skin gives the normal colour.
TColor DisabledFontColorOf(const TskDataSkinButtonControl& data);

// Check box and radio button.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The check-mark picture for a state:
//
//   | enabled | hot | state     | picture                                  |
//   |---------|-----|-----------|------------------------------------------|
//   | yes     | yes | grayed    | grayed picture, hot variant              |
//   | yes     | yes | checked   | activecheckimagerect                     |
//   | yes     | yes | unchecked | activeuncheckimagerect                   |
//   | yes     | no  | grayed    | grayed picture                           |
//   | yes     | no  | checked   | checkimagerect                           |
//   | yes     | no  | unchecked | uncheckimagerect                         |
//   | no      |     | grayed    | grayed picture from the disabled check   |
//   | no      |     | checked   | unenabledcheckimagerect                  |
//   | no      |     | unchecked | unenableduncheckimagerect                |
//
// Each active and disabled picture falls back to the normal one when empty.
// The grayed picture is grayedcheckimagerect (activegrayedcheckimagerect
// for the hot variant when it is not empty); without grayedcheckimagerect
// it is the check picture of the row lightened.
struct TskCheckImageChoice {
  TRect Rect;
  bool Lighten = false;
  friend bool operator==(const TskCheckImageChoice&, const TskCheckImageChoice&) = default;
};
TskCheckImageChoice ChooseCheckImage(const TskDataSkinCheckRadioControl& data, bool enabled,
                                     bool hot, TCheckBoxState state);

}  // namespace lumora
