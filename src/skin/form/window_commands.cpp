// The frame's own window commands: window states, roll-up, the system and
// tray menus, menu keyboard hook, fade-in and the tray.

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/form_list.h"
#include "platform/messages.h"
#include "skin/data/skin_data.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/screen_routines.h"
#include "skin/form/menu_key_hook.h"
#include "skin/form/skin_form.h"
#include "skin/form/skin_form_events.h"
#include "skin/form/tray_icon.h"

namespace lumora {

namespace {

constexpr int kFadeStep = 10;
constexpr int kFadeInterval = 6;  // ms, more than the 5 the steps must be apart

QRect ToQ(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

bool IsMainForm(const QWidget* form) {
  const auto forms = Forms();
  return !forms.empty() && forms.front() == form;
}

}  // namespace

TRect TskSkinForm::MaximizedBounds() const {
  const QWindow* window = host_ ? host_->windowHandle() : nullptr;
  const TRect screen = WindowScreenArea(window);
  if (MaximizeOnFullScreen) return screen;
  TRect work = WindowWorkArea(window);
  // A work area covering the whole primary screen leaves a pixel on each
  // side, so that an auto-hidden panel can still be reached.
  if (work == screen && screen == ScreenFullArea()) {
    work = {work.Left + 1, work.Top + 1, work.Right - 1, work.Bottom - 1};
  }
  return work;
}

QRect TskSkinForm::CentredBounds(const QRect& bounds) const {
  const QWindow* window = host_->windowHandle();
  const TRect area =
      PositionInMonitor == skposScreenCenter ? WindowScreenArea(window) : WindowWorkArea(window);
  QRect r = bounds;
  r.moveTopLeft(QPoint(area.Left + (area.Width() - r.width()) / 2,
                       area.Top + (area.Height() - r.height()) / 2));
  return r;
}

void TskSkinForm::AfterStateChange() {
  if (!skin_present_ || !skin_data_->FormInfo().StretchEffect) return;
  host_->update();
  // The form's own controls, not theirs: a control that stretches its
  // background tells its children itself.
  auto tell = [this](QWidget* parent) {
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!child->isWindow() && child != client_) SendMessage(child, WM_PARENTBGCHANGED, 0, 0);
    }
  };
  tell(host_);
  if (client_) tell(client_);
}

void TskSkinForm::DisplayChanged() {
  if (!host_ || !skinnable_) return;
  if (window_state_ == wsMaximized) {
    host_->setGeometry(ToQ(MaximizedBounds()));
    Relayout();
    RepaintFrame();
    return;
  }
  const TRect area = MaximizeOnFullScreen ? WindowScreenArea(host_->windowHandle())
                                          : WindowWorkArea(host_->windowHandle());
  const TPoint most = MaximumFrameSize(area, MaxWidth, MaxHeight);
  if (host_->width() > most.x || host_->height() > most.y)
    host_->resize(std::min(host_->width(), most.x), std::min(host_->height(), most.y));
}

