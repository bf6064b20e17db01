#include "skin/form/popup_menu_layout.h"

#include <gtest/gtest.h>

#include "builtin_skin_fixture.h"

namespace lumora {
namespace {

std::vector<TskMenuItemMetrics> Items(std::initializer_list<int> widths) {
  std::vector<TskMenuItemMetrics> items;
  for (int w : widths) items.push_back({w < 0 ? 0 : w, w < 0});
  return items;
}

constexpr int kSep = -1;  // a separator in Items()

TskMenuLook BuiltinLook(test::BuiltinSkin& skin) {
  const TskDataSkinPopupWindow& pw = skin.Data().PopupWindow();
  const TskDataSkinMenuItem& item = skin.MenuItem();
  TskMenuLook look;
  look.skinned = true;
  look.pictureWidth = skin.PopupPicture().width();
  look.pictureHeight = skin.PopupPicture().height();
  look.itemsRect = pw.ItemsRect;
  look.lt = pw.LTPoint;
  look.rt = pw.RTPoint;
  look.lb = pw.LBPoint;
  look.rb = pw.RBPoint;
  look.textLeft = item.TextRect.Left;
  look.textRightMargin = item.SkinRect.Width() - item.TextRect.Right;
  look.itemHeight = item.SkinRect.Height();
  look.separatorHeight = item.DividerRect.Height();
  return look;
}

TEST(MenuLevelGeometry, DefaultLookSizesFromTextsAndItemHeights) {
  const TskMenuLook look;  // default look, item height 20
  struct Row {
    const char* what;
    std::vector<TskMenuItemMetrics> items;
    int width, height;
  } rows[] = {
      // three captions: 3 x 20 + 4; width = widest + 2 + G 19 + 19 + 10
      {"three captions", Items({30, 52, 41}), 52 + 2 + 19 + 19 + 10, 64},
      // a separator adds 4
      {"with a separator", Items({30, kSep, 52, 41}), 102, 68},
      // the separator's text does not count towards the width
      {"separator only", Items({kSep}), 0 + 2 + 19 + 19 + 10, 8},
  };
  for (const Row& row : rows) {
    const TskMenuLevelGeometry g = BuildMenuLevel(look, row.items, 0, 0, 1000);
    EXPECT_EQ(g.width, row.width) << row.what;
    EXPECT_EQ(g.height, row.height) << row.what;
    EXPECT_FALSE(g.scroll) << row.what;
    EXPECT_EQ(g.itemsRect, (TRect{2, 2, g.width - 2, g.height - 2})) << row.what;
  }
}

TEST(MenuLevelGeometry, ImageListWidensTheGlyphColumn) {
  const TskMenuLevelGeometry g = BuildMenuLevel(TskMenuLook{}, Items({40}), 16, 0, 1000);
  EXPECT_EQ(g.glyphWidth, 21);
  EXPECT_EQ(g.width, 40 + 2 + 21 + 19 + 10);
}

TEST(MenuLevelGeometry, SkinnedItemsTakeTheSkinsHeightsAndFrame) {
  test::BuiltinSkin skin;
  const TskMenuLook look = BuiltinLook(skin);
  const TskDataSkinMenuItem& mi = skin.MenuItem();
  const int pw = look.pictureWidth, ph = look.pictureHeight;
  const TRect ir = look.itemsRect;
  // Whatever the default item height says, items are as high as "skinrect".
  const TskMenuLevelGeometry g = BuildMenuLevel(look, Items({60, kSep, 44}), 0, 0, 1000);
  ASSERT_EQ(g.itemHeights.size(), 3u);
  EXPECT_EQ(g.itemHeights[0], mi.SkinRect.Height());
  EXPECT_EQ(g.itemHeights[1], mi.DividerRect.Height());
  EXPECT_EQ(g.height, 2 * mi.SkinRect.Height() + mi.DividerRect.Height() + ph - ir.Height());
  EXPECT_EQ(g.width, 60 + 2 + 19 + 19 + pw - ir.Width() + mi.TextRect.Left +
                         (mi.SkinRect.Width() - mi.TextRect.Right));
  // The corner points on the right and bottom move with the size.
  const int dx = g.width - pw, dy = g.height - ph;
  EXPECT_EQ(g.lt, look.lt);
  EXPECT_EQ(g.rt, (TPoint{look.rt.x + dx, look.rt.y}));
  EXPECT_EQ(g.lb, (TPoint{look.lb.x, look.lb.y + dy}));
  EXPECT_EQ(g.rb, (TPoint{look.rb.x + dx, look.rb.y + dy}));
  EXPECT_EQ(g.itemsRect, (TRect{ir.Left, ir.Top, ir.Right + dx, ir.Bottom + dy}));
  // Laid out without scrolling, the items fill the items rectangle exactly.
  const TskMenuItemsPlacement p = LayoutMenuItems(g, 0);
  EXPECT_EQ(p.visibleCount, 3);
  EXPECT_EQ(p.rects[0].Top, g.itemsRect.Top);
  EXPECT_EQ(p.rects[2].Bottom, g.itemsRect.Bottom);
  EXPECT_EQ(p.rects[1], (TRect{g.itemsRect.Left, p.rects[0].Bottom, g.itemsRect.Right,
                               p.rects[0].Bottom + mi.DividerRect.Height()}));
}

TEST(MenuLevelGeometry, MaximumItemCountScrollsBetweenTwoMarkers) {
  const TskMenuLook look;
  const TskMenuLevelGeometry g =
      BuildMenuLevel(look, Items({10, 10, 10, 10, 10, 10, 10, 10}), 0, 5, 1000);
  EXPECT_TRUE(g.scroll);
  EXPECT_TRUE(g.limitScroll);
  EXPECT_FALSE(g.ScrollsForWorkArea());
  EXPECT_EQ(g.height, 5 * 20 + 4 + 20);
  const TskMenuItemsPlacement p = LayoutMenuItems(g, 0);
  EXPECT_EQ(p.visibleCount, 5);
  EXPECT_EQ(p.rects[0].Top, 2 + kScrollMarkerHeight);
  EXPECT_EQ(p.rects[4].Bottom, g.height - 2 - kScrollMarkerHeight);
  EXPECT_TRUE(p.rects[5].IsEmpty());
  // Scrolled by three, items 3..7 show and the first three are hidden.
  const TskMenuItemsPlacement q = LayoutMenuItems(g, 3);
  EXPECT_EQ(q.visibleCount, 5);
  EXPECT_TRUE(q.rects[2].IsEmpty());
  EXPECT_EQ(q.rects[3].Top, 2 + kScrollMarkerHeight);
  const TskScrollMarkers m = ScrollMarkerRects(g, false);
  EXPECT_EQ(m.top, (TRect{3, 3, g.width - 3, 13}));
  EXPECT_EQ(m.bottom, (TRect{3, g.height - 10, g.width - 3, g.height - 3}));
}

TEST(MenuLevelGeometry, ATallMenuIsCutToTheWorkAreaAndScrolls) {
  test::BuiltinSkin skin;
  const TskMenuLook look = BuiltinLook(skin);
  std::vector<TskMenuItemMetrics> many(40, TskMenuItemMetrics{30, false});
  const TskMenuLevelGeometry g = BuildMenuLevel(look, many, 0, 0, 300);
  EXPECT_EQ(g.height, 300);
  EXPECT_TRUE(g.ScrollsForWorkArea());
  const TskMenuItemsPlacement p = LayoutMenuItems(g, 0);
  // Only whole items show between the markers.
  EXPECT_EQ(p.visibleCount, ScrollAreaHeight(g) / look.itemHeight);
  EXPECT_LE(p.rects[p.LastVisible()].Bottom, g.itemsRect.Bottom - kScrollMarkerHeight);
  const TskScrollMarkers m = ScrollMarkerRects(g, true);
  EXPECT_EQ(m.top, (TRect{g.itemsRect.Left, g.itemsRect.Top, g.itemsRect.Right,
                          g.itemsRect.Top + kScrollMarkerHeight}));
}

TEST(MenuScrolling, KeepsTheTargetInViewAndFindsTheLastPage) {
  const std::vector<int> heights = {20, 20, 4, 20, 20, 20, 20};
  const int area = 60;
  struct Row {
    const char* what;
    int first, count, target, expected;
  } rows[] = {
      {"target inside the range keeps it", 2, 3, 3, 2},
      {"target above moves the range up to it", 3, 3, 1, 1},
      {"target below ends the range with it", 0, 3, 4, 2},  // 4 + 20 + 20 + ... fits from 2
      {"target below, no room for more", 0, 3, 6, 4},
  };
  for (const Row& row : rows)
    EXPECT_EQ(FirstVisibleShowing(heights, area, row.first, row.count, row.target), row.expected)
        << row.what;
  EXPECT_EQ(FirstVisibleOfLastPage(heights, area), 4);
}

TEST(MenuKeyboardSearch, SkipsSeparatorsAndDisabledItemsAndWrapsOnlyAtTheEnds) {
  // items: 0 ok, 1 separator, 2 ok, 3 disabled, 4 ok
  const std::vector<bool> s = {true, false, true, false, true};
  struct Row {
    const char* what;
    int active;
    bool down;
    int expected;
  } rows[] = {
      {"down from none starts at the first", -1, true, 0},
      {"down skips the separator", 0, true, 2},
      {"down skips the disabled item", 2, true, 4},
      {"down on the last wraps to the first", 4, true, 0},
      {"up from none starts at the last", -1, false, 4},
      {"up skips the disabled item", 4, false, 2},
      {"up on the first wraps to the last", 0, false, 4},
  };
  for (const Row& row : rows)
    EXPECT_EQ(NextSelectableItem(s, row.active, row.down), row.expected) << row.what;
  // Nothing selectable after the active one and it is not the last: no change.
  EXPECT_EQ(NextSelectableItem({true, true, false}, 1, true), -1);
  EXPECT_EQ(NextSelectableItem({}, -1, true), -1);
}

TEST(MenuPlacement, OpensAtTheAnchorInsideTheWorkArea) {
  const TRect area{0, 0, 400, 300};  // middle 150
  const int w = 100, h = 80;
  struct Row {
    const char* what;
    TRect anchor;
    TskMenuDirection dir;
    bool scrolls;
    TPoint pos;
    bool overlaps;
  } rows[] = {
      {"below a point", {50, 40, 50, 40}, TskMenuDirection::Down, false, {50, 40}, false},
      {"near the bottom in the lower half: ends at the point",
       {50, 260, 50, 260},
       TskMenuDirection::Down,
       false,
       {50, 180},
       false},
      {"past the right edge: moved left",
       {350, 40, 350, 40},
       TskMenuDirection::Down,
       false,
       {300, 40},
       false},
      {"left of the area: moved right",
       {-20, 40, -20, 40},
       TskMenuDirection::Down,
       false,
       {0, 40},
       false},
      {"no room below in the upper half: at the bottom, beside the anchor",
       {50, 140, 150, 240},
       TskMenuDirection::Down,
       false,
       {151, 220},
       true},
      {"no room below in the lower half: above the anchor",
       {50, 200, 150, 280},
       TskMenuDirection::Down,
       false,
       {50, 120},
       false},
      {"upwards above a button",
       {50, 200, 150, 220},
       TskMenuDirection::Up,
       false,
       {50, 120},
       false},
      {"upwards without room above: below",
       {50, 30, 150, 50},
       TskMenuDirection::Up,
       false,
       {50, 50},
       false},
      {"scrolling for the work area: at the top, beside the point",
       {50, 40, 50, 40},
       TskMenuDirection::Down,
       true,
       {51, 0},
       false},
      {"submenu lines its first item up with the parent item",
       {100, 50, 200, 70},
       TskMenuDirection::Submenu,
       false,
       {201, 47},
       false},
      {"submenu without room on the right opens on the left",
       {250, 50, 350, 70},
       TskMenuDirection::Submenu,
       false,
       {149, 47},
       false},
      {"submenu low in the lower half ends above the parent item's bottom",
       {100, 260, 200, 280},
       TskMenuDirection::Submenu,
       false,
       {201, 203},
       false},
  };
  for (const Row& row : rows) {
    const TskMenuPlacement p = PlaceMenuLevel(row.anchor, w, h, 3, area, row.dir, row.scrolls);
    EXPECT_EQ(p.pos, row.pos) << row.what;
    EXPECT_EQ(p.overlaps, row.overlaps) << row.what;
  }
}

}  // namespace
}  // namespace lumora
