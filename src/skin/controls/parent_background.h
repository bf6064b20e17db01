#pragma once
// Painting what lies behind a control, so that a skinned control can keep its
// parent's look in an off-screen bitmap and appear transparent.

class QPainter;
class QWidget;

namespace lumora {

// Paints into canvas (whose origin is the control's top-left) the parent's
// own painting and, over it, the visible siblings stacked below the control
// that overlap it. Nothing happens without a control or parent. While this
// runs, IsPaintingCopy is true for the widget being painted into the copy, so
// its painting code can tell; the mark is cleared even when painting throws.
void DrawParentBackground(QWidget* control, QPainter& canvas);

bool IsPaintingCopy(const QWidget* widget);

}  // namespace lumora
