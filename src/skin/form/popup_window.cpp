#include "skin/form/popup_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/skin_text.h"
#include "skin/form/menu_owner_draw.h"
#include "skin/form/menu_window_painter.h"
#include "skin/form/skin_menu.h"

namespace lumora {

namespace {

constexpr int kScrollInterval = 100;  // ms per item
constexpr int kMorphInterval = 20;    // ms per morph step
constexpr double kMorphStep = 0.2;
// The fade-in raises the alpha by this much whenever this many ms passed.
constexpr int kFadeStep = 10;
constexpr int kFadeIntervalMs = 5;

// The character after a single "&", lower-cased; null when there is none.
QChar AcceleratorOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
    ++i;
  }
  return QChar();
}

bool IsSeparatorAction(const QAction* action) {
  return action && (action->isSeparator() || action->text() == QLatin1String("-"));
}

}  // namespace

bool TskSkinMenuItem::HasSubmenu() const {
  return action && action->menu() != nullptr;
}

TskSkinPopupWindow::TskSkinPopupWindow(TskSkinMenu& engine, QMenu* menu, int startIndex)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      engine_(engine),
      menu_(menu),
      start_index_(startIndex) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
}

TskSkinPopupWindow::~TskSkinPopupWindow() = default;

void TskSkinPopupWindow::Shutdown() {
  scroll_timer_.stop();
  morph_timer_.stop();
  animation_timer_.stop();
}

void TskSkinPopupWindow::TakeSkin() {
  TskSkinData* skin = engine_.SkinData();
  if (skin == nullptr || skin->Empty()) return;
  const TskDataSkinPopupWindow& data = skin->PopupWindow();
  const QImage* picture = skin->ActivePicture(data.WindowPictureIndex);
  const TskDataSkinMenuItem* item = nullptr;
  for (const auto& object : skin->Objects()) {
    item = dynamic_cast<const TskDataSkinMenuItem*>(object.get());
    if (item) break;
  }
  if (picture == nullptr || picture->isNull() || item == nullptr) return;
  popup_data_ = &data;
  window_picture_ = picture;
  mask_picture_ = skin->ActivePicture(data.MaskPictureIndex);
  item_data_ = item;
  item_picture_ = skin->ActivePicture(item->ActivePictureIndex);
  for (const char* name : {"menuheader", "label"}) {
    header_ =
        dynamic_cast<const TskDataSkinLabelControl*>(skin->Control(skin->ControlIndexOf(name)));
    if (header_) break;
  }
  if (header_) header_picture_ = skin->ActivePicture(header_->PictureIndex);
}

void TskSkinPopupWindow::Build() {
  TakeSkin();
  font_ = item_data_ && engine_.UseSkinFont
              ? SkinFont(item_data_->FontName, item_data_->FontHeight, item_data_->FontStyle)
              : engine_.DefaultItemFont;

  items_.clear();
  const QList<QAction*> actions = menu_ ? menu_->actions() : QList<QAction*>();
  for (qsizetype i = std::max(start_index_, 0); i < actions.size(); ++i) {
    if (!actions[i]->isVisible()) continue;
    TskSkinMenuItem item;
    item.action = actions[i];
    items_.push_back(item);
  }

  TskMenuLook look;
  if (Skinned()) {
    look.skinned = true;
    look.pictureWidth = window_picture_->width();
    look.pictureHeight = window_picture_->height();
    look.itemsRect = popup_data_->ItemsRect;
    look.lt = popup_data_->LTPoint;
    look.rt = popup_data_->RTPoint;
    look.lb = popup_data_->LBPoint;
    look.rb = popup_data_->RBPoint;
    look.textLeft = item_data_->TextRect.Left;
    look.textRightMargin = item_data_->SkinRect.Width() - item_data_->TextRect.Right;
    look.itemHeight = item_data_->SkinRect.Height();
    look.separatorHeight = item_data_->DividerRect.Height();
  } else {
    look.itemHeight = engine_.DefaultItemHeight;
  }

  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter measure(&scratch);
  measure.setFont(font_);
  std::vector<TskMenuItemMetrics> metrics;
  for (const TskSkinMenuItem& item : items_) {
    TskMenuItemMetrics m;
    m.separator = IsSeparatorAction(item.action);
    if (!m.separator) {
      const TskMenuItemFace face = FaceOf(item);
      QString text = face.caption;
      if (!face.shortCut.isEmpty()) text += QStringLiteral("  ") + face.shortCut;
      m.textWidth = MeasureTextWidth(measure, text);
    }
    metrics.push_back(m);
  }
  measure.end();

  geometry_ = BuildMenuLevel(look, metrics, 0, std::max(engine_.MaxMenuItemsInWindow, 0),
                             engine_.WorkArea().Height());
  Relayout(0);
  background_ = PaintMenuWindowFrame(geometry_, Skinned() ? *popup_data_ : TskDataSkinPopupWindow(),
                                     window_picture_, 0);
  if (Skinned()) {
    if (auto region = MenuWindowRegion(geometry_, *popup_data_, window_picture_, mask_picture_))
      setMask(*region);
  }
  resize(geometry_.width, geometry_.height);
  Render();
}

