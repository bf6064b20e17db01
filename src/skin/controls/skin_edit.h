#pragma once
// TskSkinEdit: a single-line edit whose frame and text-area background come
// from an "edit" skin while QLineEdit keeps the editing, caret, selection,
// clipboard, undo and input methods and draws the text on top. It has an
// optional edit button at the right end, enforces ReadOnly, hands Enter and
// Escape to the form's default and cancel buttons, and opens its own
// skinned context menu (Undo, Cut, Copy, Paste, Delete, Select All).
//
//   | pointer | focus | look            | text colour                  |
//   |---------|-------|-----------------|------------------------------|
//   | over    | any   | activeskinrect  | activefontcolor              |
//   | away    | yes   | activeskinrect  | activefontcolor              |
//   | away    | no    | skinrect        | fontcolor                    |
//   | disabled        | skinrect        | disabledfontcolor (skinned)  |
//   |                 |                 | or the grey text colour      |

#include <QLineEdit>
#include <functional>
#include <memory>
#include <string>

#include "skin/controls/edit_geometry.h"
#include "skin/controls/skin_font.h"
#include "skin/controls/skin_geometry.h"
#include "skin/controls/skin_link.h"

namespace lumora {

class TskControlPopupMenu;
class TskDataSkinEditControl;
class TskSkinData;

class TskSkinEdit : public QLineEdit, public TskSkinChangeReceiver {
 public:
  explicit TskSkinEdit(QWidget* parent = nullptr);
  ~TskSkinEdit() override;

  TskSkinData* SkinData() const { return link_.Get(); }
  // Setting a component with a skin loaded re-skins at once.
  void SetSkinData(TskSkinData* value);
  const std::string& SkinDataName() const { return skin_data_name_; }
  void SetSkinDataName(std::string name) { skin_data_name_ = std::move(name); }
  // -1 without a data object of the name.
  int DataIndex() const { return index_; }

  // The text area's background without a skin.
  TColor DefaultColor() const { return default_color_; }
  void SetDefaultColor(TColor colour);
  // Used without a skin, or with UseSkinFont false.
  const TskFont& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const TskFont& font);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool on);
  // Forced without a skin when above 0.
  int DefaultWidth() const { return default_width_; }
  void SetDefaultWidth(int width);
  int DefaultHeight() const { return default_height_; }
  void SetDefaultHeight(int height);
  bool ButtonMode() const { return button_mode_; }
  void SetButtonMode(bool on);
  // Where the text sits in the text area.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // No typing, Delete, cut, paste, clear or undo.
  bool ReadOnly() const { return isReadOnly(); }
  void SetReadOnly(bool on) { setReadOnly(on); }

  std::function<void()> OnButtonClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;
  // Enter and Escape, before they go to the form as dialog keys.
  std::function<void(int key)> OnKeyPress;

  // In widget coordinates.
  TRect TextRect() const;
  TRect ButtonRect() const;
  bool IsHot() const { return is_hot_; }
  bool ButtonHot() const { return button_hot_; }
  bool ButtonPressed() const { return button_pressed_; }
  // The context menu open now (or last chosen from), null when none.
  const TskControlPopupMenu* SystemMenu() const { return system_menu_.get(); }

  void PrepareSkinChange() override { index_ = -1; }
  void ApplySkinChange() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Resolve();
  const TskDataSkinEditControl* EditData() const;
  bool Skinned() const { return EditData() != nullptr && frame_.Picture != nullptr; }
  TskEditRects Rects() const;
  // The height the control must have, or -1 when it is free.
  int ForcedHeight() const;
  void ApplyFont();
  void ApplyColours();
  void UpdateMargins();
  void SetHot(bool on);
  QImage FrameImage() const;
  void PaintTextBackground(QPainter& p) const;
  void PaintButton(QPainter& p) const;
  void PaintBorderedButton(QPainter& p, const TRect& button, bool down) const;
  QString Caption(const char* key, const char* fallback) const;
  void OpenSystemMenu(QPoint global);

  TskSkinLink link_;
  std::string skin_data_name_ = "edit";
  int index_ = -1;
  TskControlFrame frame_;
  TColor default_color_;
  TskFont default_font_;
  bool use_skin_font_ = true;
  int default_width_ = 0;
  int default_height_ = 0;
  bool button_mode_ = false;
  TAlignment alignment_ = taLeftJustify;
  bool is_hot_ = false;
  bool button_hot_ = false;
  bool button_pressed_ = false;
  bool applying_size_ = false;
  std::unique_ptr<TskControlPopupMenu> system_menu_;
};

}  // namespace lumora
