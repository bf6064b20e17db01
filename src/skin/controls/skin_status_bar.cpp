#include "skin/controls/skin_status_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/rect_routines.h"

namespace lumora {

TskSkinStatusBar::TskSkinStatusBar(QWidget* parent) : TskSkinPanel(parent) {
  SetSkinDataName("statusbar");
  SetBorderStyle(bvNone);
  SetForceBackground(false);
  resize(width(), 21);
  SetAlign(this, alBottom);
  setMouseTracking(true);
}

void TskSkinStatusBar::SetSizeGrip(bool on) {
  size_grip_ = on;
  update();
  AlignControls(this);
}

void TskSkinStatusBar::SetShowGrip(bool on) {
  show_grip_ = on;
  update();
  AlignControls(this);
}

void TskSkinStatusBar::SetSkinData(TskSkinData* value) {
  TskSkinPanel::SetSkinData(value);
  for (QObject* child : children())
    if (auto* control = dynamic_cast<TskSkinControl*>(child)) control->SetSkinData(value);
}

TRect TskSkinStatusBar::GripPlace() const {
  const QRect client = AlignClientRect();
  const int right = client.left() + client.width(), bottom = client.top() + client.height();
  const auto* data = PanelData();
  if (data != nullptr && !IsNullRect(data->GripperRect))
    return {right, bottom - RectHeight(data->GripperRect), right + RectWidth(data->GripperRect),
            bottom};
  return {right + 2, client.top(), right + client.height(), bottom - 2};
}

int TskSkinStatusBar::GripReserve() const {
  if (!GripShown()) return 0;
  const auto* data = PanelData();
  if (data != nullptr && !IsNullRect(data->GripperRect)) return RectWidth(data->GripperRect);
  return PanelClientRect().height();
}

TRect TskSkinStatusBar::GripRect() const {
  return GripShown() ? GripPlace() : TRect{};
}

int TskSkinStatusBar::HitTest(QPoint at) const {
  return GripRect().Contains({at.x(), at.y()}) ? HTBOTTOMRIGHT : HTCLIENT;
}

void TskSkinStatusBar::DrawGrip(QImage& bitmap, bool skinned) {
  const TRect r = GripRect();
  if (IsNullRect(r)) return;
  QPainter p(&bitmap);
  const auto* data = PanelData();
  if (skinned && data != nullptr && !IsNullRect(data->GripperRect) && Frame().Picture != nullptr) {
    QImage grip = Frame().Picture->copy(ToQRect(data->GripperRect));
    if (data->GripperTransparent) {
      grip = grip.convertToFormat(QImage::Format_ARGB32);
      const QRgb key = ToQColor(data->GripperTransparentColor).rgb() & 0xFFFFFF;
      for (int y = 0; y < grip.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grip.scanLine(y));
        for (int x = 0; x < grip.width(); ++x)
          if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
      }
    }
    p.drawImage(r.Left, r.Top, grip);
    return;
  }
  QColor shadow = ToQColor(SystemColour(scBtnShadow));
  QColor light = ToQColor(SystemColour(scBtnHighlight));
  if (skinned) {
    shadow = ToQColor(SkinData()->SkinColors().cBtnShadow);
    light = ToQColor(SkinData()->SkinColors().cBtnHighLight);
  }
  for (int k = 3; r.Left + k + 2 <= r.Right; k += 3) {
    p.setPen(shadow);
    p.drawLine(r.Left + k, r.Bottom, r.Right, r.Top + k);
    p.setPen(light);
    p.drawLine(r.Left + k + 1, r.Bottom, r.Right, r.Top + k + 1);
  }
}

void TskSkinStatusBar::DrawDefaultImage(QImage& bitmap) {
  TskSkinPanel::DrawDefaultImage(bitmap);
  DrawGrip(bitmap, false);
}

void TskSkinStatusBar::DrawSkinImage(QImage& bitmap) {
  TskSkinPanel::DrawSkinImage(bitmap);
  DrawGrip(bitmap, true);
}

void TskSkinStatusBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && HitTest(event->position().toPoint()) == HTBOTTOMRIGHT &&
      window()->windowHandle() != nullptr) {
    window()->windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
    return;
  }
  TskSkinPanel::mousePressEvent(event);
}

void TskSkinStatusBar::mouseMoveEvent(QMouseEvent* event) {
  if (HitTest(event->position().toPoint()) == HTBOTTOMRIGHT)
    setCursor(Qt::SizeFDiagCursor);
  else
    unsetCursor();
  TskSkinPanel::mouseMoveEvent(event);
}

}  // namespace lumora
