// The preview sheet: every picture of a skin at twice its size, each named
// rectangle outlined in its section's colour and labelled with its section
// (for "skinrect") or its key. Rectangles measured from a "skinrect" are
// dashed.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <map>

#include "base/exception.h"

#include "skin/data/skin_named_rects.h"
#include "skin_commands.h"

namespace lumora {

namespace {

constexpr int kScale = 2;
constexpr int kSheetWidth = 1100;
constexpr int kMargin = 16;
constexpr int kGap = 20;
constexpr int kTitleHeight = 20;

struct Tile {
  int id;
  std::string title;
  QImage image;
  QPoint origin;  // where the picture goes on the sheet
};

QColor SectionColour(const std::string& section) {
  static const QColor palette[] = {{220, 50, 47},  {38, 139, 210}, {133, 153, 0},   {211, 54, 130},
                                   {42, 161, 152}, {203, 75, 22},  {108, 113, 196}, {181, 137, 0}};
  size_t h = 0;
  for (char c : section) h = h * 131 + static_cast<unsigned char>(c);
  return palette[h % (sizeof palette / sizeof palette[0])];
}

// A checker behind the pictures, so that their own background stays visible.
void DrawChecker(QPainter& p, const QRect& r) {
  p.fillRect(r, QColor(255, 255, 255));
  for (int y = r.top(); y <= r.bottom(); y += 8)
    for (int x = r.left() + ((y - r.top()) / 8 % 2) * 8; x <= r.right(); x += 16)
      p.fillRect(QRect(x, y, 8, 8).intersected(r), QColor(236, 236, 236));
}

}  // namespace

QImage DrawPreviewSheet(const TskSkinContainer& c) {
  const SkinDescription d = ReadSkinDescription(c.Lines);
  std::vector<Tile> tiles;
  auto add = [&](int id, const std::string& what, const std::string& name, const QImage& img) {
    if (img.isNull()) return;
    tiles.push_back({id,
                     what + (name.empty() ? "" : "  " + name) + "  " + std::to_string(img.width()) +
                         " x " + std::to_string(img.height()),
                     img.convertToFormat(QImage::Format_RGB32),
                     {}});
  };
  add(kMainPictureId, "picture", d.PictureName, c.Picture);
  add(kMaskPictureId, "mask", d.MaskName, c.Mask);
  for (size_t i = 0; i < c.ActivePictures.size(); ++i)
    add(static_cast<int>(i), std::to_string(i),
        i < d.ActivePictureNames.size() ? d.ActivePictureNames[i] : "", c.ActivePictures[i]);
  // The widest pictures first fill the rows best.
  std::stable_sort(tiles.begin(), tiles.end(),
                   [](const Tile& a, const Tile& b) { return a.image.width() > b.image.width(); });

  QImage sample;
  try {
    sample = DrawSampleWindow(c);
  } catch (const Exception&) {
    // A skin without the looks of the main window has no sample.
  }
  const int sampleTop = kMargin + 30;
  // Rows filled first-fit, the sample window opening the first one.
  struct Row {
    int used = kMargin, height = 0;
    std::vector<Tile*> tiles;
  };
  std::vector<Row> rows(1);
  if (!sample.isNull()) {
    rows[0].used += sample.width() + kGap;
    rows[0].height = sample.height() - kTitleHeight;
  }
  for (Tile& t : tiles) {
    const int w = std::max(t.image.width() * kScale, 200);
    Row* row = nullptr;
    for (Row& r : rows)
      if (r.used + w <= kSheetWidth - kMargin) {
        row = &r;
        break;
      }
    if (row == nullptr) row = &rows.emplace_back();
    t.origin = QPoint(row->used, 0);
    row->used += w + kGap;
    row->height = std::max(row->height, t.image.height() * kScale);
    row->tiles.push_back(&t);
  }
  int y = sampleTop;
  for (Row& r : rows) {
    for (Tile* t : r.tiles) t->origin.setY(y + kTitleHeight);
    y += r.height + kTitleHeight + kGap;
  }
  const int width = kSheetWidth;
  const int height = y + kMargin;

  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(250, 250, 251));
  QPainter p(&sheet);
  QFont titleFont("Arial");
  titleFont.setPixelSize(15);
  titleFont.setBold(true);
  p.setFont(titleFont);
  p.setPen(QColor(40, 44, 52));
  const std::string heading =
      "Skin preview" + std::string(c.Lines.Count() ? "" : " (no description)");
  p.drawText(QPoint(kMargin, kMargin + 14), QString::fromStdString(heading));

  if (!sample.isNull()) p.drawImage(kMargin, sampleTop, sample);

  QFont labelFont("Arial");
  labelFont.setPixelSize(9);
  QFont captionFont("Arial");
  captionFont.setPixelSize(12);
  const std::vector<SkinNamedRect> rects = NamedRectangles(d);
  for (const Tile& t : tiles) {
    const QRect area(t.origin, QSize(t.image.width() * kScale, t.image.height() * kScale));
    p.setFont(captionFont);
    p.setPen(QColor(60, 66, 78));
    p.drawText(QPoint(area.left(), area.top() - 6), QString::fromStdString(t.title));
    DrawChecker(p, area);
    p.drawImage(area, t.image);
    p.setPen(QColor(200, 204, 210));
    p.drawRect(area.adjusted(-1, -1, 0, 0));
    // The mask is laid out like the main picture.
    const int id = t.id == kMaskPictureId ? kMainPictureId : t.id;
    p.setFont(labelFont);
    const QFontMetrics fm(labelFont);
    for (const SkinNamedRect& r : rects) {
      if (r.Picture != id) continue;
      const QRect box(area.left() + r.Rect.Left * kScale, area.top() + r.Rect.Top * kScale,
                      r.Rect.Width() * kScale, r.Rect.Height() * kScale);
      const QColor colour = SectionColour(r.Section);
      QPen pen(colour);
      pen.setStyle(r.Relative ? Qt::DashLine : Qt::SolidLine);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      p.drawRect(box.adjusted(0, 0, -1, -1));
      const QString label = QString::fromStdString(r.Key == "skinrect" ? r.Section : r.Key);
      const QString shown = fm.elidedText(label, Qt::ElideRight, std::max(box.width() - 2, 0));
      if (shown.isEmpty() || box.height() < fm.height()) continue;
      const QRect backing(box.left() + 1, r.Relative ? box.bottom() - fm.height() : box.top() + 1,
                          fm.horizontalAdvance(shown) + 2, fm.height());
      p.fillRect(backing, QColor(255, 255, 255, 200));
      p.setPen(colour.darker(130));
      p.drawText(backing.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
  }
  return sheet;
}

}  // namespace lumora
