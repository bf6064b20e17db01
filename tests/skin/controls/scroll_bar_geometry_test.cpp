#include "skin/controls/scroll_bar_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "control_skin.h"
#include "skin/data/control_data.h"

namespace lumora {
namespace {

TEST(ScrollValues, SettersClampAsTheRangeAllows) {
  struct Row {
    const char* what;
    TskScrollValues before;
    int max;  // applied with ApplyScrollMax
    TskScrollValues after;
  };
  const Row rows[] = {
      {"page 0: position pulled down to max", {0, 100, 80, 0}, 50, {0, 50, 50, 0}},
      {"page 0: position inside stays", {0, 100, 30, 0}, 50, {0, 50, 30, 0}},
      {"page: position to max - page + 1", {0, 100, 90, 15}, 50, {0, 50, 36, 15}},
      {"page larger than range: position to min", {5, 100, 50, 15}, 10, {5, 10, 5, 15}},
      {"page fits: nothing moves", {0, 16, 0, 15}, 16, {0, 16, 0, 15}},
  };
  for (const Row& r : rows) {
    TskScrollValues v = r.before;
    ApplyScrollMax(v, r.max);
    EXPECT_EQ(v, r.after) << r.what;
  }
}

TEST(ScrollValues, PositionLimitsOfTheLowerMainWindowBar) {
  // Page 15 in 0..16: only 0, 1 and 2 are positions.
  TskScrollValues v{0, 16, 0, 15};
  EXPECT_EQ(ClampScrollPosition(v, -4), 0);
  EXPECT_EQ(ClampScrollPosition(v, 2), 2);
  EXPECT_EQ(ClampScrollPosition(v, 3), 2);
  EXPECT_EQ(ClampScrollPosition(v, 100), 2);
  v.PageSize = 0;
  EXPECT_EQ(ClampScrollPosition(v, 100), 16);
}

TEST(ScrollValues, PageThatDoesNotFitIsIgnored) {
  TskScrollValues v{0, 16, 2, 15};
  EXPECT_FALSE(ApplyScrollPageSize(v, 16));  // 17 < 16 + 2
  EXPECT_EQ(v.PageSize, 15);
  EXPECT_TRUE(ApplyScrollPageSize(v, 10));
  EXPECT_EQ(v.PageSize, 10);
  ApplyScrollMin(v, 4);
  EXPECT_EQ(v.Position, 4);
  ApplyScrollRange(v, 0, 10, 5, 99);
  EXPECT_EQ(v, (TskScrollValues{0, 10, 6, 5}));
}

TskScrollBarShape Plain(bool vertical, int w, int h, TskScrollValues v) {
  TskScrollBarShape s;
  s.Vertical = vertical;
  s.Width = w;
  s.Height = h;
  s.Values = v;
  return s;
}

TEST(ScrollParts, UnskinnedTable) {
  struct Row {
    const char* what;
    TskScrollBarShape shape;
    TRect thumb, inc, dec;
  };
  TskScrollBarShape both = Plain(false, 200, 19, {0, 100, 0, 0});
  both.Both = true;
  const Row rows[] = {
      // Track 17..183 (166 long); a 16 long thumb travels 150.
      {"horizontal at min",
       Plain(false, 200, 19, {0, 100, 0, 0}),
       {17, 1, 33, 18},
       {183, 1, 199, 18},
       {1, 1, 17, 18}},
      {"horizontal at max",
       Plain(false, 200, 19, {0, 100, 100, 0}),
       {167, 1, 183, 18},
       {183, 1, 199, 18},
       {1, 1, 17, 18}},
      // 150 x 0.5 = 75.
      {"horizontal in the middle",
       Plain(false, 200, 19, {0, 100, 50, 0}),
       {92, 1, 108, 18},
       {183, 1, 199, 18},
       {1, 1, 17, 18}},
      {"both leaves the marker", both, {17, 1, 33, 18}, {164, 1, 180, 18}, {1, 1, 17, 18}},
      {"max = min: thumb at the start",
       Plain(true, 19, 100, {5, 5, 5, 0}),
       {1, 17, 18, 33},
       {1, 83, 18, 99},
       {1, 1, 18, 17}},
      // Track 66 long, page 15/17: [58.2] = 58, spans 58; travel 8 x 1/2 = 4.
      {"page 15 of 0..16 at 1",
       Plain(true, 19, 100, {0, 16, 1, 15}),
       {1, 21, 18, 79},
       {1, 83, 18, 99},
       {1, 1, 18, 17}},
      // Page 1 of 101: 0.65 rounds up to the minimum 16.
      {"small page: 16 long",
       Plain(true, 19, 100, {0, 100, 0, 1}),
       {1, 17, 18, 33},
       {1, 83, 18, 99},
       {1, 1, 18, 17}},
      // Page larger than the range: a vertical thumb stays at the start.
      {"page over range, vertical",
       Plain(true, 19, 100, {0, 5, 0, 20}),
       {1, 17, 18, 83},
       {1, 83, 18, 99},
       {1, 1, 18, 17}},
      {"page over range, horizontal",
       Plain(false, 100, 19, {0, 5, 0, 20}),
       {17, 1, 83, 18},
       {83, 1, 99, 18},
       {1, 1, 17, 18}},
  };
  for (const Row& r : rows) {
    const TskScrollParts p = ComputeScrollParts(r.shape);
    EXPECT_EQ(p.Part[spThumb], r.thumb) << r.what;
    EXPECT_EQ(p.Part[spIncrease], r.inc) << r.what;
    EXPECT_EQ(p.Part[spDecrease], r.dec) << r.what;
  }
}

TEST(ScrollParts, TiesRoundToEven) {
  // Track 40 long, page 0: travel 24; 24 x 1/16 = 1.5 -> 2, 24 x 3/16 = 4.5 -> 4.
  const TskScrollParts a = ComputeScrollParts(Plain(true, 19, 74, {0, 16, 1, 0}));
  EXPECT_EQ(a.ThumbOffset, 2);
  const TskScrollParts b = ComputeScrollParts(Plain(true, 19, 74, {0, 16, 3, 0}));
  EXPECT_EQ(b.ThumbOffset, 4);
}

TEST(ScrollParts, HitTestOrderIsThumbThenArrows) {
  const TskScrollParts p = ComputeScrollParts(Plain(false, 200, 19, {0, 100, 0, 0}));
  EXPECT_EQ(ScrollPartAt(p, {20, 5}), spThumb);
  EXPECT_EQ(ScrollPartAt(p, {190, 5}), spIncrease);
  EXPECT_EQ(ScrollPartAt(p, {5, 5}), spDecrease);
  EXPECT_EQ(ScrollPartAt(p, {100, 5}), spNone);
  EXPECT_EQ(ScrollPartAt(p, {0, 0}), spNone);
}

TEST(ScrollDrag, PositionFollowsTheThumb) {
  // Track 166, thumb 16: the centre travels 150 pixels for 0..100.
  const TskScrollValues v{0, 100, 0, 0};
  const TskScrollParts p = ComputeScrollParts(Plain(false, 200, 19, v));
  EXPECT_EQ(ScrollPositionFromDrag(p, v, 75, 0), 50);
  EXPECT_EQ(ScrollPositionFromDrag(p, v, 400, 0), 100);
  EXPECT_EQ(ScrollPositionFromDrag(p, v, -30, 0), 0);
  EXPECT_EQ(ScrollPositionFromDrag(p, v, -75, 150), 50);
  // With a page the top is max - page + 1.
  const TskScrollValues paged{0, 16, 0, 15};
  const TskScrollParts q = ComputeScrollParts(Plain(true, 19, 100, paged));
  EXPECT_EQ(ScrollPositionFromDrag(q, paged, 1000, 0), 2);
  EXPECT_EQ(ScrollPositionFromDrag(q, paged, 4, 0), 1);
}

TEST(ScrollDrag, NoTravelGivesTheMinimum) {
  // A track no longer than the thumb leaves no span to divide by.
  const TskScrollValues v{3, 50, 10, 0};
  const TskScrollParts p = ComputeScrollParts(Plain(true, 19, 50, v));
  EXPECT_LE(p.LimitEnd - p.LimitStart, 0);
  EXPECT_EQ(ScrollPositionFromDrag(p, v, 10, 0), 3);
}

// The built-in skin's "vscrollbar", with the numbers read from it.
class SkinnedScrollParts : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = test::BuiltinSkin();
    data_ = test::FindSkinControl<TskDataSkinScrollBarControl>(skin_->data, "vscrollbar");
    ASSERT_NE(data_, nullptr);
    looks_ = ScrollBarLooksOf(*data_);
    frame_ = {data_->SkinRect, data_->RTPoint, data_->LBPoint, &looks_};
  }
  TskScrollParts At(int height, TskScrollValues v) {
    TskScrollBarShape s = Plain(true, data_->SkinRect.Width(), height, v);
    s.Skin = &frame_;
    return ComputeScrollParts(s);
  }
  std::unique_ptr<test::LoadedSkin> skin_;
  const TskDataSkinScrollBarControl* data_ = nullptr;
  TskScrollBarLooks looks_;
  TskScrollBarSkinFrame frame_;
};