void TskSkinForm::SetFrameWindowState(TWindowState state) {
  if (!host_) return;
  if (!skinnable_) {
    if (state == wsMinimized) host_->showMinimized();
    if (state == wsMaximized) host_->showMaximized();
    if (state == wsNormal) host_->showNormal();
    return;
  }
  if (state == window_state_) return;
  const TWindowState from = window_state_;
  const bool mainForm = IsMainForm(host_);
  if (!(state == wsMinimized && mainForm)) window_state_ = state;
  switch (state) {
    case wsMinimized: {
      if (mainForm) {
        host_->showMinimized();
      } else {
        if (normal_bounds_.isNull()) normal_bounds_ = host_->geometry();
        UpdateSizeLimits();
        const int w = MinimumWidth(), h = MinimumHeight();
        const TRect area = WindowWorkArea(host_->windowHandle());
        int x = area.Left, y = area.Bottom - h;
        auto taken = [&](int px, int py) {
          for (TskSkinForm* other : AttachedForms()) {
            if (other == this || !other->host_ || !other->host_->isVisible() ||
                IsMainForm(other->host_) || other->window_state_ != wsMinimized)
              continue;
            if (other->host_->x() == px && other->host_->y() == py) return true;
          }
          return false;
        };
        while (taken(x, y)) {
          x += w;
          if (x + 2 * w > area.Right) {
            x = area.Left;
            y -= h;
          }
          if (y < area.Top) {
            x = area.Left;
            y = area.Bottom - h;
            break;
          }
        }
        host_->setGeometry(x, y, w, h);
      }
      if (OnMinimize) OnMinimize();
      break;
    }
    case wsMaximized: {
      was_rolled_up_before_maximize_ = rolled_up_;
      if (normal_bounds_.isNull()) normal_bounds_ = host_->geometry();
      UpdateSizeLimits();
      host_->setGeometry(ToQ(MaximizedBounds()));
      ShowStatusGrip(false);
      if (OnMaximize) OnMaximize();
      break;
    }
    case wsNormal: {
      if (from == wsMaximized && rolled_up_ && !was_rolled_up_before_maximize_) rolled_up_ = false;
      rolled_up_while_maximized_ = false;
      UpdateSizeLimits();
      QRect bounds = normal_bounds_.isNull() ? host_->geometry() : normal_bounds_;
      if (first_restore_ && PositionInMonitor != skposDefault) bounds = CentredBounds(bounds);
      first_restore_ = false;
      if (host_->isMinimized()) host_->showNormal();
      const QSize before = host_->size();
      host_->setGeometry(bounds);
      tracking_timer_.start();
      if (host_->size() == before) Nudge();
      host_->update();
      normal_bounds_ = QRect();
      ShowStatusGrip(true);
      if (OnRestore) OnRestore();
      break;
    }
  }
  Relayout();
  RepaintFrame();
  AfterStateChange();
}

void TskSkinForm::SetRollUpState(bool rolled) {
  if (!host_ || !(border_icons_ & biRollUp) || window_state_ == wsMinimized) return;
  if (rolled_up_ && window_state_ == wsMaximized && !rolled_up_while_maximized_) return;
  if (rolled == rolled_up_) return;
  if (window_state_ == wsMaximized) rolled_up_while_maximized_ = rolled;
  if (rolled) {
    height_before_roll_up_ = host_->height();
    rolled_up_ = true;
    UpdateSizeLimits();
    host_->resize(host_->width(), MinimumHeight());
  } else {
    rolled_up_ = false;
    UpdateSizeLimits();
    if (ClientHeight > 0) {
      const TskFrameInsets in = Insets();
      SetClientSize(host_->width() - in.left - in.right, ClientHeight);
    } else {
      host_->resize(host_->width(), height_before_roll_up_);
    }
  }
  Relayout();
  RepaintFrame();
  if (OnChangeRollUpState) OnChangeRollUpState();
}

void TskSkinForm::CaptionDoubleClick() {
  const bool sizeable = Sizeable || AlwaysResize;
  if (window_state_ == wsMinimized && sizeable) {
    SetFrameWindowState(wsNormal);
  } else if (sizeable && window_state_ != wsMaximized && !rolled_up_ &&
             (border_icons_ & biMaximize)) {
    SetFrameWindowState(wsMaximized);
  } else if (sizeable && window_state_ == wsMaximized && !rolled_up_while_maximized_) {
    SetFrameWindowState(wsNormal);
  } else {
    SetRollUpState(!rolled_up_);
  }
}

void TskSkinForm::RunFrameCommand(TskFrameCommand command) {
  switch (command) {
    case cmClose:
      CloseHost();
      break;
    case cmMaximize:
      SetFrameWindowState(window_state_ == wsMaximized ? wsNormal : wsMaximized);
      break;
    case cmMinimize:
      if (AlwaysMinimizeToTray) {
        MinimizeToTray();
      } else {
        SetFrameWindowState(window_state_ == wsMinimized ? wsNormal : wsMinimized);
      }
      break;
    case cmRollUp:
      SetRollUpState(!rolled_up_);
      break;
    case cmMinimizeToTray:
      MinimizeToTray();
      break;
    default:
      break;
  }
}

void TskSkinForm::CloseHost() {
  if (host_) host_->close();
}

// System menu ----------------------------------------------------------------

