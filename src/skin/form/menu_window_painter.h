#pragma once
// Paints the window of a popup menu level (the frame from the skin's
// [POPUPWINDOW] picture, or the default flat look), its scroll markers, and
// builds the level's window region from the mask picture.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <optional>
#include <string>

#include "skin/data/skin_types.h"
#include "skin/data/skin_window_data.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/skin_font.h"
#include "skin/form/popup_menu_layout.h"

namespace lumora {

// The whole level background, width x height. picture is the window picture
// (null or empty for the default look); imageListWidth 0 without a list.
QImage PaintMenuWindowFrame(const TskMenuLevelGeometry& level, const TskDataSkinPopupWindow& data,
                            const QImage* picture, int imageListWidth);

// The nine-part source and target of the skinned window for its size.
TskNinePartSource MenuWindowSource(const TskDataSkinPopupWindow& data, const QImage& picture);
TskNinePartTarget MenuWindowTarget(const TskMenuLevelGeometry& level);

// The region of a skinned level from its mask picture; nullopt without one.
std::optional<QRegion> MenuWindowRegion(const TskMenuLevelGeometry& level,
                                        const TskDataSkinPopupWindow& data, const QImage* picture,
                                        const QImage* mask);

// The arrow of a scroll marker, in the marker's colour (active or not).
TColor ScrollMarkerColour(const TskDataSkinPopupWindow* data, bool active);
void DrawScrollMarkerArrow(QPainter& canvas, const TRect& marker, bool up, TColor colour);

}  // namespace lumora
