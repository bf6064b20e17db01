#pragma once
// TskSkinRichEdit: a plain-text box (QPlainTextEdit) without a frame or
// scroll bars of its own that drives external skinned scroll bars and is
// driven by them: the bars take range, page and position from the text
// after every change, and moving a bar scrolls the text. With SkinSupport
// the skin's "richedit" font and background colour apply.

#include <QPlainTextEdit>
#include <QPointer>
#include <string>

#include "skin/controls/skin_font.h"
#include "skin/controls/skin_link.h"
#include "skin/controls/skin_scroll_bar.h"

namespace lumora {

class TskSkinData;

class TskSkinRichEdit : public QPlainTextEdit, public TskSkinChangeReceiver {
 public:
  explicit TskSkinRichEdit(QWidget* parent = nullptr);
  ~TskSkinRichEdit() override;

  TskSkinData* SkinData() const { return link_.Get(); }
  void SetSkinData(TskSkinData* value);
  const std::string& SkinDataName() const { return skin_data_name_; }
  void SetSkinDataName(std::string name) { skin_data_name_ = std::move(name); }
  int DataIndex() const { return index_; }
  // Take font and background from the skin.
  bool SkinSupport() const { return skin_support_; }
  void SetSkinSupport(bool on);
  // Used without a skin while SkinSupport is on.
  const TskFont& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const TskFont& font);
  TColor DefaultColor() const { return default_color_; }
  void SetDefaultColor(TColor colour);

  // The bars are owned by the form. Linking one takes over its change and
  // arrow handlers and synchronises it at once.
  TskSkinScrollBar* VScrollBar() const { return vbar_.data(); }
  void SetVScrollBar(TskSkinScrollBar* bar);
  TskSkinScrollBar* HScrollBar() const { return hbar_.data(); }
  void SetHScrollBar(TskSkinScrollBar* bar);

  // Mirrors the text's scroll state into the linked bars: a bar is
  // disabled while everything fits, else it gets min, max, page and
  // position at once (max is the last line, page the lines shown).
  void SyncScrollBars();

  void PrepareSkinChange() override { index_ = -1; }
  void ApplySkinChange() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void SetColour(TColor colour);
  void SetTextFont(const TskFont& font);

  TskSkinLink link_;
  std::string skin_data_name_ = "richedit";
  int index_ = -1;
  bool skin_support_ = false;
  TskFont default_font_;
  TColor default_color_;
  QPointer<TskSkinScrollBar> vbar_;
  QPointer<TskSkinScrollBar> hbar_;
};

}  // namespace lumora
