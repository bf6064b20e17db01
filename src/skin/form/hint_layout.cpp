#include "skin/form/hint_layout.h"

#include <algorithm>

namespace lumora {

namespace {

constexpr int kDefaultMargin = 2;
// Extra room right of a skinned plain hint's text.
constexpr int kSkinTextSlack = 5;
constexpr int kTitleGap = 10;
constexpr int kImageGap = 10;

// Frames a content of width x height with the skinned picture; slack is
// added to the width before the corner checks.
TskHintGeometry Frame(const TskHintLook& look, int width, int height, int slack) {
  TskHintGeometry g;
  if (!look.skinned) {
    g.width = width + 2 * kDefaultMargin;
    g.height = height + 2 * kDefaultMargin;
    g.client = {kDefaultMargin, kDefaultMargin, g.width - kDefaultMargin,
                g.height - kDefaultMargin};
    return g;
  }
  const TRect& c = look.client;
  g.width = width + c.Left + look.pictureWidth - c.Right + slack;
  g.height = height + c.Top + look.pictureHeight - c.Bottom;
  int dx = g.width - look.pictureWidth, dy = g.height - look.pictureHeight;
  // The right corners may not pass the left ones, nor the bottom ones the top.
  auto grow = [](int& size, int& delta, int limit, int moved) {
    if (moved + delta < limit) {
      const int by = limit - (moved + delta);
      size += by;
      delta += by;
    }
  };
  grow(g.width, dx, look.lt.x, look.rt.x);
  grow(g.width, dx, look.lb.x, look.rb.x);
  grow(g.height, dy, look.lt.y, look.lb.y);
  grow(g.height, dy, look.rt.y, look.rb.y);
  g.client = {c.Left, c.Top, c.Right + dx, c.Bottom + dy};
  g.lt = look.lt;
  g.rt = {look.rt.x + dx, look.rt.y};
  g.lb = {look.lb.x, look.lb.y + dy};
  g.rb = {look.rb.x + dx, look.rb.y + dy};
  return g;
}

}  // namespace

TskHintGeometry PlainHintGeometry(const TskHintLook& look, int textWidth, int textHeight) {
  return Frame(look, textWidth, textHeight, kSkinTextSlack);
}

TskHintGeometry ExtendedHintGeometry(const TskHintLook& look, const TskHintParts& parts) {
  int width = parts.textWidth, height = parts.textHeight;
  if (parts.HasTitle()) {
    height += parts.titleHeight + kTitleGap;
    width = std::max(width, parts.titleWidth);
  }
  if (parts.HasImage()) {
    width += parts.imageWidth + kImageGap;
    height = std::max(height, parts.imageHeight + parts.titleHeight + 5);
  }
  if (look.skinned) width += 10;
  return Frame(look, width, height, 0);
}

TRect PlaceHint(TPoint at, int width, int height, const TRect& limit) {
  TRect r = Bounds(at.x, at.y, width, height);
  if (r.Right > limit.Right) r = r.Offset(-(width + 2), 0);
  if (r.Bottom > limit.Bottom) r = r.Offset(0, -(height + 2));
  return r;
}

}  // namespace lumora
