#include "skin_art.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>

#include "base/exception.h"
#include "skin/data/bmp_image.h"

namespace lumora {

namespace {

// ---- Palette ---------------------------------------------------------------
// A light, cool grey surface with slate text and one warm amber accent (the
// skin's highlight colour).

const QColor kClient(242, 243, 245);  // window and panel background
const QColor kWhite(255, 255, 255);
const QColor kFrameBorder(138, 146, 158);
const QColor kCaptionTop(253, 253, 254);
const QColor kCaptionBottom(235, 238, 242);
const QColor kCaptionLine(214, 218, 225);
const QColor kGlyph(52, 60, 74);
const QColor kGlyphHot(30, 34, 42);
const QColor kGlyphInactive(158, 164, 173);
const QColor kGlyphDisabled(198, 202, 208);
const QColor kCloseHot(212, 56, 44);
const QColor kCloseDown(178, 44, 34);
const QColor kAmber(241, 202, 88);
const QColor kAmberDeep(222, 164, 40);
const QColor kAmberEdge(200, 144, 28);
const QColor kAmberSoft(252, 238, 200);
const QColor kBorder(194, 200, 209);
const QColor kBorderLight(212, 216, 222);
const QColor kSlate(77, 88, 116);
const QColor kTrack(246, 247, 249);
const QColor kTrackLine(233, 235, 239);
const QColor kKey(255, 0, 255);  // transparent colour of grips and glyphs

constexpr int kCaptionFirstRow = 1;  // rows 1..29 of the frame
constexpr int kCaptionLastRow = 29;
constexpr int kFrameRadius = 7;

QColor Mix(const QColor& a, const QColor& b, int t /* 0..256 */) {
  auto m = [t](int x, int y) { return x + (y - x) * t / 256; };
  return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()));
}

// The caption bar's colour at a frame row; computed per row so that the
// caption buttons repeat the bar exactly.
QColor CaptionRow(int y) {
  const int span = kCaptionLastRow - kCaptionFirstRow;
  const int t = std::clamp(y - kCaptionFirstRow, 0, span) * 256 / span;
  return Mix(kCaptionTop, kCaptionBottom, t);
}

QRect ToQRect(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

QImage NewPicture(int w, int h, const QColor& fill) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

QImage NewMask(int w, int h) {
  QImage img(w, h, QImage::Format_Indexed8);
  img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  img.fill(0);
  return img;
}

// Cuts the corners of a mask: a pixel stays inside when its centre lies
// within the corner's circle.
void RoundMaskCorners(QImage& mask, int radius, bool top, bool bottom) {
  const int w = mask.width(), h = mask.height();
  for (int y = 0; y < radius; ++y) {
    for (int x = 0; x < radius; ++x) {
      const double dx = radius - (x + 0.5), dy = radius - (y + 0.5);
      if (dx * dx + dy * dy <= double(radius) * radius) continue;
      if (top) {
        mask.setPixel(x, y, 1);
        mask.setPixel(w - 1 - x, y, 1);
      }
      if (bottom) {
        mask.setPixel(x, h - 1 - y, 1);
        mask.setPixel(w - 1 - x, h - 1 - y, 1);
      }
    }
  }
}

// The window outline: rounded top corners, square bottom, on pixel centres.
QPainterPath FrameOutline(int w, int h) {
  const double r = kFrameRadius - 0.5, d = 2 * r;
  QPainterPath path;
  path.moveTo(0.5, h - 0.5);
  path.lineTo(0.5, 0.5 + r);
  path.arcTo(QRectF(0.5, 0.5, d, d), 180, -90);
  path.lineTo(w - 0.5 - r, 0.5);
  path.arcTo(QRectF(w - 0.5 - d, 0.5, d, d), 90, -90);
  path.lineTo(w - 0.5, h - 0.5);
  path.closeSubpath();
  return path;
}

void Antialiased(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
}

// A box with a one-pixel border on pixel centres and a vertical fill.
void RoundBox(QPainter& p, const QRect& r, double radius, const QColor& top, const QColor& bottom,
              const QColor& border) {
  const QRectF box = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.save();
  Antialiased(p);
  p.setPen(border.isValid() ? QPen(border, 1) : QPen(Qt::NoPen));
  p.setBrush(g);
  p.drawRoundedRect(box, radius, radius);
  p.restore();
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width) {
  p.save();
  Antialiased(p);
  QPen pen(colour, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.restore();
}

QPainterPath Polyline(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    first = false;
  }
  return path;
}

void FillPolygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour) {
  p.save();
  Antialiased(p);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF(QList<QPointF>(points)));
  p.restore();
}

// ---- Description access -----------------------------------------------------

template <typename T>
T& Need(const SkinDescription& d, const std::string& name, bool control) {
  TskKeyedData* data = control ? static_cast<TskKeyedData*>(d.FindControl(name))
                               : static_cast<TskKeyedData*>(d.FindObject(name));
  T* typed = dynamic_cast<T*>(data);
  if (typed == nullptr)
    throw Exception("the skin description has no " + std::string(control ? "control" : "object") +
                    " section [" + name + "] of the kind the art draws");
  return *typed;
}

