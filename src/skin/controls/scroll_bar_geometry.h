#pragma once
// The arithmetic of a scroll bar, apart from the widget: how the range
// setters clamp the position, where the arrows, the track and the thumb lie
// for a size and a range (skinned or not), and which position a thumb drag
// gives. The widget paints and hit-tests with the same rectangles.

#include "base/geometry.h"

namespace lumora {

class TskDataSkinScrollBarControl;

// Min..Max is the range; with PageSize 0 the position runs up to Max, else
// up to Max - PageSize + 1.
struct TskScrollValues {
  int Min = 0;
  int Max = 100;
  int Position = 0;
  int PageSize = 0;
  friend bool operator==(const TskScrollValues&, const TskScrollValues&) = default;
};

// The position setter's limits applied to value.
int ClampScrollPosition(const TskScrollValues& v, int value);
// The Max setter: may pull the position back into the range.
void ApplyScrollMax(TskScrollValues& v, int max);
// The Min setter: raises the position to the new minimum.
void ApplyScrollMin(TskScrollValues& v, int min);
// The PageSize setter: false (nothing changes) when the page would not fit
// with the current position.
bool ApplyScrollPageSize(TskScrollValues& v, int page);
// All at once: the position is clamped, never compared.
void ApplyScrollRange(TskScrollValues& v, int min, int max, int page, int position);

// The keys of a scroll bar skin, with their fallbacks applied (an empty hot
// or pressed look takes the one before it).
struct TskScrollBarLooks {
  TRect TrackArea;  // relative to the skin rectangle
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
  int ThumbOffset1 = 0, ThumbOffset2 = 0;
  bool ThumbStretchEffect = false;
  bool ThumbTransparent = false;
  TColor ThumbTransparentColor = 0;
  bool GlyphTransparent = false;
  TColor GlyphTransparentColor = 0;
  int ThumbMinSize = 0, ThumbMinPageSize = 0;
};
TskScrollBarLooks ScrollBarLooksOf(const TskDataSkinScrollBarControl& data);

// What the part rectangles depend on. Skin is null for the unskinned look.
struct TskScrollBarSkinFrame {
  TRect SkinRect;  // in the picture; only its size counts
  TPoint RTPoint, LBPoint;
  const TskScrollBarLooks* Looks = nullptr;
};
struct TskScrollBarShape {
  bool Vertical = false;
  int Width = 0, Height = 0;
  bool Both = false;  // horizontal bar leaving a corner marker
  int BothMarkerWidth = 19;
  TskScrollValues Values;
  const TskScrollBarSkinFrame* Skin = nullptr;
};

// The three parts in hit-test order: thumb, increasing arrow (right or
// bottom), decreasing arrow (left or top).
enum TskScrollPart { spNone = -1, spThumb = 0, spIncrease = 1, spDecrease = 2 };

struct TskScrollParts {
  TRect Part[3];  // indexed by TskScrollPart
  TRect Track;
  int TrackStart = 0, TrackEnd = 0;  // along the bar
  int ThumbLength = 0;
  int ThumbOffset = 0;               // thumb start from TrackStart
  int LimitStart = 0, LimitEnd = 0;  // the thumb centre's travel
  friend bool operator==(const TskScrollParts&, const TskScrollParts&) = default;
};

TskScrollParts ComputeScrollParts(const TskScrollBarShape& shape);

// The part under p, or spNone.
TskScrollPart ScrollPartAt(const TskScrollParts& parts, TPoint p);

// The position a thumb drag asks for: displacement is the pointer's move
// along the bar since the press, startOffset the thumb offset at the press.
int ScrollPositionFromDrag(const TskScrollParts& parts, const TskScrollValues& v, int displacement,
                           int startOffset);

}  // namespace lumora
