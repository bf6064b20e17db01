#pragma once
// The frame component's view of its host form's events: the Qt events that
// stand for the window messages the frame handles (size, paint, activation,
// non-client mouse, the skin broadcasts), and the client widget's
// background. Also moves and sizes the window itself where the platform
// cannot.

#include <QObject>
#include <QPoint>
#include <QRect>

#include "base/geometry.h"

class QMouseEvent;

namespace lumora {

class TskSkinForm;

class TskFormEvents : public QObject {
 public:
  explicit TskFormEvents(TskSkinForm* form) : form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HostEvent(QEvent* event);
  bool ClientEvent(QEvent* event);
  bool GripEvent(QEvent* event);
  bool MouseEvent(QMouseEvent* event);
  bool SkinMessage(QEvent* event);
  void StartMove();
  void StartResize(int code);
  void DragTo(QPoint global);

  TskSkinForm* form_;
  bool pending_move_ = false;
  bool manual_move_ = false;
  bool manual_resize_ = false;
  Qt::Edges resize_edges_;
  QPoint press_global_, last_global_;
  QRect press_geometry_;
};

}  // namespace lumora