template <typename T>
T& Control(const SkinDescription& d, const std::string& name) {
  return Need<T>(d, name, true);
}
template <typename T>
T& Object(const SkinDescription& d, const std::string& name) {
  return Need<T>(d, name, false);
}

// ---- Frame ----------------------------------------------------------------

enum class Look { Normal, Hot, Down, Inactive, Disabled };

enum class Glyph { Close, Maximize, Restore, Minimize, RollUp, RollDown };

void DrawGlyph(QPainter& p, Glyph g, QPointF c, double size, const QColor& colour) {
  const double h = size / 2;
  switch (g) {
    case Glyph::Close:
      Stroke(p, Polyline({{c.x() - h, c.y() - h}, {c.x() + h, c.y() + h}}), colour, 1.15);
      Stroke(p, Polyline({{c.x() + h, c.y() - h}, {c.x() - h, c.y() + h}}), colour, 1.15);
      break;
    case Glyph::Maximize: {
      QPainterPath box;
      box.addRoundedRect(QRectF(c.x() - h, c.y() - h, size, size), 1.2, 1.2);
      Stroke(p, box, colour, 1.0);
      break;
    }
    case Glyph::Restore: {
      const double s = size * 0.78, o = size - s;
      QPainterPath front;
      front.addRoundedRect(QRectF(c.x() - h, c.y() - h + o, s, s), 1.2, 1.2);
      Stroke(p, front, colour, 1.0);
      Stroke(p,
             Polyline({{c.x() - h + o, c.y() - h + o - 0.2},
                       {c.x() - h + o, c.y() - h},
                       {c.x() + h, c.y() - h},
                       {c.x() + h, c.y() + h - o},
                       {c.x() + h - o + 0.2, c.y() + h - o}}),
             colour, 1.0);
      break;
    }
    case Glyph::Minimize:
      Stroke(p, Polyline({{c.x() - h, c.y()}, {c.x() + h, c.y()}}), colour, 1.0);
      break;
    case Glyph::RollUp:
      Stroke(p,
             Polyline(
                 {{c.x() - h, c.y() + h / 2}, {c.x(), c.y() - h / 2}, {c.x() + h, c.y() + h / 2}}),
             colour, 1.15);
      break;
    case Glyph::RollDown:
      Stroke(p,
             Polyline(
                 {{c.x() - h, c.y() - h / 2}, {c.x(), c.y() + h / 2}, {c.x() + h, c.y() - h / 2}}),
             colour, 1.15);
      break;
  }
}

QColor GlyphColour(Look look) {
  switch (look) {
    case Look::Hot:
      return kGlyphHot;
    case Look::Down:
      return kGlyphHot;
    case Look::Inactive:
      return kGlyphInactive;
    case Look::Disabled:
      return kGlyphDisabled;
    default:
      return kGlyph;
  }
}

// The caption bar behind a cell whose first row is frame row frameTop.
void CaptionBackground(QPainter& p, const QRect& cell, int frameTop, Look look, bool close) {
  for (int y = 0; y < cell.height(); ++y) {
    QColor c = CaptionRow(frameTop + y);
    if (close && look == Look::Hot)
      c = kCloseHot;
    else if (close && look == Look::Down)
      c = kCloseDown;
    else if (look == Look::Hot)
      c = Mix(c, QColor(0, 0, 0), 20);
    else if (look == Look::Down)
      c = Mix(c, QColor(0, 0, 0), 38);
    p.fillRect(QRect(cell.left(), cell.top() + y, cell.width(), 1), c);
  }
}

// A caption button; the close button sits in the window's top-right corner
// and carries that part of the outline.
void CaptionButton(QPainter& p, const TRect& r, Glyph glyph, Look look, bool close, int frameTop,
                   int pictureWidth) {
  if (r.IsEmpty()) return;
  const QRect cell = ToQRect(r);
  CaptionBackground(p, cell, frameTop, look, close);
  const QColor colour =
      close && (look == Look::Hot || look == Look::Down) ? kWhite : GlyphColour(look);
  p.save();
  p.setClipRect(cell);
  DrawGlyph(p, glyph, QPointF(cell.left() + cell.width() / 2.0, cell.top() + cell.height() / 2.0),
            9, colour);
  if (close) {
    p.translate(cell.right() + 1 - (pictureWidth - 1), cell.top() - frameTop);
    Stroke(p, FrameOutline(pictureWidth, 200), kFrameBorder, 1.0);
  }
  p.restore();
}

constexpr int kMarkSize = 18;

// The application mark: an amber tile with the two arrows of a round trip,
// kMarkSize pixels square with its top left corner at x, y.
void AppMark(QPainter& p, int x, int y, Look look) {
  QColor top = QColor(248, 214, 110), bottom = kAmberDeep, edge = kAmberEdge;
  if (look == Look::Hot) top = QColor(252, 224, 132), bottom = QColor(232, 176, 56);
  if (look == Look::Down) top = QColor(232, 184, 72), bottom = QColor(204, 146, 30);
  if (look == Look::Inactive)
    top = QColor(214, 218, 224), bottom = QColor(184, 190, 198), edge = QColor(170, 176, 185);
  const int s = kMarkSize;
  RoundBox(p, QRect(x, y, s, s), 4.5, top, bottom, edge);
  const double l = x + 5, rr = x + s - 5, y1 = y + 6.5, y2 = y + s - 6.5;
  Stroke(p, Polyline({{l, y1}, {rr, y1}}), kWhite, 1.6);
  Stroke(p, Polyline({{rr - 2.6, y1 - 2.6}, {rr, y1}, {rr - 2.6, y1 + 2.6}}), kWhite, 1.6);
  Stroke(p, Polyline({{rr, y2}, {l, y2}}), kWhite, 1.6);
  Stroke(p, Polyline({{l + 2.6, y2 - 2.6}, {l, y2}, {l + 2.6, y2 + 2.6}}), kWhite, 1.6);
}

