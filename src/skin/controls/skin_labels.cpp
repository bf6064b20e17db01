#include "skin/controls/skin_labels.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QUrl>

#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/skin_text.h"

namespace lumora {

namespace {

// The platform label's own font before anything is set.
const TskFont kLabelFont{"MS Sans Serif", -11, 0, SystemColour(8)};

}  // namespace

// ---- TskSkinCustomLabel ----

TskSkinCustomLabel::TskSkinCustomLabel(QWidget* parent)
    : QWidget(parent), font_(kLabelFont), default_font_(kLabelFont), link_([this] { update(); }) {
  resize(65, 17);
}

void TskSkinCustomLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  AdjustBounds();
  update();
}

void TskSkinCustomLabel::SetFont(const TskFont& font) {
  font_ = font;
  AdjustBounds();
  update();
}

void TskSkinCustomLabel::SetUseSkinFont(bool on) {
  use_skin_font_ = on;
  AdjustBounds();
  update();
}

void TskSkinCustomLabel::SetAutoSize(bool on) {
  auto_size_ = on;
  AdjustBounds();
}

void TskSkinCustomLabel::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

void TskSkinCustomLabel::SetWordWrap(bool on) {
  word_wrap_ = on;
  AdjustBounds();
  update();
}

void TskSkinCustomLabel::SetShowAccelChar(bool on) {
  show_accel_char_ = on;
  AdjustBounds();
  update();
}

void TskSkinCustomLabel::SetSkinData(TskSkinData* value) {
  link_.Set(value);
  if (value != nullptr) ApplySkinChange();
}

void TskSkinCustomLabel::Resolve() {
  index_ = link_.HasSkin() ? SkinData()->ControlIndexOf(skin_data_name_) : -1;
}

const TskDataSkinStdLabelControl* TskSkinCustomLabel::LabelData() const {
  if (index_ < 0 || SkinData() == nullptr) return nullptr;
  return dynamic_cast<const TskDataSkinStdLabelControl*>(SkinData()->Control(index_));
}

void TskSkinCustomLabel::ApplySkinChange() {
  Resolve();
  AdjustBounds();
  update();
}

uint32_t TskSkinCustomLabel::Format() const {
  uint32_t format = ExtraFormat();
  if (alignment_ & Qt::AlignHCenter) format |= dtCenter;
  if (alignment_ & Qt::AlignRight) format |= dtRight;
  format |= word_wrap_ ? dtWordBreak : dtSingleLine;
  if (!show_accel_char_) format |= dtNoPrefix;
  return format;
}

QSize TskSkinCustomLabel::TextSize() {
  Resolve();
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter p(&scratch);
  p.setFont(TextFont());
  QString text = caption_;
  // An empty text (or a lone accelerator mark) still measures one line.
  if (text.isEmpty() || (show_accel_char_ && text == QStringLiteral("&")))
    text = QStringLiteral(" ");
  TRect r{0, 0, word_wrap_ ? width() : 0x7FFF, 0x7FFF};
  DrawSkinText(p, text, r, (Format() & ~uint32_t(dtCenter | dtRight)) | dtCalcRect);
  return {r.Width(), r.Height()};
}

void TskSkinCustomLabel::AdjustBounds() {
  if (!auto_size_) return;
  const QSize size = TextSize();
  if (word_wrap_)
    resize(width(), size.height());
  else
    resize(size);
}

void TskSkinCustomLabel::paintEvent(QPaintEvent*) {
  Resolve();
  QPainter p(this);
  p.setFont(TextFont());
  const QString text = ShownText(p, width());
  TRect r{0, 0, width(), height()};
  if (isEnabled()) {
    p.setPen(TextColour());
    DrawSkinText(p, text, r, Format());
    return;
  }
  // Embossed: a highlight copy one pixel down-right under a shadow copy.
  TColor light = SystemColour(scBtnHighlight), dark = SystemColour(scBtnShadow);
  if (LabelData() != nullptr) {
    light = SkinData()->SkinColors().cBtnHighLight;
    dark = SkinData()->SkinColors().cBtnShadow;
  }
  TRect shifted = r.Offset(1, 1);
  p.setPen(ToQColor(light));
  DrawSkinText(p, text, shifted, Format());
  p.setPen(ToQColor(dark));
  DrawSkinText(p, text, r, Format());
}

void TskSkinCustomLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QWidget::mousePressEvent(event);
}

void TskSkinCustomLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QPointer<TskSkinCustomLabel> guard(this);
  if (click) Click();
  if (guard) QWidget::mouseReleaseEvent(event);
}

void TskSkinCustomLabel::Click() {
  if (OnClick) OnClick();
}

void TskSkinCustomLabel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) update();
}

// ---- TskSkinStdLabel ----

TskSkinStdLabel::TskSkinStdLabel(QWidget* parent) : TskSkinCustomLabel(parent) {}

void TskSkinStdLabel::SetEllipsType(TskEllipsType type) {
  if (type == ellips_type_) return;
  ellips_type_ = type;
  update();
}

void TskSkinStdLabel::SetUseSkinColor(bool on) {
  use_skin_color_ = on;
  update();
}

QFont TskSkinStdLabel::TextFont() const {
  const auto* data = LabelData();
  if (data == nullptr) return FontOf(UseSkinFont() ? DefaultFont() : Font());
  if (UseSkinFont()) return SkinFontOf(*data);
  return FontOf(Font());
}

QColor TskSkinStdLabel::TextColour() const {
  const auto* data = LabelData();
  if (data == nullptr) return ToQColor((UseSkinFont() ? DefaultFont() : Font()).Color);
  return ToQColor(use_skin_color_ ? data->FontColor : Font().Color);
}

QString TskSkinStdLabel::ShownText(QPainter& p, int width) const {
  QString text = Caption();
  if (ellips_type_ == sketEndEllips && !WordWrap()) EllipsizeText(p, text, width);
  if (ellips_type_ == sketPathEllips)
    text = p.fontMetrics().elidedText(text, Qt::ElideMiddle, width);
  return text;
}

// ---- TskSkinLinkLabel ----

TskSkinLinkLabel::TskSkinLinkLabel(QWidget* parent) : TskSkinCustomLabel(parent) {
  const TskFont font{"Arial", 14, fsUnderline, SystemColour(8)};
  SetDefaultFont(font);
  SetFont(font);
  setCursor(Qt::PointingHandCursor);
}

void TskSkinLinkLabel::SetUseUnderLine(bool on) {
  if (on == use_under_line_) return;
  use_under_line_ = on;
  update();
}

QFont TskSkinLinkLabel::TextFont() const {
  const auto* data = LabelData();
  QFont font;
  if (data != nullptr && UseSkinFont())
    font = SkinFontOf(*data);
  else
    font = FontOf(data == nullptr && UseSkinFont() ? DefaultFont() : Font());
  font.setUnderline(use_under_line_);
  return font;
}

QColor TskSkinLinkLabel::TextColour() const {
  const auto* data = LabelData();
  if (data == nullptr) {
    if (is_hot_) return ToQColor(default_active_font_color_);
    return ToQColor((UseSkinFont() ? DefaultFont() : Font()).Color);
  }
  return ToQColor(is_hot_ ? data->ActiveFontColor : data->FontColor);
}

bool TskSkinLinkLabel::OpensAddress(const std::string& url) {
  const QUrl u(QString::fromStdString(url));
  const QString scheme = u.scheme().toLower();
  return u.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                         scheme == QLatin1String("mailto"));
}

void TskSkinLinkLabel::Click() {
  const std::string url = url_;
  TskSkinCustomLabel::Click();
  // Anything but a web or mail address is left alone: a file or program
  // address handed to the desktop would run something.
  if (!url.empty() && OpensAddress(url))
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void TskSkinLinkLabel::enterEvent(QEnterEvent* event) {
  TskSkinCustomLabel::enterEvent(event);
  is_hot_ = true;
  update();
}

void TskSkinLinkLabel::leaveEvent(QEvent* event) {
  TskSkinCustomLabel::leaveEvent(event);
  is_hot_ = false;
  update();
}

}  // namespace lumora
