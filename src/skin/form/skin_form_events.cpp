#include "skin/form/skin_form_events.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/messages.h"
#include "skin/data/skin_data.h"
#include "skin/form/frame_hit_test.h"
#include "skin/form/skin_form.h"

namespace lumora {

namespace {

TPoint At(const QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

bool TskFormEvents::eventFilter(QObject* watched, QEvent* event) {
  if (watched == form_->Host()) return HostEvent(event);
  if (watched == form_->ClientWidget()) return ClientEvent(event);
  if (form_->IsStatusBar(watched)) return GripEvent(event);
  return false;
}

// A press on the status bar's grip sizes the form from its bottom-right
// corner, through the platform or, where it refuses, from the mouse.
bool TskFormEvents::GripEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() != Qt::LeftButton || !form_->OnStatusGrip(e->position().toPoint()))
        return false;
      press_global_ = last_global_ = e->globalPosition().toPoint();
      press_geometry_ = form_->Host()->geometry();
      StartResize(HTBOTTOMRIGHT);
      return true;
    }
    case QEvent::MouseMove:
      if (!manual_resize_) return false;
      DragTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      return true;
    case QEvent::MouseButtonRelease:
      if (!manual_resize_) return false;
      manual_resize_ = false;
      form_->ExitSizeMove();
      return true;
    default:
      return false;
  }
}

bool TskFormEvents::ClientEvent(QEvent* event) {
  if (event->type() == QEvent::Paint) {
    QWidget* client = form_->ClientWidget();
    QPainter p(client);
    form_->PaintClientBackground(p, client->rect());
  }
  return false;
}

bool TskFormEvents::HostEvent(QEvent* event) {
  if (AsMessage(event)) return SkinMessage(event);
  QWidget* host = form_->Host();
  switch (event->type()) {
    // These close the form's open menus and its object hint first.
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
      form_->CancelObjectHint();
      form_->CloseSkinMenus();
      break;
    default:
      break;
  }
  switch (event->type()) {
    case QEvent::Resize:
      form_->OnSize();
      return false;
    case QEvent::Move:
      if (form_->InSizeMove() && !manual_move_ && form_->Magnetic) {
        const QPoint c = QCursor::pos();
        const TPoint p = form_->MagneticPosition({host->x(), host->y()}, {c.x(), c.y()});
        if (p.x != host->x() || p.y != host->y()) host->move(p.x, p.y);
      }
      return false;
    case QEvent::Paint: {
      QPainter p(host);
      form_->PaintFrame(p);
      return false;
    }
    case QEvent::Show:
      form_->OnShow();
      return false;
    case QEvent::Hide:
      if (form_->AlphaBlend()) host->setWindowOpacity(1.0);
      return false;
    case QEvent::ActivationChange:
      form_->ClearHoverOfObjects();
      form_->SetActiveState(form_->FormActive(), form_->EffectsOn());
      return false;
    case QEvent::WindowTitleChange:
      form_->RepaintFrame();
      return false;
    case QEvent::Leave:
      if (form_->PressedIndex() < 0) form_->UpdateHot({-1, -1});
      return false;
    case QEvent::KeyPress:
      if (form_->OnShortCut) {
        bool handled = false;
        form_->OnShortCut(static_cast<QKeyEvent*>(event), handled);
        return handled;
      }
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      if (!form_->Skinnable()) return false;
      return MouseEvent(static_cast<QMouseEvent*>(event));
    default:
      return false;
  }
}

bool TskFormEvents::SkinMessage(QEvent* event) {
  TMessageEvent* m = AsMessage(event);
  auto* sender = reinterpret_cast<TskSkinData*>(m->WParam());
  const bool ours = sender != nullptr && sender == form_->SkinData();
  switch (m->Msg()) {
    case WM_SKINDATA_CHANGING:
      // wParam 0 stands for every skin.
      if (ours || sender == nullptr) form_->BeginSkinChange();
      break;
    case WM_SKINDATA_LOADED:
      form_->EndSkinChange(ours);
      break;
    case WM_SKINDATA_CHANGED:
      if (form_->OnAfterChangeSkinData) form_->OnAfterChangeSkinData();
      break;
    case WM_SKINMENU_CLOSED:
      form_->MenuClosed();
      break;
    case WM_SKINDATA_STRINGS:
      form_->ReapplyHints();
      break;
    case WM_SKINDATA_SKINNABLE:
      if (ours) form_->ApplySkinnable(sender->SkinnableForm());
      break;
    default:
      break;
  }
  return false;
}