void SystemMenuButton(QPainter& p, const TRect& r, Look look, int frameTop) {
  if (r.IsEmpty()) return;
  const QRect cell = ToQRect(r);
  CaptionBackground(p, cell, frameTop, look == Look::Down ? Look::Hot : Look::Normal, false);
  AppMark(p, cell.left() + (cell.width() - kMarkSize) / 2,
          cell.top() + (cell.height() - kMarkSize) / 2, look);
}

// A small button of a main menu bar.
void MenuBarButton(QPainter& p, const TRect& r, Glyph glyph, bool sysmenu, Look look) {
  if (r.IsEmpty()) return;
  const QRect cell = ToQRect(r);
  p.fillRect(cell, kClient);
  if (look == Look::Hot)
    RoundBox(p, cell, 2.5, QColor(228, 231, 236), QColor(222, 225, 231), QColor());
  if (look == Look::Down)
    RoundBox(p, cell, 2.5, QColor(212, 216, 222), QColor(206, 210, 217), QColor());
  const QPointF c(cell.left() + cell.width() / 2.0, cell.top() + cell.height() / 2.0);
  if (sysmenu) {
    RoundBox(p, QRect(int(c.x()) - 5, int(c.y()) - 5, 10, 10), 2.5, QColor(248, 214, 110),
             kAmberDeep, kAmberEdge);
  } else {
    DrawGlyph(p, glyph, c, 6, GlyphColour(look));
  }
}

void StdButtonLooks(QPainter& p, const TskDataSkinStdButton& b, Glyph glyph, Glyph restore,
                    bool close, int frameTop, int pictureWidth) {
  CaptionButton(p, b.SkinRect, glyph, Look::Normal, close, frameTop, pictureWidth);
  CaptionButton(p, b.ActiveSkinRect, glyph, Look::Hot, close, frameTop, pictureWidth);
  CaptionButton(p, b.DownRect, glyph, Look::Down, close, frameTop, pictureWidth);
  CaptionButton(p, b.InActiveSkinRect, glyph, Look::Inactive, close, frameTop, pictureWidth);
  CaptionButton(p, b.DisableSkinRect, glyph, Look::Disabled, close, frameTop, pictureWidth);
  CaptionButton(p, b.RestoreRect, restore, Look::Normal, close, frameTop, pictureWidth);
  CaptionButton(p, b.RestoreActiveRect, restore, Look::Hot, close, frameTop, pictureWidth);
  CaptionButton(p, b.RestoreDownRect, restore, Look::Down, close, frameTop, pictureWidth);
  CaptionButton(p, b.RestoreInActiveRect, restore, Look::Inactive, close, frameTop, pictureWidth);
}

QImage DrawMainPicture(const SkinDescription& d, int w, int h) {
  QImage img = NewPicture(w, h, kClient);
  QPainter p(&img);
  const TRect& client = d.FormInfo.ClientRect;
  for (int y = kCaptionFirstRow; y < client.Top - 1; ++y)
    p.fillRect(QRect(1, y, w - 2, 1), CaptionRow(y));
  p.fillRect(QRect(1, client.Top - 1, w - 2, 1), kCaptionLine);
  Stroke(p, FrameOutline(w, h), kFrameBorder, 1.0);
  return img;
}

QImage DrawMainMask(int w, int h) {
  QImage mask = NewMask(w, h);
  RoundMaskCorners(mask, kFrameRadius, true, false);
  return mask;
}

