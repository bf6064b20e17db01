#include "skin/draw/parent_background.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace lumora {

namespace {

constexpr const char* kPaintingCopy = "lumoraPaintingCopy";

class PaintingCopyMark {
 public:
  explicit PaintingCopyMark(QWidget* w) : widget_(w) { widget_->setProperty(kPaintingCopy, true); }
  ~PaintingCopyMark() { widget_->setProperty(kPaintingCopy, QVariant()); }
  PaintingCopyMark(const PaintingCopyMark&) = delete;
  PaintingCopyMark& operator=(const PaintingCopyMark&) = delete;

 private:
  QWidget* widget_;
};

}  // namespace

bool IsPaintingCopy(const QWidget* widget) {
  return widget != nullptr && widget->property(kPaintingCopy).toBool();
}

void DrawParentBackground(QWidget* control, QPainter& canvas) {
  if (control == nullptr) return;
  QWidget* parent = control->parentWidget();
  if (parent == nullptr) return;
  const QRect place = control->geometry();  // in the parent's coordinates
  {
    PaintingCopyMark mark(parent);
    canvas.save();
    // The parent alone, without its children: the part under the control
    // lands at the canvas origin.
    parent->render(&canvas, QPoint(0, 0), QRegion(place), QWidget::DrawWindowBackground);
    canvas.restore();
  }
  // Children are stacked in list order, the first at the bottom.
  for (QObject* object : parent->children()) {
    if (object == control) break;
    QWidget* sibling = qobject_cast<QWidget*>(object);
    if (sibling == nullptr || sibling->isWindow() || !sibling->isVisibleTo(parent)) continue;
    const QRect overlap = sibling->geometry().intersected(place);
    if (overlap.isEmpty()) continue;
    PaintingCopyMark mark(sibling);
    canvas.save();
    sibling->render(&canvas, overlap.topLeft() - place.topLeft(),
                    QRegion(overlap.translated(-sibling->pos())),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    canvas.restore();
  }
}

}  // namespace lumora