QMenu* TskSkinForm::BuildSystemMenu() {
  struct Item {
    const char* name;
    const char* key;
    const char* text;
    bool wanted;
    std::function<void()> run;
  };
  const bool normal = window_state_ == wsNormal;
  const Item items[] = {
      {"SKF_MINITEM", "MI_MINCAPTION", "Mi&nimize",
       window_state_ != wsMinimized && (border_icons_ & biMinimize),
       [this] {
         if (AlwaysMinimizeToTray) {
           MinimizeToTray();
         } else {
           SetFrameWindowState(wsMinimized);
         }
       }},
      {"SKF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize",
       window_state_ != wsMaximized && (border_icons_ & biMaximize),
       [this] { SetFrameWindowState(wsMaximized); }},
      {"SKF_RESTORE", "MI_RESTORECAPTION", "&Restore", !normal || rolled_up_,
       [this] {
         if (rolled_up_while_maximized_ || (rolled_up_ && window_state_ == wsNormal)) {
           SetRollUpState(false);
         } else {
           SetFrameWindowState(wsNormal);
         }
       }},
      {"SKF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp",
       !rolled_up_ && window_state_ != wsMinimized && (border_icons_ & biRollUp),
       [this] { SetRollUpState(true); }},
      {"SKF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray",
       (border_icons_ & biMinimizeToTray) != 0, [this] { MinimizeToTray(); }},
  };
  auto make = [this](QMenu* menu, const Item& item) {
    auto* action = new QAction(QString::fromStdString(ResString(item.key, item.text)), menu);
    action->setObjectName(QString::fromLatin1(item.name));
    QObject::connect(action, &QAction::triggered, events_.get(), item.run);
    return action;
  };
  auto closeAction = [this](QMenu* menu) {
    auto* action =
        new QAction(QString::fromStdString(ResString("MI_CLOSECAPTION", "&Close")), menu);
    action->setObjectName(QStringLiteral("SKF_CLOSE"));
    action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    QObject::connect(action, &QAction::triggered, events_.get(), [this] { CloseHost(); });
    return action;
  };
  if (SystemMenu) {
    if (!UseDefaultSysMenu) return SystemMenu;
    for (QAction* a : SystemMenu->actions()) {
      if (a->objectName().startsWith(QStringLiteral("SKF_"))) {
        SystemMenu->removeAction(a);
        delete a;
      }
    }
    // Inserted at the top in reverse, so they read from the top Minimize,
    // Restore, Maximize, Roll up, Minimize to tray.
    for (int i : {4, 3, 1, 2, 0}) {
      if (!items[i].wanted) continue;
      QAction* first = SystemMenu->actions().isEmpty() ? nullptr : SystemMenu->actions().first();
      SystemMenu->insertAction(first, make(SystemMenu, items[i]));
    }
    SystemMenu->addAction(closeAction(SystemMenu));
    return SystemMenu;
  }
  QMenu* menu = default_system_menu_.get();
  menu->clear();
  for (const Item& item : items) {
    if (item.wanted) menu->addAction(make(menu, item));
  }
  if (!menu->actions().isEmpty()) menu->addSeparator();
  menu->addAction(closeAction(menu));
  return menu;
}

namespace {

TRect ScreenRect(const QWidget* host, const TRect& r) {
  const QPoint at = host->mapToGlobal(QPoint(r.Left, r.Top));
  return r.Offset(at.x() - r.Left, at.y() - r.Top);
}

}  // namespace

void TskSkinForm::ShowSkinMenu(QMenu* menu, const TRect& screenRect, bool popupUp) {
  TskSkinMenu& engine = SkinMenu();
  engine.UseSkinFont = UseSkinFontInMenu;
  engine.DefaultItemHeight = def_menu_item_height_;
  engine.DefaultItemFont = DefMenuItemFont;
  engine.AlphaBlend = MenusAlphaBlend;
  engine.AlphaBlendValue = MenusAlphaBlendValue;
  engine.AlphaBlendAnimation = MenusAlphaBlendAnimation;
  if (MaxMenuItemsInWindow >= 0) engine.MaxMenuItemsInWindow = MaxMenuItemsInWindow;
  MenuOpened();
  engine.ShowMenu(host_, MenusSkin(), popupUp, menu, screenRect, 0);
  // Nothing opened (no visible item): the buttons holding it come up again.
  if (!engine.Visible()) MenuClosed();
}

void TskSkinForm::PopupSystemMenu(int x, int y) {
  if (!host_) return;
  ShowSkinMenu(BuildSystemMenu(), {x, y, x, y}, false);
}