TEST_F(SkinnedScrollParts, TrackAndFarArrowFollowTheLength) {
  const int grow = 265 - data_->SkinRect.Height();
  const TskScrollParts p = At(265, {0, 100, 0, 0});
  EXPECT_EQ(p.Track, (TRect{data_->TrackArea.Left, data_->TrackArea.Top, data_->TrackArea.Right,
                            data_->TrackArea.Bottom + grow}));
  // The increasing arrow lies past the stretchable zone and moves; the
  // decreasing one stays.
  ASSERT_GT(data_->UpButtonRect.Top, data_->LBPoint.y);
  EXPECT_EQ(p.Part[spIncrease], data_->UpButtonRect.Offset(0, grow));
  EXPECT_EQ(p.Part[spDecrease], data_->DownButtonRect);
}

TEST_F(SkinnedScrollParts, LowerMainWindowBarThumbSpansFifteenSeventeenths) {
  const TskScrollParts p = At(256, {0, 16, 0, 15});
  const int track = p.TrackEnd - p.TrackStart;
  const int expected =
      std::max(static_cast<int>(std::nearbyint(track * 15.0 / 17.0)), data_->ThumbMinSize);
  EXPECT_EQ(p.Part[spThumb].Height(), expected);
  EXPECT_EQ(p.Part[spThumb].Top, p.TrackStart);
  // At the last position the thumb ends at the track's end, not past it.
  const TskScrollParts last = At(256, {0, 16, 2, 15});
  EXPECT_EQ(last.Part[spThumb].Bottom, last.TrackEnd);
}