QImage DrawActivePicture(const SkinDescription& d, int w, int h, int mainWidth) {
  QImage img = NewPicture(w, h, kClient);
  QPainter p(&img);
  const int top = d.FormInfo.ButtonsRect.Top;
  StdButtonLooks(p, Object<TskDataSkinStdButton>(d, "closebutton"), Glyph::Close, Glyph::Close,
                 true, top, mainWidth);
  StdButtonLooks(p, Object<TskDataSkinStdButton>(d, "maxbutton"), Glyph::Maximize, Glyph::Restore,
                 false, top, mainWidth);
  StdButtonLooks(p, Object<TskDataSkinStdButton>(d, "minbutton"), Glyph::Minimize, Glyph::Restore,
                 false, top, mainWidth);
  auto* rollup = dynamic_cast<TskDataSkinStdButton*>(d.FindObject("rollupbutton"));
  if (rollup == nullptr) rollup = d.SpareRollUpButton.get();
  if (rollup) StdButtonLooks(p, *rollup, Glyph::RollUp, Glyph::RollDown, false, top, mainWidth);
  const auto& sys = Object<TskDataSkinStdButton>(d, "sysmenubutton");
  const TRect& cap = d.FormInfo.CaptionRect;
  const int sysTop = cap.Top + (cap.Height() - sys.SkinRect.Height()) / 2;
  SystemMenuButton(p, sys.SkinRect, Look::Normal, sysTop);
  SystemMenuButton(p, sys.ActiveSkinRect, Look::Hot, sysTop);
  SystemMenuButton(p, sys.DownRect, Look::Down, sysTop);
  SystemMenuButton(p, sys.InActiveSkinRect, Look::Inactive, sysTop);
  const std::pair<const char*, Glyph> bar[] = {{"menubarclosebutton", Glyph::Close},
                                               {"menubarmaxbutton", Glyph::Restore},
                                               {"menubarminbutton", Glyph::Minimize},
                                               {"menubarsysmenubutton", Glyph::Close}};
  for (const auto& [name, glyph] : bar) {
    const auto& b = Object<TskDataSkinStdButton>(d, name);
    const bool sysmenu = std::string(name) == "menubarsysmenubutton";
    MenuBarButton(p, b.SkinRect, glyph, sysmenu, Look::Normal);
    MenuBarButton(p, b.ActiveSkinRect, glyph, sysmenu, Look::Hot);
    MenuBarButton(p, b.DownRect, glyph, sysmenu, Look::Down);
  }
  return img;
}

// ---- Hint and popup windows -----------------------------------------------------

QImage DrawWindowPicture(int w, int h, const QColor& fill, const QColor& border) {
  QImage img = NewPicture(w, h, fill);
  QPainter p(&img);
  RoundBox(p, QRect(0, 0, w, h), 4, fill, fill, border);
  return img;
}

QImage DrawWindowMask(int w, int h) {
  QImage mask = NewMask(w, h);
  RoundMaskCorners(mask, 4, true, true);
  return mask;
}

// ---- Menu items --------------------------------------------------------------

void MenuCheck(QPainter& p, const TRect& r, const QColor& bg, bool radio) {
  if (r.IsEmpty()) return;
  const QRect cell = ToQRect(r);
  p.fillRect(cell, bg);
  const QPointF c(cell.left() + cell.width() / 2.0, cell.top() + cell.height() / 2.0);
  if (radio) {
    p.save();
    Antialiased(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSlate);
    p.drawEllipse(c, 3.0, 3.0);
    p.restore();
  } else {
    Stroke(p, Polyline({{c.x() - 4, c.y()}, {c.x() - 1.2, c.y() + 3}, {c.x() + 4, c.y() - 3.5}}),
           kSlate, 1.6);
  }
}

void MenuArrow(QPainter& p, const TRect& r, const QColor& bg) {
  if (r.IsEmpty()) return;
  const QRect cell = ToQRect(r);
  p.fillRect(cell, bg);
  const double x = cell.left() + 2.5, y = cell.top() + cell.height() / 2.0;
  Stroke(p, Polyline({{x, y - 3.5}, {x + 3.5, y}, {x, y + 3.5}}), QColor(90, 98, 112), 1.3);
}

QImage DrawMenuItems(const SkinDescription& d, int w, int h) {
  QImage img = NewPicture(w, h, kWhite);
  QPainter p(&img);
  const auto& item = Object<TskDataSkinMenuItem>(d, "menuitem");
  if (!item.ActiveSkinRect.IsEmpty()) {
    const QRect a = ToQRect(item.ActiveSkinRect);
    p.fillRect(a, kWhite);
    RoundBox(p, a.adjusted(2, 1, -2, -1), 3, kAmberSoft, QColor(250, 232, 186),
             QColor(244, 216, 146));
  }
  if (!item.DividerRect.IsEmpty()) {
    const QRect div = ToQRect(item.DividerRect);
    p.fillRect(QRect(div.left() + item.DividerLeftOffset, div.top() + div.height() / 2,
                     div.width() - item.DividerLeftOffset - item.DividerRightOffset, 1),
               QColor(226, 229, 234));
  }
  const QColor hot(251, 236, 196);  // the middle of the highlight
  MenuCheck(p, item.CheckImageRect, kWhite, false);
  MenuCheck(p, item.ActiveCheckImageRect, hot, false);
  MenuCheck(p, item.RadioImageRect, kWhite, true);
  MenuCheck(p, item.ActiveRadioImageRect, hot, true);
  MenuArrow(p, item.ArrowImageRect, kWhite);
  MenuArrow(p, item.ActiveArrowImageRect, hot);

  const auto& bar = Object<TskDataSkinMainMenuItem>(d, "mainmenubaritem");
  if (!bar.SkinRect.IsEmpty()) p.fillRect(ToQRect(bar.SkinRect), kClient);
  auto barLook = [&](const TRect& r, const QColor& top, const QColor& bottom, const QColor& edge) {
    if (r.IsEmpty()) return;
    p.fillRect(ToQRect(r), kClient);
    RoundBox(p, ToQRect(r).adjusted(1, 2, -1, -2), 3, top, bottom, edge);
  };
  barLook(bar.ActiveSkinRect, QColor(230, 233, 238), QColor(224, 227, 233), QColor());
  barLook(bar.DownRect, kAmberSoft, QColor(250, 232, 186), QColor(244, 216, 146));
  return img;
}

