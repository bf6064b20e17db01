#include "skin/draw/colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace lumora {

namespace {

// The palette role closest to each of the platform's system colour indices.
QColor SystemColourValue(int index) {
  const QPalette palette = QGuiApplication::palette();
  switch (index) {
    case 1:   // desktop
    case 12:  // application workspace
      return palette.color(QPalette::Dark);
    case 2:  // active caption
    case 13:
      return palette.color(QPalette::Highlight);
    case 3:   // inactive caption
    case 10:  // active border
    case 11:  // inactive border
    case 0:   // scroll bar
    case 4:   // menu
    case 15:  // button face
      return palette.color(QPalette::Button);
    case 5:  // window
      return palette.color(QPalette::Base);
    case 6:   // window frame
    case 21:  // dark 3-D shadow
      return palette.color(QPalette::Shadow);
    case 7:  // menu text
    case 8:  // window text
      return palette.color(QPalette::Text);
    case 9:  // caption text
    case 14:
      return palette.color(QPalette::HighlightedText);
    case 16:
      return palette.color(QPalette::Dark);
    case 17:
    case 19:  // inactive caption text
      return palette.color(QPalette::Disabled, QPalette::Text);
    case 18:
      return palette.color(QPalette::ButtonText);
    case 20:
      return palette.color(QPalette::Light);
    case 22:
      return palette.color(QPalette::Midlight);
    case 23:
      return palette.color(QPalette::ToolTipText);
    case 24:
      return palette.color(QPalette::ToolTipBase);
    default:
      return palette.color(QPalette::Window);
  }
}

}  // namespace

QColor ToQColor(TColor colour) {
  if (IsSystemColor(colour)) return SystemColourValue(SystemColorIndex(colour));
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace lumora