TEST_F(SkinnedScrollParts, ThumbIsCentredAcrossAndSizedByTheSkin) {
  const TskScrollParts p = At(200, {0, 100, 0, 0});
  const int breadth = data_->ThumbRect.Width();
  const int trackBreadth = p.Track.Width();
  EXPECT_EQ(p.Part[spThumb].Left, p.Track.Left + trackBreadth / 2 - breadth / 2);
  EXPECT_EQ(p.Part[spThumb].Width(), breadth);
  // Without a page the thumb takes thumbminpagesize.
  ASSERT_NE(data_->ThumbMinPageSize, 0);
  EXPECT_EQ(p.ThumbLength, data_->ThumbMinPageSize);
  // A tiny page still gets thumbminsize.
  const TskScrollParts small = At(200, {0, 10000, 0, 1});
  EXPECT_EQ(small.ThumbLength, data_->ThumbMinSize);
}

TEST(ScrollLooks, EmptyLooksFallBack) {
  TskDataSkinScrollBarControl d("x");
  d.ActiveUpButtonRect = {1, 1, 5, 5};
  d.ThumbRect = {10, 0, 20, 30};
  d.GlyphRect = {0, 40, 4, 44};
  d.DownGlyphRect = {8, 40, 12, 44};
  const TskScrollBarLooks l = ScrollBarLooksOf(d);
  EXPECT_EQ(l.DownUpButtonRect, d.ActiveUpButtonRect);
  EXPECT_EQ(l.ActiveThumbRect, d.ThumbRect);
  EXPECT_EQ(l.DownThumbRect, d.ThumbRect);
  EXPECT_EQ(l.ActiveGlyphRect, d.GlyphRect);
  EXPECT_EQ(l.DownGlyphRect, d.DownGlyphRect);
}

}  // namespace
}  // namespace lumora