bool TskFormEvents::MouseEvent(QMouseEvent* e) {
  QPointer<TskFormEvents> self(this);
  QWidget* host = form_->Host();
  const TPoint p = At(e);
  const QPoint global = e->globalPosition().toPoint();
  switch (e->type()) {
    case QEvent::MouseMove: {
      if (manual_move_ || manual_resize_) {
        DragTo(global);
        return true;
      }
      if (pending_move_ && (e->buttons() & Qt::LeftButton)) {
        if ((global - press_global_).manhattanLength() >= QApplication::startDragDistance())
          StartMove();
        return true;
      }
      if (e->buttons() == Qt::NoButton) {
        if (form_->InSizeMove()) form_->ExitSizeMove();
        form_->UpdateHot(p);
        const int code = form_->HitTest(p);
        if (IsSizingCode(code) || !form_->UseFormCursorInNCArea) {
          host->setCursor(HitCodeCursor(code));
        } else {
          host->unsetCursor();
        }
      }
      const int index = form_->PressedIndex() >= 0 ? form_->PressedIndex() : form_->HotIndex();
      if (index >= 0) form_->Objects()[index]->MouseMove(p.x, p.y);
      return true;
    }
    case QEvent::MouseButtonPress: {
      if (form_->InSizeMove()) form_->ExitSizeMove();
      form_->UpdateHot(p);
      const int code = form_->HitTest(p);
      press_global_ = last_global_ = global;
      press_geometry_ = host->geometry();
      if (e->button() == Qt::LeftButton) {
        if (code == HTCAPTION) {
          form_->PressObject(p, Qt::LeftButton);
          if (!self) return true;
          form_->ClearPressed();
          pending_move_ = true;
        } else if (IsSizingCode(code)) {
          StartResize(code);
        } else if (code == HTOBJECT) {
          form_->PressObject(p, Qt::LeftButton);
        }
      } else if (e->button() == Qt::RightButton) {
        form_->PressObject(p, Qt::RightButton);
        if (!self) return true;
        if (code == HTCAPTION) {
          form_->ClearPressed();
          if (!form_->DisableSystemMenu) form_->PopupSystemMenu(global.x(), global.y());
        }
      }
      return true;
    }
    case QEvent::MouseButtonRelease: {
      pending_move_ = false;
      if (manual_move_ || manual_resize_) {
        manual_move_ = manual_resize_ = false;
        form_->ExitSizeMove();
        return true;
      }
      form_->ReleaseObject(p, e->button());
      return true;
    }
    case QEvent::MouseButtonDblClick: {
      if (e->button() != Qt::LeftButton) return true;
      form_->UpdateHot(p);
      const int code = form_->HitTest(p);
      form_->PressObject(p, Qt::LeftButton);
      if (!self) return true;
      const int pressed = form_->PressedIndex();
      if (pressed >= 0) form_->Objects()[pressed]->DblClick();
      if (!self) return true;
      if (code == HTCAPTION) {
        form_->ClearPressed();
        form_->CaptionDoubleClick();
      }
      return true;
    }
    default:
      return false;
  }
}

void TskFormEvents::StartMove() {
  pending_move_ = false;
  form_->EnterSizeMove();
  QWindow* window = form_->Host()->windowHandle();
  manual_move_ = window == nullptr || !window->startSystemMove();
}

void TskFormEvents::StartResize(int code) {
  resize_edges_ = HitCodeEdges(code);
  form_->EnterSizeMove();
  QWindow* window = form_->Host()->windowHandle();
  manual_resize_ = window == nullptr || !window->startSystemResize(resize_edges_);
}

void TskFormEvents::DragTo(QPoint global) {
  QWidget* host = form_->Host();
  const QPoint delta = global - press_global_;
  if (manual_move_) {
    // Proposed from where the window is now, so that a snapped edge holds.
    const QPoint proposed = host->pos() + (global - last_global_);
    last_global_ = global;
    const TPoint p =
        form_->MagneticPosition({proposed.x(), proposed.y()}, {global.x(), global.y()});
    host->move(p.x, p.y);
    return;
  }
  QRect r = press_geometry_;
  const int minW = form_->MinimumWidth(), minH = form_->MinimumHeight();
  if (resize_edges_ & Qt::LeftEdge) r.setLeft(std::min(r.left() + delta.x(), r.right() + 1 - minW));
  if (resize_edges_ & Qt::RightEdge)
    r.setRight(std::max(r.right() + delta.x(), r.left() + minW - 1));
  if (resize_edges_ & Qt::TopEdge) r.setTop(std::min(r.top() + delta.y(), r.bottom() + 1 - minH));
  if (resize_edges_ & Qt::BottomEdge)
    r.setBottom(std::max(r.bottom() + delta.y(), r.top() + minH - 1));
  host->setGeometry(r);
}

}  // namespace lumora