// ---- Controls ----------------------------------------------------------------

void ButtonLook(QPainter& p, const TRect& r, Look look, bool focused) {
  if (r.IsEmpty()) return;
  const QRect cell = ToQRect(r);
  p.fillRect(cell, kClient);
  switch (look) {
    case Look::Hot:
      RoundBox(p, cell, 3, QColor(255, 252, 241), QColor(253, 241, 208), QColor(228, 180, 70));
      break;
    case Look::Down:
      RoundBox(p, cell, 3, QColor(248, 228, 172), QColor(246, 222, 158), kAmberEdge);
      break;
    case Look::Disabled:
      RoundBox(p, cell, 3, QColor(245, 246, 248), QColor(241, 242, 244), kBorderLight);
      break;
    default:
      RoundBox(p, cell, 3, kWhite, QColor(244, 245, 247), focused ? kAmberEdge : kBorder);
      break;
  }
  if (focused)
    RoundBox(p, cell.adjusted(1, 1, -1, -1), 2, QColor(255, 255, 255, 0), QColor(255, 255, 255, 0),
             QColor(248, 224, 160));
}

void EditLook(QPainter& p, const TRect& r, bool active) {
  if (r.IsEmpty()) return;
  const QRect cell = ToQRect(r);
  p.fillRect(cell, kClient);
  RoundBox(p, cell, 3, kWhite, kWhite, active ? QColor(228, 180, 70) : kBorder);
  if (active)
    RoundBox(p, cell.adjusted(1, 1, -1, -1), 2, QColor(255, 255, 255, 0), QColor(255, 255, 255, 0),
             QColor(250, 232, 186));
}

enum class Mark { None, Check, Grayed };

