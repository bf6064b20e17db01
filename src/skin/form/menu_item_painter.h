#pragma once
// Paints one popup menu item into a bitmap of its own size: separators,
// headers, check and radio marks, images, frame glyphs, the short-cut text
// and the submenu arrow, in the skin's "menuitem" look or the default look.

#include <QFont>
#include <QImage>
#include <QString>

#include "skin/data/control_data.h"
#include "skin/data/skin_objects.h"
#include "skin/draw/vector_glyphs.h"
#include "skin/form/menu_owner_draw.h"

namespace lumora {

// Everything of a menu item that its look depends on.
struct TskMenuItemFace {
  QString caption;   // with "&" accelerators
  QString shortCut;  // empty when none
  bool enabled = true;
  bool checked = false;
  bool radio = false;
  bool hasSubmenu = false;
  QImage image;  // the item's picture; null when none
  // A frame item without a picture shows this glyph; -1 none.
  int frameGlyph = -1;
  // Draws the text rectangle instead of the caption, marks and arrow
  // (skinned look); empty when none.
  TskMenuItemOwnerDraw ownerDraw;

  bool IsSeparator() const { return caption == QLatin1String("-"); }
  // A disabled item whose caption starts and ends with "-" (but is no
  // separator) is a header.
  bool IsHeader() const;
};

// The look the items of one level are painted in.
struct TskMenuItemStyle {
  const TskDataSkinMenuItem* skin = nullptr;  // null: the default look
  // The "menuitem" picture; null leaves the skin and active rectangles empty.
  const QImage* picture = nullptr;
  QFont font;
  int glyphWidth = 19;     // G of the level
  int imageListWidth = 0;  // 0 without an image list
  // The window background under the item (for "inactivetransparent").
  const QImage* windowBackground = nullptr;
  TPoint itemOffset;  // the item's place in the window background
  // The skin control header items are drawn with ("menuheader", else
  // "label") and its picture; null draws headers as text only.
  const TskDataSkinLabelControl* header = nullptr;
  const QImage* headerPicture = nullptr;
};

// The text colour of the item (also the colour of its glyphs and marks).
TColor MenuItemTextColour(const TskMenuItemStyle& style, const TskMenuItemFace& face,
                          bool highlighted);

// The item at width x height, highlighted (active or submenu open) or not.
// animationFrame k > 0 shows frame k of the skin's "animateskinrect" as the
// background.
QImage PaintMenuItem(const TskMenuItemStyle& style, const TskMenuItemFace& face, int width,
                     int height, bool highlighted, int animationFrame = 0);

// Frame k (from 1) of the item animation: "animateskinrect" cut into
// "framecount" pieces, stacked when it is taller than "skinrect", else side by
// side. Empty when k or the count is out of range.
TRect MenuItemAnimationFrame(const TskDataSkinMenuItem& skin, int k);

// The glyph of a standard frame menu item ("SKF_CLOSE", ...), or -1.
int FrameGlyphForItem(const QString& name);

// The highlight colours of the default look.
constexpr TColor kDefaultMenuHighlightFrame = 0x800000;  // navy
constexpr TColor kDefaultMenuHighlightFill = 0xD2BDB6;   // red 182, green 189, blue 210

}  // namespace lumora