void TskSkinPopupWindow::ShowAt(const TRect& anchor, TskMenuDirection direction) {
  const bool fade = engine_.AlphaBlend && engine_.AlphaBlendAnimation && engine_.FirstPopup();
  if (fade) QCoreApplication::processEvents();
  Build();
  const TskMenuPlacement place =
      PlaceMenuLevel(anchor, geometry_.width, geometry_.height, geometry_.itemsRect.Top,
                     engine_.WorkArea(), direction, geometry_.ScrollsForWorkArea());
  move(place.pos.x, place.pos.y);
  const int alpha = std::clamp(engine_.AlphaBlendValue, 0, 255);
  if (engine_.AlphaBlend) setWindowOpacity(fade ? 0.0 : alpha / 255.0);
  show();
  if (fade) {
    QElapsedTimer clock;
    clock.start();
    for (int a = 0; a < alpha;) {
      if (clock.elapsed() > kFadeIntervalMs) {
        a = std::min(a + kFadeStep, alpha);
        setWindowOpacity(a / 255.0);
        clock.restart();
      }
    }
  }
  Preselect();
}

void TskSkinPopupWindow::Preselect() {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (items_[i].Selectable() && !IsSeparatorAction(items_[i].action)) {
      SetActive(i, true);
      return;
    }
  }
}

TskMenuItemFace TskSkinPopupWindow::FaceOf(const TskSkinMenuItem& item) const {
  TskMenuItemFace face;
  const QAction* action = item.action;
  if (action == nullptr) return face;
  face.caption = IsSeparatorAction(action) ? QStringLiteral("-") : action->text();
  face.shortCut = action->shortcut().toString(QKeySequence::NativeText);
  face.enabled = action->isEnabled();
  face.checked = action->isCheckable() && action->isChecked();
  face.radio = action->actionGroup() && action->actionGroup()->isExclusive();
  face.hasSubmenu = action->menu() != nullptr;
  if (!action->icon().isNull()) face.image = action->icon().pixmap(16, 16).toImage();
  face.frameGlyph = FrameGlyphForItem(action->objectName());
  face.ownerDraw = MenuItemOwnerDraw(action);
  return face;
}

TskMenuItemStyle TskSkinPopupWindow::Style() const {
  TskMenuItemStyle style;
  style.skin = item_data_;
  style.picture = item_picture_;
  style.font = font_;
  style.glyphWidth = geometry_.glyphWidth;
  style.windowBackground = &background_;
  style.header = header_;
  style.headerPicture = header_picture_;
  return style;
}

