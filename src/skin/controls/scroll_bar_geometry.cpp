#include "skin/controls/scroll_bar_geometry.h"

#include <algorithm>
#include <cmath>

#include "skin/data/control_data.h"

namespace lumora {

namespace {

// Nearest integer, halves to the even neighbour.
int RoundEven(double x) {
  return static_cast<int>(std::nearbyint(x));
}

double Ratio0(const TskScrollValues& v) {
  return v.Max == v.Min ? 0.0 : double(v.Position - v.Min) / double(v.Max - v.Min);
}

double PageRatio(const TskScrollValues& v) {
  const int span = v.Max - v.Min + 1;
  return span == 0 ? 0.0 : double(v.PageSize) / double(span);
}

// With a page, the share of the travel; a range no larger than the page
// puts a horizontal thumb at the end and a vertical one at the start.
double PagedTravel(const TskScrollValues& v, bool vertical) {
  const int divisor = v.Max - v.PageSize - v.Min + 1;
  if (divisor <= 0) return vertical ? 0.0 : 1.0;
  return double(v.Position - v.Min) / double(divisor);
}

// A rectangle spanning [start, end) along the bar and [a, b) across it.
TRect AlongAcross(bool vertical, int start, int end, int a, int b) {
  return vertical ? TRect{a, start, b, end} : TRect{start, a, end, b};
}

TRect MoveAlong(const TRect& r, bool vertical, int by) {
  return vertical ? r.Offset(0, by) : r.Offset(by, 0);
}

int StartOf(const TRect& r, bool vertical) {
  return vertical ? r.Top : r.Left;
}

TRect Or(const TRect& r, const TRect& fallback) {
  return r.IsEmpty() ? fallback : r;
}

}  // namespace

int ClampScrollPosition(const TskScrollValues& v, int value) {
  if (value < v.Min) return v.Min;
  const int top = v.PageSize != 0 ? v.Max - v.PageSize + 1 : v.Max;
  return value > top ? top : value;
}

void ApplyScrollMax(TskScrollValues& v, int max) {
  v.Max = max;
  if (v.PageSize != 0) {
    if (v.Max - v.Min < v.PageSize + v.Position) {
      v.Position = v.Max - v.Min - v.PageSize + 1;
      if (v.Position < v.Min) v.Position = v.Min;
    }
  } else if (v.Position > v.Max) {
    v.Position = v.Max;
  }
}

void ApplyScrollMin(TskScrollValues& v, int min) {
  v.Min = min;
  if (v.Position < v.Min) v.Position = v.Min;
}

bool ApplyScrollPageSize(TskScrollValues& v, int page) {
  if (v.Max - v.Min + 1 < page + v.Position) return false;
  v.PageSize = page;
  return true;
}

void ApplyScrollRange(TskScrollValues& v, int min, int max, int page, int position) {
  v.Min = min;
  v.Max = max;
  v.PageSize = page;
  v.Position = ClampScrollPosition(v, position);
}

TskScrollBarLooks ScrollBarLooksOf(const TskDataSkinScrollBarControl& d) {
  TskScrollBarLooks l;
  l.TrackArea = d.TrackArea;
  l.UpButtonRect = d.UpButtonRect;
  l.ActiveUpButtonRect = d.ActiveUpButtonRect;
  l.DownUpButtonRect = Or(d.DownUpButtonRect, d.ActiveUpButtonRect);
  l.DownButtonRect = d.DownButtonRect;
  l.ActiveDownButtonRect = d.ActiveDownButtonRect;
  l.DownDownButtonRect = Or(d.DownDownButtonRect, d.ActiveDownButtonRect);
  l.ThumbRect = d.ThumbRect;
  l.ActiveThumbRect = Or(d.ActiveThumbRect, d.ThumbRect);
  l.DownThumbRect = Or(d.DownThumbRect, l.ActiveThumbRect);
  l.GlyphRect = d.GlyphRect;
  l.ActiveGlyphRect = Or(d.ActiveGlyphRect, d.GlyphRect);
  l.DownGlyphRect = Or(d.DownGlyphRect, l.ActiveGlyphRect);
  l.ThumbOffset1 = d.ThumbOffset1;
  l.ThumbOffset2 = d.ThumbOffset2;
  l.ThumbStretchEffect = d.ThumbStretchEffect;
  l.ThumbTransparent = d.ThumbTransparent;
  l.ThumbTransparentColor = d.ThumbTransparentColor;
  l.GlyphTransparent = d.GlyphTransparent;
  l.GlyphTransparentColor = d.GlyphTransparentColor;
  l.ThumbMinSize = d.ThumbMinSize;
  l.ThumbMinPageSize = d.ThumbMinPageSize;
  return l;
}

TskScrollParts ComputeScrollParts(const TskScrollBarShape& s) {
  TskScrollParts p;
  const bool vert = s.Vertical;
  const TskScrollValues& v = s.Values;
  int across0 = 0, across1 = 0;
  int length = 0;         // thumb length along the bar
  double travel = 0;      // share of the thumb's travel
  bool halfSpan = false;  // the unskinned thumb spans twice its half length

  if (s.Skin == nullptr || s.Skin->Looks == nullptr) {
    const int w = s.Width, h = s.Height;
    if (vert) {
      p.Part[spDecrease] = {1, 1, w - 1, 17};
      p.Part[spIncrease] = {1, h - 17, w - 1, h - 1};
      p.Track = {1, 17, w - 1, h - 17};
    } else {
      const int wb = s.Both ? w - s.BothMarkerWidth : w;
      p.Part[spDecrease] = {1, 1, 17, h - 1};
      p.Part[spIncrease] = {wb - 17, 1, wb - 1, h - 1};
      p.Track = {17, 1, wb - 17, h - 1};
    }
    p.TrackStart = StartOf(p.Track, vert);
    p.TrackEnd = vert ? p.Track.Bottom : p.Track.Right;
    across0 = vert ? p.Track.Left : p.Track.Top;
    across1 = vert ? p.Track.Right : p.Track.Bottom;
    const int l = p.TrackEnd - p.TrackStart;
    if (v.PageSize == 0) {
      length = 16;
      travel = Ratio0(v);
    } else {
      length = std::max(RoundEven(l * PageRatio(v)), 16);
      travel = PagedTravel(v, vert);
    }
    halfSpan = true;
  } else {
    const TskScrollBarLooks& k = *s.Skin->Looks;
    const int barLength = vert ? s.Height : s.Width;
    const int skinLength = vert ? s.Skin->SkinRect.Height() : s.Skin->SkinRect.Width();
    const int delta = barLength - skinLength;
    const int zone = vert ? s.Skin->LBPoint.y : s.Skin->RTPoint.x;
    p.Track = k.TrackArea;
    if (vert)
      p.Track.Bottom += delta;
    else
      p.Track.Right += delta;
    auto arrow = [&](const TRect& r) {
      return StartOf(r, vert) > zone ? MoveAlong(r, vert, delta) : r;
    };
    p.Part[spIncrease] = arrow(k.UpButtonRect);
    p.Part[spDecrease] = arrow(k.DownButtonRect);
    p.TrackStart = StartOf(p.Track, vert);
    p.TrackEnd = vert ? p.Track.Bottom : p.Track.Right;
    const int trackBreadth = vert ? p.Track.Width() : p.Track.Height();
    const int breadth = vert ? k.ThumbRect.Width() : k.ThumbRect.Height();
    across0 = (vert ? p.Track.Left : p.Track.Top) + trackBreadth / 2 - breadth / 2;
    across1 = across0 + breadth;
    const int thumbLength = vert ? k.ThumbRect.Height() : k.ThumbRect.Width();
    const int base = k.ThumbMinSize != 0 ? k.ThumbMinSize : thumbLength;
    const int l = p.TrackEnd - p.TrackStart;
    if (v.PageSize != 0) {
      length = std::max(RoundEven(l * PageRatio(v)), base);
      travel = PagedTravel(v, vert);
    } else {
      length = k.ThumbMinPageSize != 0 ? k.ThumbMinPageSize : base;
      travel = Ratio0(v);
    }
  }

  const int half = length / 2;
  p.ThumbLength = halfSpan ? 2 * half : length;
  p.LimitStart = p.TrackStart + half;
  p.LimitEnd = p.TrackEnd - half;
  p.ThumbOffset = RoundEven(travel * (p.LimitEnd - p.LimitStart));
  // An odd skinned thumb at the far end would reach one pixel past the track.
  const int start = std::max(p.TrackStart + p.ThumbOffset, p.TrackStart);
  const int end = std::min(start + p.ThumbLength, p.TrackEnd);
  p.Part[spThumb] = AlongAcross(vert, start, end, across0, across1);
  return p;
}

TskScrollPart ScrollPartAt(const TskScrollParts& parts, TPoint pt) {
  for (int i : {spThumb, spIncrease, spDecrease})
    if (parts.Part[i].Contains(pt)) return static_cast<TskScrollPart>(i);
  return spNone;
}

int ScrollPositionFromDrag(const TskScrollParts& parts, const TskScrollValues& v, int displacement,
                           int startOffset) {
  const int span = parts.LimitEnd - parts.LimitStart;
  double r = span > 0 ? double(displacement + startOffset) / double(span) : 0.0;
  r = std::clamp(r, 0.0, 1.0);
  const int range = v.PageSize != 0 ? v.Max - v.Min - v.PageSize + 1 : v.Max - v.Min;
  return v.Min + RoundEven(range * r);
}

}  // namespace lumora
