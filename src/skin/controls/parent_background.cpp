#include "skin/controls/parent_background.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace lumora {

namespace {

constexpr const char* kPaintingCopy = "lumoraPaintingCopy";

// Marks a widget as painting a copy, and keeps the canvas state, for one
// scope; both are undone however the scope is left.
class PaintingCopyMark {
 public:
  PaintingCopyMark(QWidget* w, QPainter& canvas) : widget_(w), canvas_(canvas) {
    widget_->setProperty(kPaintingCopy, true);
    canvas_.save();
  }
  ~PaintingCopyMark() {
    canvas_.restore();
    widget_->setProperty(kPaintingCopy, QVariant());
  }
  PaintingCopyMark(const PaintingCopyMark&) = delete;
  PaintingCopyMark& operator=(const PaintingCopyMark&) = delete;

 private:
  QWidget* widget_;
  QPainter& canvas_;
};

}  // namespace

bool IsPaintingCopy(const QWidget* widget) {
  return widget != nullptr && widget->property(kPaintingCopy).toBool();
}

void DrawParentBackground(QWidget* control, QPainter& canvas) {
  if (control == nullptr) return;
  QWidget* parent = control->parentWidget();
  if (parent == nullptr) return;
  const QRect place = control->geometry();      // in the parent's coordinates
  PaintingCopyMark parentMark(parent, canvas);  // held until the siblings are done too
  // The parent alone, without its children: the part under the control lands
  // at the canvas origin.
  parent->render(&canvas, QPoint(0, 0), QRegion(place), QWidget::DrawWindowBackground);
  // Children are stacked in list order, the first at the bottom.
  for (QObject* object : parent->children()) {
    if (object == control) break;
    QWidget* sibling = qobject_cast<QWidget*>(object);
    if (sibling == nullptr || sibling->isWindow() || !sibling->isVisibleTo(parent)) continue;
    const QRect overlap = sibling->geometry().intersected(place);
    if (overlap.isEmpty()) continue;
    PaintingCopyMark mark(sibling, canvas);
    sibling->render(&canvas, overlap.topLeft() - place.topLeft(),
                    QRegion(overlap.translated(-sibling->pos())),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
  }
}

}  // namespace lumora