// A 13-pixel box inside a cell of the client colour; the cell's bottom-left
// pixel keeps that colour for the drawing code's transparency.
void CheckMark(QPainter& p, const TRect& r, Mark mark, Look look, bool radio) {
  if (r.IsEmpty()) return;
  const QRect cell = ToQRect(r);
  p.fillRect(cell, kClient);
  const QRect box = cell.adjusted(1, 1, -1, -1);
  const bool filled = mark == Mark::Check;
  QColor top = kWhite, bottom = kWhite, edge = QColor(150, 157, 167);
  if (filled) top = QColor(240, 190, 66), bottom = kAmberDeep, edge = kAmberEdge;
  if (look == Look::Hot) {
    if (filled)
      top = QColor(246, 204, 94), bottom = QColor(230, 176, 54);
    else
      top = QColor(255, 250, 236), bottom = QColor(255, 246, 224), edge = kAmberEdge;
  }
  if (look == Look::Disabled) {
    edge = QColor(200, 204, 210);
    if (filled)
      top = bottom = QColor(208, 212, 218);
    else
      top = bottom = QColor(245, 246, 248);
  }
  p.save();
  Antialiased(p);
  const QRectF b = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(b.topLeft(), b.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setPen(QPen(edge, 1));
  p.setBrush(g);
  if (radio)
    p.drawEllipse(b);
  else
    p.drawRoundedRect(b, 3, 3);
  p.restore();
  const QPointF c(box.left() + box.width() / 2.0, box.top() + box.height() / 2.0);
  if (mark == Mark::Check && radio) {
    p.save();
    Antialiased(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawEllipse(c, 2.6, 2.6);
    p.restore();
  } else if (mark == Mark::Check) {
    Stroke(
        p,
        Polyline(
            {{c.x() - 3.3, c.y() + 0.2}, {c.x() - 0.9, c.y() + 2.6}, {c.x() + 3.4, c.y() - 2.6}}),
        kWhite, 1.8);
  } else if (mark == Mark::Grayed) {
    const QColor dash = look == Look::Disabled ? QColor(196, 200, 206) : kAmberDeep;
    p.fillRect(QRectF(c.x() - 3, c.y() - 1, 6, 2), dash);
  }
}

void CheckRadioLooks(QPainter& p, const TskDataSkinCheckRadioControl& c, bool radio) {
  for (const TRect* r : {&c.SkinRect, &c.ActiveSkinRect})
    if (!r->IsEmpty()) p.fillRect(ToQRect(*r), kClient);
  if (!c.ActiveSkinRect.IsEmpty())
    RoundBox(p, ToQRect(c.ActiveSkinRect), 3, QColor(234, 236, 240), QColor(232, 234, 238),
             QColor());
  CheckMark(p, c.CheckImageRect, Mark::Check, Look::Normal, radio);
  CheckMark(p, c.UnCheckImageRect, Mark::None, Look::Normal, radio);
  CheckMark(p, c.ActiveCheckImageRect, Mark::Check, Look::Hot, radio);
  CheckMark(p, c.ActiveUnCheckImageRect, Mark::None, Look::Hot, radio);
  CheckMark(p, c.UnEnabledCheckImageRect, Mark::Check, Look::Disabled, radio);
  CheckMark(p, c.UnEnabledUnCheckImageRect, Mark::None, Look::Disabled, radio);
  CheckMark(p, c.GrayedCheckImageRect, Mark::Grayed, Look::Normal, radio);
  CheckMark(p, c.ActiveGrayedCheckImageRect, Mark::Grayed, Look::Hot, radio);
}

void PanelLook(QPainter& p, const TskDataSkinPanelControl& c) {
  const QRect cell = ToQRect(c.SkinRect);
  p.fillRect(cell, kClient);
  p.setPen(QColor(216, 220, 226));
  p.drawRect(cell.adjusted(0, 0, -1, -1));
  const TRect& cl = c.ClientRect;
  p.fillRect(ToQRect(cl.Offset(c.SkinRect.Left, c.SkinRect.Top)), kClient);
}

// A card with a caption band and an amber mark before the title.
void GroupBoxLook(QPainter& p, const TskDataSkinPanelControl& c) {
  const QRect cell = ToQRect(c.SkinRect);
  const TRect client = c.ClientRect.Offset(c.SkinRect.Left, c.SkinRect.Top);
  const TRect caption = c.CaptionRect.Offset(c.SkinRect.Left, c.SkinRect.Top);
  p.fillRect(cell, kClient);
  const QRect card(client.Left - 1, caption.Top - 1, client.Width() + 2,
                   client.Bottom + 1 - (caption.Top - 1));
  // Only the top corners are round: the controls filling the client area
  // cover the bottom ones, and the centre is tiled, so no curve may reach
  // into it.
  const QRectF b = QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5);
  const double r = 4.5;
  QPainterPath shape;
  shape.moveTo(b.left(), b.bottom());
  shape.lineTo(b.left(), b.top() + r);
  shape.arcTo(QRectF(b.left(), b.top(), 2 * r, 2 * r), 180, -90);
  shape.lineTo(b.right() - r, b.top());
  shape.arcTo(QRectF(b.right() - 2 * r, b.top(), 2 * r, 2 * r), 90, -90);
  shape.lineTo(b.right(), b.bottom());
  shape.closeSubpath();
  p.save();
  Antialiased(p);
  p.setPen(Qt::NoPen);
  p.setBrush(kWhite);
  p.drawPath(shape);
  p.setClipPath(shape);
  const int bandRows = client.Top - 1 - caption.Top;
  for (int y = 0; y < bandRows; ++y)
    p.fillRect(
        QRect(card.left(), caption.Top + y, card.width(), 1),
        Mix(QColor(251, 251, 252), QColor(241, 243, 246), y * 256 / std::max(bandRows - 1, 1)));
  p.fillRect(QRect(card.left(), client.Top - 1, card.width(), 1), QColor(224, 228, 233));
  p.restore();
  Stroke(p, shape, QColor(210, 215, 222), 1.0);
  const int barHeight = 12;
  const int barTop = caption.Top + (bandRows - barHeight) / 2;
  RoundBox(p, QRect(caption.Left - 8, barTop, 3, barHeight), 1.5, kAmber, kAmberDeep, QColor());
}

void StatusBarLook(QPainter& p, const TskDataSkinPanelControl& c) {
  const QRect cell = ToQRect(c.SkinRect);
  for (int y = 0; y < cell.height(); ++y)
    p.fillRect(QRect(cell.left(), cell.top() + y, cell.width(), 1),
               y == 0 ? QColor(214, 218, 225)
                      : Mix(QColor(248, 249, 250), QColor(237, 239, 242), y * 256 / cell.height()));
  if (c.GripperRect.IsEmpty()) return;
  const QRect grip = ToQRect(c.GripperRect);
  p.fillRect(grip, kKey);
  // Dots in a triangle towards the bottom-right corner.
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3 - i; ++j) {
      const int x = grip.right() - 1 - 4 * i - 1, y = grip.bottom() - 1 - 4 * j - 1;
      p.fillRect(QRect(x + 1, y + 1, 2, 2), kWhite);
      p.fillRect(QRect(x, y, 2, 2), QColor(156, 163, 174));
    }
}

// Scroll-bar pieces are drawn for a vertical bar in local coordinates (x
// across the bar, y along it); a horizontal bar draws them transposed.
class Oriented {
 public:
  Oriented(QPainter& p, const TRect& r, bool horizontal) : p_(p) {
    p_.save();
    if (horizontal) {
      p_.setTransform(QTransform(0, 1, 1, 0, r.Left, r.Top));
      across_ = r.Height(), along_ = r.Width();
    } else {
      p_.translate(r.Left, r.Top);
      across_ = r.Width(), along_ = r.Height();
    }
  }
  ~Oriented() { p_.restore(); }
  int across() const { return across_; }
  int along() const { return along_; }

 private:
  QPainter& p_;
  int across_ = 0, along_ = 0;
};

// Local rectangle of a skin-relative rectangle of a bar.
TRect Local(const TRect& r, bool horizontal) {
  return horizontal ? TRect{r.Top, r.Left, r.Bottom, r.Right} : r;
}

void Track(QPainter& p, int across, int along) {
  p.fillRect(QRect(0, 0, across, along), kTrack);
  p.fillRect(QRect(0, 0, 1, along), kTrackLine);
}

