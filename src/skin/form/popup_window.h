#pragma once
// TskSkinPopupWindow: one open level of a skinned popup menu, a frameless
// top-most window that never takes the focus. It builds its geometry from
// the skin, paints into an off-screen image blitted once, follows the
// mouse, scrolls, morphs its items and answers the keys the engine passes.
//
// Item state by input (highlighted = active or submenu open):
//   mouse enters item i   i active, old un-highlighted, deeper levels close,
//                         a submenu item starts the 500 ms wait
//   mouse on preselected  the preselection is confirmed (wait starts)
//   left button released  an active selectable item is chosen
//   Down / Up             next selectable item highlighted and preselected
//   Right / Enter         a submenu opens / the active item is chosen
//   Left / Escape         the deepest level closes (Escape at the top: all)

#include <QBasicTimer>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "skin/data/skin_objects.h"
#include "skin/data/skin_window_data.h"
#include "skin/form/menu_item_painter.h"
#include "skin/form/popup_menu_layout.h"
#include "skin/form/skin_menu_item.h"

namespace lumora {

class TskSkinMenu;

class TskSkinPopupWindow : public QWidget {
 public:
  TskSkinPopupWindow(TskSkinMenu& engine, QMenu* menu, int startIndex);
  ~TskSkinPopupWindow() override;

  // Builds the level and shows it at the anchor (screen coordinates).
  void ShowAt(const TRect& anchor, TskMenuDirection direction);

  QMenu* Menu() const { return menu_; }
  const std::vector<TskSkinMenuItem>& Items() const { return items_; }
  const TskMenuLevelGeometry& Geometry() const { return geometry_; }
  const TskMenuItemsPlacement& Placement() const { return placement_; }
  bool Skinned() const { return popup_data_ != nullptr; }
  int ActiveIndex() const { return active_; }
  int ScrollMarker() const { return marker_; }
  // The level as painted (window coordinates).
  const QImage& Canvas() const { return canvas_; }
  // The screen rectangle of an item.
  TRect ItemScreenRect(int index) const;

  // Keyboard (the engine passes keys to the deepest level).
  void HandleKey(int key, const QString& text);
  // Mouse handling at a point in window coordinates.
  void MouseMovedTo(TPoint p);
  void MouseLeft();
  void LeftButtonReleasedAt(TPoint p);
  // Clears the submenu-open mark of every item.
  void SubmenuClosed();
  void SetItemSubmenuOpen(int index);
  // Stops the timers; the level is about to be freed.
  void Shutdown();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void Build();
  void TakeSkin();
  TskMenuItemFace FaceOf(const TskSkinMenuItem& item) const;
  TskMenuItemStyle Style() const;
  void Render();
  void RenderItem(int index);
  QImage ItemImage(int index) const;
  void RenderMarkers();
  void Relayout(int firstVisible);
  void SetActive(int index, bool preselect);
  void Highlight(int index, bool on);
  void KeyMove(bool down);
  void ScrollStep();
  bool CanScroll(int marker) const;
  bool Morphs() const;
  bool Animates() const;
  void AnimationStep();
  void Preselect();

  TskSkinMenu& engine_;
  QPointer<QMenu> menu_;
  int start_index_;
  // Skin parts of this level; null for the default look.
  const TskDataSkinPopupWindow* popup_data_ = nullptr;
  const QImage* window_picture_ = nullptr;
  const QImage* mask_picture_ = nullptr;
  const TskDataSkinMenuItem* item_data_ = nullptr;
  const QImage* item_picture_ = nullptr;
  const TskDataSkinLabelControl* header_ = nullptr;
  const QImage* header_picture_ = nullptr;
  QFont font_;

  std::vector<TskSkinMenuItem> items_;
  TskMenuLevelGeometry geometry_;
  TskMenuItemsPlacement placement_;
  int active_ = -1;
  int marker_ = 0;  // 0 none, 1 top, 2 bottom
  QImage background_;
  QImage canvas_;
  QBasicTimer scroll_timer_;
  QBasicTimer morph_timer_;
  QBasicTimer animation_timer_;
};

}  // namespace lumora
