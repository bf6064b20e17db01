#pragma once
// Small text routines of the skin engine. Format flags carry the values of
// the platform's text-drawing call and are mapped onto Qt's text flags here.

#include <QPainter>
#include <QString>
#include <cstdint>
#include <string>

#include "base/geometry.h"

namespace lumora {

enum TskTextFormat : uint32_t {
  dtLeft = 0x0,
  dtCenter = 0x1,
  dtRight = 0x2,
  dtVCenter = 0x4,  // single line only
  dtBottom = 0x8,   // single line only
  dtWordBreak = 0x10,
  dtSingleLine = 0x20,
  dtExpandTabs = 0x40,
  dtNoClip = 0x100,
  dtCalcRect = 0x400,  // measure into the rectangle, draw nothing
  dtNoPrefix = 0x800,  // without it "&x" underlines x and "&&" shows "&"
  dtEndEllipsis = 0x8000,
};

// The Qt::AlignmentFlag | Qt::TextFlag combination for a format. Vertical
// centring and bottom alignment apply to single-line text only, as on the
// platform; multi-line text is top aligned.
int QtTextFlags(uint32_t format);

// Draws text in rect with the painter's font and pen, background left as is.
// With dtCalcRect nothing is drawn and rect is set to the size the text needs
// (left and top kept). Returns the height of the text.
int DrawSkinText(QPainter& canvas, const QString& text, TRect& rect, uint32_t format);
// Width of the text as measured with dtCalcRect (widest line, prefix marks
// not counted).
int MeasureTextWidth(QPainter& canvas, const QString& text);
// Keeps text when it fits within limit pixels; otherwise drops characters
// from the end until the rest followed by "..." fits (or nothing is left) and
// appends "...". Whole characters are dropped, never half a UTF-8 sequence or
// surrogate pair.
void EllipsizeText(QPainter& canvas, QString& text, int limit);
void EllipsizeText(QPainter& canvas, std::string& text, int limit);  // UTF-8
// One line, vertically centred, left aligned; nothing for an empty text.
void DrawCentredLine(QPainter& canvas, const std::string& text, const TRect& rect);

}  // namespace lumora