void TskSkinForm::PopupSystemMenuAt(const TRect& rect) {
  if (!host_) return;
  ShowSkinMenu(BuildSystemMenu(), ScreenRect(host_, rect), false);
}

void TskSkinForm::PopupObjectMenu(QMenu* menu, const TRect& rect, bool popupUp) {
  if (!host_ || !menu) return;
  ShowSkinMenu(menu, ScreenRect(host_, rect), popupUp);
}

void TskSkinForm::CloseSkinMenus() {
  if (skin_menu_ && skin_menu_->Visible()) skin_menu_->CloseAll();
}

void TskSkinForm::MenuOpened() {
  menu_hook_->Install();
  if (!skin_menu_open_) {
    skin_menu_open_ = true;
    if (OnSkinMenuOpen) OnSkinMenuOpen();
  }
}

void TskSkinForm::MenuClosed() {
  const bool wasOpen = skin_menu_open_;
  skin_menu_open_ = false;
  for (auto& obj : objects_) {
    if (auto* a = dynamic_cast<TskSkinAnimateObject*>(obj.get()); a && a->MenuOpen) {
      a->MenuClosed();
    } else if (auto* b = dynamic_cast<TskSkinButtonObject*>(obj.get()); b && b->MenuOpen) {
      b->MenuClosed();
    }
  }
  if (menu_hook_) menu_hook_->Remove();
  if (wasOpen && OnSkinMenuClose) OnSkinMenuClose();
}

// Tray -------------------------------------------------------------------------

void TskSkinForm::SetTrayIcon(TskTrayIcon* icon) {
  if (tray_icon_) tray_icon_->RemoveFreeNotification(this);
  tray_icon_ = icon;
  if (!icon) return;
  icon->FreeNotification(this);
  icon->SetVisible(AlwaysShowInTray);
  icon->SetMinimizedToTray(false);
  if (icon->PopupMenu() == nullptr) icon->SetPopupMenu(tray_menu_.get());
  if (!icon->OnActivate) icon->OnActivate = [this] { RestoreFromTray(); };
}

void TskSkinForm::MinimizeToTray() {
  if (!tray_icon_ || !host_) return;
  tray_icon_->SetMinimizedToTray(true);
  tray_icon_->SetVisible(true);
  host_->showMinimized();
  if (OnMinimizeToTray) OnMinimizeToTray();
}

void TskSkinForm::RestoreFromTray() {
  if (!tray_icon_) return;
  tray_icon_->SetMinimizedToTray(false);
  tray_icon_->ShowApplication();
  if (host_) {
    host_->showNormal();
    host_->activateWindow();
  }
  if (!AlwaysShowInTray) tray_icon_->SetVisible(false);
  if (OnRestoreFromTray) OnRestoreFromTray();
}

// Showing and alpha -------------------------------------------------------------

void TskSkinForm::OnShow() {
  if (first_show_ && window_state_ == wsNormal && PositionInMonitor != skposDefault)
    host_->setGeometry(CentredBounds(host_->geometry()));
  first_show_ = false;
  StartFade();
  if (skinnable_) Relayout();
}

void TskSkinForm::StartFade() {
  if (!alpha_blend_ && !AlphaBlendAnimation) return;
  fade_target_ = alpha_blend_ || !AlphaBlendAnimation ? alpha_blend_value_ : 255;
  alpha_ = 0;
  host_->setWindowOpacity(0.0);
  if (AlphaBlendAnimation) {
    fade_timer_.start(kFadeInterval);
  } else {
    alpha_ = fade_target_;
    host_->setWindowOpacity(alpha_ / 255.0);
  }
}

bool TskSkinForm::FadeStep() {
  if (!host_) return false;
  alpha_ = std::min(alpha_ + kFadeStep, fade_target_);
  host_->setWindowOpacity(alpha_ / 255.0);
  return alpha_ < fade_target_;
}

void TskSkinForm::SetAlphaBlend(bool on) {
  alpha_blend_ = on;
  alpha_ = on ? alpha_blend_value_ : 255;
  if (host_) host_->setWindowOpacity(alpha_ / 255.0);
}

void TskSkinForm::SetAlphaBlendValue(int value) {
  alpha_blend_value_ = std::clamp(value, 0, 255);
  if (alpha_blend_) SetAlphaBlend(true);
}

}  // namespace lumora
