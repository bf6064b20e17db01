#pragma once
// Docking of child controls to the edges of their parent (the platform's
// Align property): top and bottom children take the full width, left and
// right ones the remaining height, a client child what is left. A parent
// that implements TAlignArea gives the area its children dock in; any other
// parent docks them in its whole rectangle.

#include <QRect>

class QWidget;

namespace lumora {

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TAlignArea {
 public:
  virtual ~TAlignArea() = default;
  // The rectangle, in the parent's coordinates, the docked children share.
  virtual QRect AlignClientRect() const = 0;
};

// Stores the alignment and docks the control at once. From then on the
// parent re-docks its children whenever it or a docked child is resized.
void SetAlign(QWidget* control, TAlign align);
TAlign AlignOf(const QWidget* control);

// Docks every visible aligned child of parent, in child order within each
// alignment (top, bottom, left, right, then client). A child that keeps a
// size of its own (a skin that fixes its height) is given the rest of the
// area that remains, so the pass repeats until nothing moves.
void AlignControls(QWidget* parent);

}  // namespace lumora