// An arrow button in local coordinates; towardStart points to y = 0.
void Arrow(QPainter& p, const QRect& r, bool towardStart, Look look) {
  p.fillRect(r, kTrack);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), kTrackLine);
  QColor colour(138, 145, 156);
  if (look == Look::Hot) {
    RoundBox(p, r.adjusted(2, 1, -1, -1), 2.5, QColor(228, 231, 236), QColor(228, 231, 236),
             QColor());
    colour = QColor(70, 78, 92);
  } else if (look == Look::Down) {
    RoundBox(p, r.adjusted(2, 1, -1, -1), 2.5, QColor(210, 215, 222), QColor(210, 215, 222),
             QColor());
    colour = QColor(40, 46, 58);
  }
  const double cx = r.left() + 1 + (r.width() - 1) / 2.0, cy = r.top() + r.height() / 2.0;
  const double s = towardStart ? -1 : 1;
  FillPolygon(p, {{cx - 3.5, cy - 1.75 * s}, {cx + 3.5, cy - 1.75 * s}, {cx, cy + 2.25 * s}},
              colour);
}

void Thumb(QPainter& p, int across, int along, Look look) {
  Track(p, across, along);
  QColor fill(198, 203, 211);
  if (look == Look::Hot) fill = QColor(166, 173, 184);
  if (look == Look::Down) fill = QColor(128, 136, 150);
  const double w = 7, x = 1 + (across - 1 - w) / 2.0;
  p.save();
  Antialiased(p);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(x, 1, w, along - 2), w / 2, w / 2);
  p.restore();
}

void ScrollBarLooks(QPainter& p, const TskDataSkinScrollBarControl& c, bool horizontal) {
  if (c.SkinRect.IsEmpty()) return;
  {
    Oriented o(p, c.SkinRect, horizontal);
    Track(p, o.across(), o.along());
    Arrow(p, ToQRect(Local(c.DownButtonRect, horizontal)), true, Look::Normal);
    Arrow(p, ToQRect(Local(c.UpButtonRect, horizontal)), false, Look::Normal);
  }
  auto arrow = [&](const TRect& r, bool towardStart, Look look) {
    if (r.IsEmpty()) return;
    Oriented o(p, r, horizontal);
    Arrow(p, QRect(0, 0, o.across(), o.along()), towardStart, look);
  };
  arrow(c.ActiveDownButtonRect, true, Look::Hot);
  arrow(c.DownDownButtonRect, true, Look::Down);
  arrow(c.ActiveUpButtonRect, false, Look::Hot);
  arrow(c.DownUpButtonRect, false, Look::Down);
  auto thumb = [&](const TRect& r, Look look) {
    if (r.IsEmpty()) return;
    Oriented o(p, r, horizontal);
    Thumb(p, o.across(), o.along(), look);
  };
  thumb(c.ThumbRect, Look::Normal);
  thumb(c.ActiveThumbRect, Look::Hot);
  thumb(c.DownThumbRect, Look::Down);
  if (!c.GlyphRect.IsEmpty()) {
    Oriented o(p, c.GlyphRect, horizontal);
    p.fillRect(QRect(0, 0, o.across(), o.along()), kKey);
    for (int y = 0; y < o.along(); y += 2)
      p.fillRect(QRect(0, y, o.across(), 1), QColor(246, 247, 249));
  }
}

QImage DrawControls(const SkinDescription& d, int w, int h) {
  QImage img = NewPicture(w, h, kClient);
  QPainter p(&img);
  const auto& button = Control<TskDataSkinButtonControl>(d, "button");
  ButtonLook(p, button.SkinRect, Look::Normal, false);
  ButtonLook(p, button.ActiveSkinRect, Look::Hot, false);
  ButtonLook(p, button.DownSkinRect, Look::Down, false);
  ButtonLook(p, button.FocusedSkinRect, Look::Normal, true);
  ButtonLook(p, button.DisabledSkinRect, Look::Disabled, false);
  const auto& edit = Control<TskDataSkinEditControl>(d, "edit");
  EditLook(p, edit.SkinRect, false);
  EditLook(p, edit.ActiveSkinRect, true);
  CheckRadioLooks(p, Control<TskDataSkinCheckRadioControl>(d, "checkbox"), false);
  if (auto* radio = dynamic_cast<TskDataSkinCheckRadioControl*>(d.FindControl("radiobox")))
    CheckRadioLooks(p, *radio, true);
  PanelLook(p, Control<TskDataSkinPanelControl>(d, "panel"));
  GroupBoxLook(p, Control<TskDataSkinPanelControl>(d, "groupbox"));
  StatusBarLook(p, Control<TskDataSkinPanelControl>(d, "statusbar"));
  ScrollBarLooks(p, Control<TskDataSkinScrollBarControl>(d, "vscrollbar"), false);
  ScrollBarLooks(p, Control<TskDataSkinScrollBarControl>(d, "hscrollbar"), true);
  if (auto* both = dynamic_cast<TskDataSkinScrollBarControl*>(d.FindControl("bothhscrollbar")))
    ScrollBarLooks(p, *both, true);
  return img;
}

// ---- The picture table ---------------------------------------------------------

constexpr int kMainWidth = 300, kMainHeight = 120;

struct PictureArt {
  int width, height;
  std::function<QImage(const SkinDescription&, int, int)> draw;
};