QImage TskSkinPopupWindow::ItemImage(int index) const {
  const TskSkinMenuItem& item = items_[index];
  TskMenuItemStyle style = Style();
  style.itemOffset = {item.rect.Left, item.rect.Top};
  const TskMenuItemFace face = FaceOf(item);
  const int w = item.rect.Width(), h = item.rect.Height();
  const bool highlighted = item.Highlighted() && item.Selectable();
  if (item.frame > 0) return PaintMenuItem(style, face, w, h, true, item.frame);
  if (!Morphs() || item.morph <= 0 || item.morph >= 1 || face.IsSeparator())
    return PaintMenuItem(style, face, w, h, highlighted);
  TskEffectBmp normal(PaintMenuItem(style, face, w, h, false));
  const TskEffectBmp lit(PaintMenuItem(style, face, w, h, true));
  normal.Morph(item_data_->MorphKind, lit, item.morph);
  return normal.Image();
}

bool TskSkinPopupWindow::Animates() const {
  return item_data_ && !item_data_->AnimateSkinRect.IsEmpty() && item_data_->FrameCount > 0 &&
         engine_.SkinData() && engine_.SkinData()->SkinEffectsActive();
}

void TskSkinPopupWindow::AnimationStep() {
  bool moving = false;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    TskSkinMenuItem& item = items_[i];
    int next = item.frame;
    if (item.Highlighted()) {
      next = std::min(item.frame + 1, item_data_->FrameCount);
    } else if (item.frame > 0) {
      next = item_data_->InActiveAnimation ? item.frame - 1 : 0;
    }
    if (next == item.frame) continue;
    item.frame = next;
    RenderItem(i);
    moving = true;
  }
  if (!moving) animation_timer_.stop();
}

bool TskSkinPopupWindow::Morphs() const {
  return item_data_ && item_data_->Morphing && engine_.SkinData() &&
         engine_.SkinData()->SkinEffectsActive();
}

void TskSkinPopupWindow::Relayout(int firstVisible) {
  placement_ = LayoutMenuItems(geometry_, firstVisible);
  for (size_t i = 0; i < items_.size(); ++i) {
    items_[i].rect = placement_.rects[i];
    items_[i].visible = !geometry_.scroll || placement_.IsVisible(static_cast<int>(i));
  }
}

void TskSkinPopupWindow::Render() {
  canvas_ = background_.copy();
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (items_[i].visible) RenderItem(i);
  RenderMarkers();
  update();
}

void TskSkinPopupWindow::RenderItem(int index) {
  const TskSkinMenuItem& item = items_[index];
  if (!item.visible || item.rect.IsEmpty() || canvas_.isNull()) return;
  QPainter p(&canvas_);
  p.drawImage(QPoint(item.rect.Left, item.rect.Top), ItemImage(index));
  update(ToQRect(item.rect));
}

void TskSkinPopupWindow::RenderMarkers() {
  if (!geometry_.scroll || canvas_.isNull()) return;
  const TskScrollMarkers markers = ScrollMarkerRects(geometry_, Skinned());
  QPainter p(&canvas_);
  auto background = [&](const TRect& r) {
    if (r.IsEmpty()) return;
    if (Skinned() && item_picture_) {
      QImage look;
      DrawThreePartHorz(*item_picture_, item_data_->SkinRect, item_data_->ItemLeftOffset,
                        item_data_->ItemRightOffset, item_data_->InActiveStretchEffect, r.Width(),
                        look);
      if (!look.isNull())
        p.drawImage(QPoint(r.Left, r.Top), look, QRect(0, 0, r.Width(), r.Height()));
    } else {
      p.drawImage(QPoint(r.Left, r.Top), background_, ToQRect(r));
    }
  };
  background(markers.top);
  background(markers.bottom);
  // The gap between the last visible item and the bottom marker.
  if (placement_.visibleCount > 0 && Skinned()) {
    const int gapTop = items_[placement_.LastVisible()].rect.Bottom;
    background({geometry_.itemsRect.Left, gapTop, geometry_.itemsRect.Right, markers.bottom.Top});
  }
  DrawScrollMarkerArrow(p, markers.top, true, ScrollMarkerColour(popup_data_, marker_ == 1));
  DrawScrollMarkerArrow(p, markers.bottom, false, ScrollMarkerColour(popup_data_, marker_ == 2));
  update();
}

