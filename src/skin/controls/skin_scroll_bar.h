#pragma once
// TskSkinScrollBar: a skinned scroll bar with two arrows, a track and a
// proportional thumb, drawn from a "vscrollbar"/"hscrollbar" skin or in a
// plain 3-D look. It repeats arrow and track presses, drags the thumb,
// answers arrow keys and the wheel when focusable, and reports changes
// through its events. Geometry lives in scroll_bar_geometry.h.
//
// Left button:
//   | pressed on        | at once                      | repeat (500 ms, then 50 ms)        |
//   |-------------------|------------------------------|------------------------------------|
//   | increasing arrow  | OnUpButtonClick or +Small    | the same; paused off the arrow     |
//   | decreasing arrow  | OnDownButtonClick or -Small  | the same; paused off the arrow     |
//   | track before thumb| -Large, OnPageUp             | until the thumb reaches the pointer|
//   | track past thumb  | +Large, OnPageDown           | until the thumb reaches the pointer|
//   | thumb             | drag starts                  | position follows; release fires    |
//   |                   |                              | OnLastChange                       |

#include <QTimer>
#include <functional>
#include <string>

#include "skin/controls/scroll_bar_geometry.h"
#include "skin/controls/skin_control.h"

namespace lumora {

enum TScrollBarKind { sbHorizontal, sbVertical };

class TskSkinScrollBar : public TskSkinCustomControl {
 public:
  static constexpr int kFirstRepeatDelay = 500;  // ms
  static constexpr int kRepeatInterval = 50;     // ms

  explicit TskSkinScrollBar(QWidget* parent = nullptr);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return values_.Min; }
  void SetMin(int min);
  int Max() const { return values_.Max; }
  void SetMax(int max);
  int Position() const { return values_.Position; }
  // Clamped to the range; fires OnChange when the position moves.
  void SetPosition(int position);
  int PageSize() const { return values_.PageSize; }
  // Ignored when the page would not fit with the current position.
  void SetPageSize(int page);
  // Everything at once, without OnChange.
  void SetRangeAll(int min, int max, int page, int position);
  const TskScrollValues& Values() const { return values_; }
  int SmallChange() const { return small_change_; }
  void SetSmallChange(int step);
  int LargeChange() const { return large_change_; }
  void SetLargeChange(int step);
  bool CanFocused() const { return can_focused_; }
  // Also the tab stop.
  void SetCanFocused(bool on);
  bool Both() const { return both_; }
  // Switches to BothSkinDataName and back.
  void SetBoth(bool on);
  int BothMarkerWidth() const { return both_marker_width_; }
  void SetBothMarkerWidth(int width);  // negative values ignored
  const std::string& BothSkinDataName() const { return both_skin_data_name_; }
  void SetBothSkinDataName(std::string name) { both_skin_data_name_ = std::move(name); }

  std::function<void()> OnChange;
  std::function<void()> OnLastChange;
  // When set, they replace the arrows' own steps.
  std::function<void()> OnUpButtonClick;
  std::function<void()> OnDownButtonClick;
  std::function<void()> OnPageUp;
  std::function<void()> OnPageDown;

  // The parts at the current size and range.
  TskScrollParts Parts() const;
  TskScrollPart HotPart() const { return hot_part_; }
  TskScrollPart CapturedPart() const { return captured_part_; }
  bool Dragging() const { return dragging_; }
  bool Repeating() const { return repeat_timer_.isActive(); }

  void ResolveSkinData() override;

 protected:
  void DrawDefaultImage(QImage& bitmap) override;
  void DrawSkinImage(QImage& bitmap) override;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The numbers of the repeat actions.
  enum TRepeatAction { raNone = 0, raLineDec = 1, raLineInc = 2, raPageDec = 3, raPageInc = 4 };

  bool Vertical() const { return kind_ == sbVertical; }
  bool Skinned() const { return has_looks_ && DataIndex() != -1; }
  int Along(TPoint p) const { return Vertical() ? p.y : p.x; }
  void Step(TRepeatAction action);
  void RepeatTick();
  void StartRepeat(int interval);
  void SetHotPart(TskScrollPart part);
  void Release();
  void PaintThumbSkinned(QImage& bitmap, const TskScrollParts& parts);

  TScrollBarKind kind_ = sbHorizontal;
  TskScrollValues values_;
  int small_change_ = 1;
  int large_change_ = 1;
  bool can_focused_ = false;
  bool both_ = false;
  int both_marker_width_ = 19;
  std::string both_skin_data_name_ = "bothhscrollbar";
  std::string saved_skin_data_name_;

  TskScrollBarLooks looks_;
  bool has_looks_ = false;

  TskScrollPart hot_part_ = spNone;
  TskScrollPart captured_part_ = spNone;
  bool dragging_ = false;
  int drag_origin_ = 0;
  int drag_offset_ = 0;
  TPoint last_pointer_{-1, -1};
  bool mouse_held_ = false;
  bool first_tick_ = false;
  TRepeatAction repeat_action_ = raNone;
  QTimer repeat_timer_;
};

}  // namespace lumora