const std::map<std::string, PictureArt>& ArtTable() {
  static const std::map<std::string, PictureArt> table = {
      {"main.bmp", {kMainWidth, kMainHeight, DrawMainPicture}},
      {"mask.bmp",
       {kMainWidth, kMainHeight,
        [](const SkinDescription&, int w, int h) { return DrawMainMask(w, h); }}},
      {"active.bmp",
       {210, 260,
        [](const SkinDescription& d, int w, int h) {
          return DrawActivePicture(d, w, h, kMainWidth);
        }}},
      {"hintwindow.bmp",
       {40, 30,
        [](const SkinDescription&, int w, int h) {
          return DrawWindowPicture(w, h, kWhite, QColor(186, 192, 202));
        }}},
      {"hintwindowmask.bmp",
       {40, 30, [](const SkinDescription&, int w, int h) { return DrawWindowMask(w, h); }}},
      {"pw.bmp",
       {60, 40,
        [](const SkinDescription&, int w, int h) {
          return DrawWindowPicture(w, h, kWhite, QColor(196, 201, 209));
        }}},
      {"pwmask.bmp",
       {60, 40, [](const SkinDescription&, int w, int h) { return DrawWindowMask(w, h); }}},
      {"menuitems.bmp", {100, 140, DrawMenuItems}},
      {"controls.bmp", {510, 180, DrawControls}},
  };
  return table;
}

SkinArtPicture Draw(const SkinDescription& d, const std::string& name, int id) {
  const auto it = ArtTable().find(name);
  if (it == ArtTable().end()) throw Exception("no art is drawn for the picture \"" + name + "\"");
  return {name, id, it->second.draw(d, it->second.width, it->second.height)};
}

std::string Describe(const SkinNamedRect& r) {
  return "[" + r.Section + "] " + r.Key + "=" + std::to_string(r.Rect.Left) + "," +
         std::to_string(r.Rect.Top) + "," + std::to_string(r.Rect.Right) + "," +
         std::to_string(r.Rect.Bottom);
}

}  // namespace

std::vector<SkinArtPicture> DrawSkinPictures(const SkinDescription& d) {
  std::vector<SkinArtPicture> out;
  if (d.PictureName.empty() || d.MaskName.empty())
    throw Exception("the skin description names no main picture or no mask");
  if (!d.InactivePictureName.empty()) throw Exception("no art is drawn for an inactive picture");
  out.push_back(Draw(d, d.PictureName, kMainPictureId));
  out.push_back(Draw(d, d.MaskName, kMaskPictureId));
  for (size_t i = 0; i < d.ActivePictureNames.size(); ++i)
    out.push_back(Draw(d, d.ActivePictureNames[i], static_cast<int>(i)));

  // Every rectangle must lie inside the picture it refers to.
  for (const SkinNamedRect& r : NamedRectangles(d)) {
    const SkinArtPicture* pic = nullptr;
    for (const SkinArtPicture& a : out)
      if (a.Picture == r.Picture) pic = &a;
    if (pic == nullptr)
      throw Exception(Describe(r) + " refers to a picture the description does not list");
    if (r.Rect.Left < 0 || r.Rect.Top < 0 || r.Rect.Right > pic->Image.width() ||
        r.Rect.Bottom > pic->Image.height())
      throw Exception(Describe(r) + " does not lie inside " + pic->FileName + " (" +
                      std::to_string(pic->Image.width()) + " x " +
                      std::to_string(pic->Image.height()) + ")");
  }
  return out;
}

void WriteSkinArt(const TStringList& description, const std::string& dir) {
  if (!QDir().mkpath(QString::fromStdString(dir))) throw Exception("cannot create " + dir);
  const std::string base = dir.back() == '/' ? dir : dir + "/";
  for (const SkinArtPicture& pic : DrawSkinPictures(ReadSkinDescription(description)))
    SaveBitmapFile(base + pic.FileName, pic.Image);
  description.SaveToFile(base + "skin.ini");
}

void WriteEmbeddedSkinSource(std::string_view block, const std::string& path) {
  std::ostringstream s;
  s << "// Made by lumora-skin-art from assets/skin at build time.\n"
       "#include \"builtin_skin.h\"\n\n"
       "namespace lumora {\n\nnamespace {\n\n"
       "alignas(8) const unsigned char kBlock[] = {";
  for (size_t i = 0; i < block.size(); ++i) {
    if (i % 20 == 0) s << "\n   ";
    s << " " << static_cast<unsigned>(static_cast<unsigned char>(block[i])) << ",";
  }
  s << "\n};\n\n}  // namespace\n\n"
       "std::string_view BuiltinSkinBlock() {\n"
       "  return {reinterpret_cast<const char*>(kBlock), sizeof kBlock};\n"
       "}\n\n}  // namespace lumora\n";
  const std::string text = s.str();
  QFile file(QString::fromStdString(path));
  if (file.open(QIODevice::ReadOnly) && file.readAll().toStdString() == text) return;
  file.close();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
    throw Exception("cannot write " + path);
}

QImage DrawAppIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  // The caption's mark scaled up, with a margin of one unit of its grid.
  const double unit = size / double(kMarkSize + 2);
  p.scale(unit, unit);
  AppMark(p, 1, 1, Look::Normal);
  return icon;
}

}  // namespace lumora