TRect TskSkinPopupWindow::ItemScreenRect(int index) const {
  const TRect& r = items_[index].rect;
  const QPoint origin = mapToGlobal(QPoint(r.Left, r.Top));
  return Bounds(origin.x(), origin.y(), r.Width(), r.Height());
}

void TskSkinPopupWindow::Highlight(int index, bool on) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  TskSkinMenuItem& item = items_[index];
  if (!item.Selectable()) return;
  item.active = on;
  if (Animates()) {
    if (on && item.frame == 0) item.frame = 1;
    if (!on && !item_data_->InActiveAnimation) item.frame = 0;
    if (!animation_timer_.isActive())
      animation_timer_.start(std::max(item_data_->AnimateInterval, 1), this);
  } else if (Morphs()) {
    if (!morph_timer_.isActive()) morph_timer_.start(kMorphInterval, this);
  } else {
    item.morph = on ? 1 : 0;
  }
  RenderItem(index);
}

void TskSkinPopupWindow::SetActive(int index, bool preselect) {
  if (active_ >= 0 && active_ < static_cast<int>(items_.size())) {
    items_[active_].preselected = false;
    if (active_ != index) Highlight(active_, false);
  }
  active_ = index;
  if (index < 0) return;
  items_[index].preselected = preselect;
  Highlight(index, true);
}

void TskSkinPopupWindow::SubmenuClosed() {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (!items_[i].submenuOpen) continue;
    items_[i].submenuOpen = false;
    RenderItem(i);
  }
}

void TskSkinPopupWindow::SetItemSubmenuOpen(int index) {
  items_[index].submenuOpen = true;
  RenderItem(index);
}

bool TskSkinPopupWindow::CanScroll(int marker) const {
  if (!geometry_.scroll) return false;
  if (marker == 1) return placement_.firstVisible > 0;
  if (marker == 2) return placement_.LastVisible() < static_cast<int>(items_.size()) - 1;
  return false;
}

void TskSkinPopupWindow::ScrollStep() {
  if (!CanScroll(marker_)) {
    scroll_timer_.stop();
    return;
  }
  Relayout(placement_.firstVisible + (marker_ == 1 ? -1 : 1));
  Render();
  if (!CanScroll(marker_)) scroll_timer_.stop();
}

void TskSkinPopupWindow::MouseMovedTo(TPoint p) {
  const int level = engine_.LevelOf(this);
  if (geometry_.scroll) {
    const TskScrollMarkers markers = ScrollMarkerRects(geometry_, Skinned());
    const int over = markers.top.Contains(p) ? 1 : markers.bottom.Contains(p) ? 2 : 0;
    if (over != 0 && CanScroll(over)) {
      if (marker_ != over) {
        marker_ = over;
        engine_.CloseFrom(level + 1);
        scroll_timer_.start(kScrollInterval, this);
        RenderMarkers();
      }
      return;
    }
    if (marker_ != 0) {
      marker_ = 0;
      scroll_timer_.stop();
      RenderMarkers();
    }
    if (over != 0) return;
  }
  int found = -1;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (items_[i].visible && items_[i].rect.Contains(p)) {
      found = i;
      break;
    }
  }
  if (found < 0) return;
  if (found == active_) {
    TskSkinMenuItem& item = items_[found];
    if (item.preselected) {
      item.preselected = false;
      if (item.HasSubmenu() && item.Selectable()) engine_.StartSubmenuWait(this, found);
    }
    return;
  }
  if (active_ >= 0) engine_.StopSubmenuWait(this, active_);
  engine_.CloseFrom(level + 1);
  SetActive(found, false);
  if (items_[found].HasSubmenu() && items_[found].Selectable())
    engine_.StartSubmenuWait(this, found);
}

