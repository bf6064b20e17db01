#include "skin/draw/skin_text.h"

#include <QFontMetrics>

#include "skin/draw/rect_routines.h"

namespace lumora {

namespace {

const QString kEllipsis = QStringLiteral("...");

int TextWidth(const QFontMetrics& fm, const QString& text) {
  return fm.horizontalAdvance(text);
}

// Drops the last whole character (a surrogate pair counts as one).
void DropLastCharacter(QString& text) {
  qsizetype n = text.size();
  if (n == 0) return;
  if (n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate()) {
    text.chop(2);
  } else {
    text.chop(1);
  }
}

}  // namespace

int QtTextFlags(uint32_t format) {
  int flags = 0;
  if (format & dtCenter) {
    flags |= Qt::AlignHCenter;
  } else if (format & dtRight) {
    flags |= Qt::AlignRight;
  } else {
    flags |= Qt::AlignLeft;
  }
  if (format & dtSingleLine) {
    flags |= Qt::TextSingleLine;
    if (format & dtVCenter) {
      flags |= Qt::AlignVCenter;
    } else if (format & dtBottom) {
      flags |= Qt::AlignBottom;
    } else {
      flags |= Qt::AlignTop;
    }
  } else {
    flags |= Qt::AlignTop;
  }
  if (format & dtWordBreak) flags |= Qt::TextWordWrap;
  if (format & dtExpandTabs) flags |= Qt::TextExpandTabs;
  if (format & dtNoClip) flags |= Qt::TextDontClip;
  if (!(format & dtNoPrefix)) flags |= Qt::TextShowMnemonic;
  return flags;
}

int DrawSkinText(QPainter& canvas, const QString& text, TRect& rect, uint32_t format) {
  const int flags = QtTextFlags(format);
  QString shown = text;
  if ((format & dtEndEllipsis) && (format & dtSingleLine)) {
    EllipsizeText(canvas, shown, rect.Width());
  }
  if (format & dtCalcRect) {
    const QFontMetrics fm = canvas.fontMetrics();
    const QRect needed = fm.boundingRect(
        QRect(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0)),
        flags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom), shown);
    rect.Right = rect.Left + needed.width();
    rect.Bottom = rect.Top + needed.height();
    return needed.height();
  }
  QRect used;
  canvas.drawText(ToQRect(rect), flags, shown, &used);
  return used.height();
}

int MeasureTextWidth(QPainter& canvas, const QString& text) {
  TRect r{0, 0, 0, 0};
  DrawSkinText(canvas, text, r, dtCalcRect);
  return r.Width();
}

void EllipsizeText(QPainter& canvas, QString& text, int limit) {
  const QFontMetrics fm = canvas.fontMetrics();
  if (TextWidth(fm, text) <= limit) return;
  do {
    DropLastCharacter(text);
  } while (!text.isEmpty() && TextWidth(fm, text + kEllipsis) > limit);
  text += kEllipsis;
}

void EllipsizeText(QPainter& canvas, std::string& text, int limit) {
  QString wide = QString::fromStdString(text);
  const QString before = wide;
  EllipsizeText(canvas, wide, limit);
  if (wide != before) text = wide.toStdString();
}

void DrawCentredLine(QPainter& canvas, const std::string& text, const TRect& rect) {
  if (text.empty()) return;
  TRect r = rect;
  DrawSkinText(canvas, QString::fromStdString(text), r, dtSingleLine | dtVCenter | dtLeft);
}

}  // namespace lumora
