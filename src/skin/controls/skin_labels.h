#pragma once
// The skinned text labels: TskSkinStdLabel draws its caption in the font
// and colour of the skin's "stdlabel" data object, with an optional end or
// path ellipsis; TskSkinLinkLabel is a hyperlink that changes colour under
// the pointer, shows a hand cursor and opens its URL when clicked. Both are
// transparent (the parent shows through), both size themselves to their
// text with AutoSize, and both carry their own skin link.

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "skin/controls/skin_font.h"
#include "skin/controls/skin_link.h"

namespace lumora {

class TskSkinData;
class TskDataSkinStdLabelControl;

enum TskEllipsType { sketNone, sketEndEllips, sketPathEllips };

// What the two labels share: the caption, the platform label's settings
// and the skin link.
class TskSkinCustomLabel : public QWidget, public TskSkinChangeReceiver {
 public:
  explicit TskSkinCustomLabel(QWidget* parent = nullptr);

  const QString& Caption() const { return caption_; }
  // With AutoSize the label takes the size of the new text.
  void SetCaption(const QString& caption);
  // The platform font, used when UseSkinFont is false.
  const TskFont& Font() const { return font_; }
  void SetFont(const TskFont& font);
  // Used unskinned while UseSkinFont is true; assigning does not repaint.
  const TskFont& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const TskFont& font) { default_font_ = font; }
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool on);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment alignment);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  // Without it "&x" is shown as typed.
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool on);

  TskSkinData* SkinData() const { return link_.Get(); }
  // Setting a component re-skins at once.
  void SetSkinData(TskSkinData* value);
  const std::string& SkinDataName() const { return skin_data_name_; }
  void SetSkinDataName(std::string name) { skin_data_name_ = std::move(name); }
  int DataIndex() const { return index_; }

  void PrepareSkinChange() override { index_ = -1; }
  void ApplySkinChange() override;

  std::function<void()> OnClick;

  // The size the text needs in the current font.
  QSize TextSize();
  // Resizes to the text when AutoSize is on.
  void AdjustBounds();

 protected:
  // Index and values of the data object (-1 when there is none).
  void Resolve();
  const TskDataSkinStdLabelControl* LabelData() const;
  // The font and colour the text is drawn in.
  virtual QFont TextFont() const = 0;
  virtual QColor TextColour() const = 0;
  // Extra format flags (ellipsis) of a descendant.
  virtual uint32_t ExtraFormat() const { return 0; }
  // Prepared text for a width (ellipsis).
  virtual QString ShownText(QPainter&, int) const { return caption_; }
  virtual void Click();

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

  QFont FontOf(const TskFont& font) const { return ToQFont(font); }

 private:
  uint32_t Format() const;

  QString caption_;
  TskFont font_;
  TskFont default_font_;
  bool use_skin_font_ = true;
  bool auto_size_ = true;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  bool word_wrap_ = false;
  bool show_accel_char_ = true;
  TskSkinLink link_;
  std::string skin_data_name_ = "stdlabel";
  int index_ = -1;
  bool pressed_ = false;
};

class TskSkinStdLabel : public TskSkinCustomLabel {
 public:
  explicit TskSkinStdLabel(QWidget* parent = nullptr);

  TskEllipsType EllipsType() const { return ellips_type_; }
  void SetEllipsType(TskEllipsType type);
  bool UseSkinColor() const { return use_skin_color_; }
  void SetUseSkinColor(bool on);

 protected:
  QFont TextFont() const override;
  QColor TextColour() const override;
  QString ShownText(QPainter& p, int width) const override;

 private:
  TskEllipsType ellips_type_ = sketNone;
  bool use_skin_color_ = true;
};

class TskSkinLinkLabel : public TskSkinCustomLabel {
 public:
  explicit TskSkinLinkLabel(QWidget* parent = nullptr);

  // Opened when clicked, if it is an http, https or mailto address.
  const std::string& URL() const { return url_; }
  void SetURL(std::string url) { url_ = std::move(url); }
  bool UseUnderLine() const { return use_under_line_; }
  void SetUseUnderLine(bool on);
  TColor DefaultActiveFontColor() const { return default_active_font_color_; }
  void SetDefaultActiveFontColor(TColor colour) { default_active_font_color_ = colour; }
  bool IsHot() const { return is_hot_; }

  // Whether a click would hand this address to the desktop.
  static bool OpensAddress(const std::string& url);

 protected:
  QFont TextFont() const override;
  QColor TextColour() const override;
  void Click() override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::string url_;
  bool use_under_line_ = true;
  TColor default_active_font_color_ = 0xFF0000;  // blue
  bool is_hot_ = false;
};

}  // namespace lumora