void TskSkinPopupWindow::MouseLeft() {
  if (!geometry_.scroll || marker_ == 0) return;
  marker_ = 0;
  scroll_timer_.stop();
  RenderMarkers();
}

void TskSkinPopupWindow::LeftButtonReleasedAt(TPoint p) {
  MouseMovedTo(p);
  if (active_ < 0) return;
  const TskSkinMenuItem& item = items_[active_];
  if (item.visible && item.rect.Contains(p) && item.Selectable() && !item.submenuOpen)
    engine_.ChooseItem(this, active_);
}

void TskSkinPopupWindow::KeyMove(bool down) {
  std::vector<bool> selectable;
  for (const TskSkinMenuItem& item : items_) selectable.push_back(item.Selectable());
  const int last = static_cast<int>(items_.size()) - 1;
  const int found = NextSelectableItem(selectable, active_, down);
  if (found < 0) return;
  if (geometry_.scroll) {
    const int area = ScrollAreaHeight(geometry_);
    int first = placement_.firstVisible;
    const bool wrapped = down ? (active_ < 0 || active_ >= last) : (active_ <= 0);
    if (wrapped) first = down ? 0 : FirstVisibleOfLastPage(geometry_.itemHeights, area);
    first = FirstVisibleShowing(geometry_.itemHeights, area, first,
                                wrapped ? 0 : placement_.visibleCount, found);
    if (first != placement_.firstVisible) {
      Relayout(first);
      SetActive(found, true);
      Render();
      return;
    }
  }
  SetActive(found, true);
}

void TskSkinPopupWindow::HandleKey(int key, const QString& text) {
  const int count = static_cast<int>(items_.size());
  if (!text.isEmpty() && text[0].isPrint()) {
    const QChar typed = text[0].toLower();
    for (int i = 0; i < count; ++i) {
      if (!items_[i].Selectable() || AcceleratorOf(items_[i].action->text()) != typed) continue;
      SetActive(i, false);
      engine_.ChooseItem(this, i);
      return;
    }
  }
  const bool activeValid = active_ >= 0 && active_ < count;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (activeValid && items_[active_].Selectable()) engine_.ChooseItem(this, active_);
      break;
    case Qt::Key_Down:
    case Qt::Key_Up:
      KeyMove(key == Qt::Key_Down);
      break;
    case Qt::Key_Right:
      if (activeValid && items_[active_].HasSubmenu() && items_[active_].Selectable())
        engine_.ChooseItem(this, active_);
      break;
    case Qt::Key_Left:
      if (engine_.LevelCount() >= 2) engine_.CloseFrom(engine_.LevelCount() - 1);
      break;
    case Qt::Key_Escape:
      engine_.CloseFrom(engine_.LevelCount() >= 2 ? engine_.LevelCount() - 1 : 0);
      break;
    default:
      break;
  }
}

void TskSkinPopupWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, canvas_);
}

void TskSkinPopupWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  MouseMovedTo({at.x(), at.y()});
}

void TskSkinPopupWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  LeftButtonReleasedAt({at.x(), at.y()});
}

void TskSkinPopupWindow::leaveEvent(QEvent*) {
  MouseLeft();
}

void TskSkinPopupWindow::timerEvent(QTimerEvent* event) {
  if (event->timerId() == scroll_timer_.timerId()) {
    ScrollStep();
  } else if (event->timerId() == animation_timer_.timerId()) {
    AnimationStep();
  } else if (event->timerId() == morph_timer_.timerId()) {
    bool moving = false;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      TskSkinMenuItem& item = items_[i];
      const double target = item.Highlighted() ? 1 : 0;
      if (item.morph == target) continue;
      item.morph = target > item.morph ? std::min(1.0, item.morph + kMorphStep)
                                       : std::max(0.0, item.morph - kMorphStep);
      RenderItem(i);
      moving = moving || item.morph != target;
    }
    if (!moving) morph_timer_.stop();
  }
}

}  // namespace lumora
