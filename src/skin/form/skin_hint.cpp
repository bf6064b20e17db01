#include "skin/form/skin_hint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QPainter>
#include <QVariant>
#include <algorithm>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/screen_routines.h"
#include "skin/draw/skin_text.h"
#include "skin/form/flat_paint.h"
#include "skin/form/menu_window_painter.h"

namespace lumora {

namespace {

// How far below the hot spot the pointer reaches; X cursors are 24 pixels.
constexpr int kCursorHeightBelowHotSpot = 24;
constexpr int kFadeStep = 20;
constexpr int kFadeIntervalMs = 3;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;

std::vector<TskSkinHint*>& AllHints() {
  static std::vector<TskSkinHint*> hints;
  return hints;
}

QSize TextSize(const QFont& font, const QString& text) {
  if (text.isEmpty()) return {0, 0};
  return QFontMetrics(font).boundingRect(QRect(0, 0, 4000, 4000), kTextFlags, text).size();
}

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

void DrawText(QPainter& p, const QString& text, int x, int y, int w, int h) {
  p.drawText(QRect(x, y, std::max(w, 0), std::max(h, 0)), kTextFlags, text);
}

}  // namespace

TPoint HintPointAtCursor() {
  const QPoint at = QCursor::pos();
  return {at.x(), at.y() + kCursorHeightBelowHotSpot};
}

// The tool tips of the application, shown through the skinned hint window.
class TskSkinHint::ToolTipFilter : public QObject {
 public:
  explicit ToolTipFilter(TskSkinHint& hint) : hint_(hint) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!hint_.Active() || !watched->isWidgetType()) return false;
    switch (event->type()) {
      case QEvent::ToolTip:
        return Show(static_cast<QWidget*>(watched), static_cast<QHelpEvent*>(event));
      case QEvent::Leave:
      case QEvent::MouseButtonPress:
      case QEvent::KeyPress:
      case QEvent::Wheel:
        if (!hint_.showing_requested_ && hint_.window_->isVisible()) hint_.CancelHint();
        return false;
      default:
        return false;
    }
  }

 private:
  bool Show(QWidget* widget, QHelpEvent* help) {
    QString text = widget->toolTip();
    if (text.isEmpty()) return false;
    hint_.Title = widget->property("HintTitle").toString();
    hint_.Image = widget->property("HintImage").value<QImage>();
    if (hint_.OnShowHint) hint_.OnShowHint(text, widget);
    hint_.showing_requested_ = false;
    hint_.window_->ActivateHint(
        {help->globalPos().x(), help->globalPos().y() + kCursorHeightBelowHotSpot}, text);
    hint_.timer_.start(kHintHidePause);
    return true;
  }

  TskSkinHint& hint_;
};

struct TskSkinHintWindow::Look {
  const TskDataSkinHintWindow* data = nullptr;  // null: the default look
  const QImage* picture = nullptr;
  const QImage* mask = nullptr;
  QFont font;
  TColor colour = SystemColour(kSysInfoText);
  TskHintLook hintLook;
};

TskSkinHintWindow::TskSkinHintWindow(TskSkinHint& hint)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      hint_(hint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

TskSkinHintWindow::Look TskSkinHintWindow::TakeLook() const {
  Look look;
  look.font = hint_.DefaultFont;
  TskSkinData* skin = hint_.SkinData();
  if (skin == nullptr || skin->Empty()) return look;
  const TskDataSkinHintWindow& data = skin->HintWindow();
  const QImage* picture = skin->ActivePicture(data.WindowPictureIndex);
  if (picture == nullptr || picture->isNull()) return look;
  look.data = &data;
  look.picture = picture;
  look.mask = skin->ActivePicture(data.MaskPictureIndex);
  if (hint_.UseSkinFont) look.font = SkinFont(data.FontName, data.FontHeight, data.FontStyle);
  look.colour = data.FontColor;
  look.hintLook = {true,         picture->width(), picture->height(), data.LTPoint,
                   data.RTPoint, data.LBPoint,     data.RBPoint,      data.ClientRect};
  return look;
}

TskHintGeometry TskSkinHintWindow::GeometryFor(const QString& text) {
  const Look look = TakeLook();
  const QString shown = hint_.ShownText(text);
  const QSize textSize = TextSize(look.font, shown);
  if (hint_.Title.isEmpty() && hint_.Image.isNull())
    return PlainHintGeometry(look.hintLook, textSize.width(), textSize.height());
  TskHintParts parts;
  parts.textWidth = textSize.width();
  parts.textHeight = textSize.height();
  const QSize title = TextSize(Bold(look.font), hint_.Title);
  parts.titleWidth = title.width();
  parts.titleHeight = title.height();
  parts.imageWidth = hint_.Image.width();
  parts.imageHeight = hint_.Image.height();
  return ExtendedHintGeometry(look.hintLook, parts);
}

void TskSkinHintWindow::ActivateHint(TPoint at, const QString& text) {
  const Look look = TakeLook();
  const TskHintGeometry g = GeometryFor(text);
  const QWidget* active = QApplication::activeWindow();
  const TRect limit =
      active && active->windowHandle() ? WindowWorkArea(active->windowHandle()) : ScreenWorkArea();
  const TRect place = PlaceHint(at, g.width, g.height, limit);
  Paint(look, g, hint_.ShownText(text));

  std::optional<QRegion> region;
  if (look.data && look.mask && !look.mask->isNull()) {
    TskNinePartSource source;
    source.skinRect = {0, 0, look.mask->width(), look.mask->height()};
    source.lt = look.data->LTPoint;
    source.rt = look.data->RTPoint;
    source.lb = look.data->LBPoint;
    source.rb = look.data->RBPoint;
    source.client = look.data->ClientRect;
    region = RegionFromNinePartMask(*look.mask, source,
                                    {g.width, g.height, g.lt, g.rt, g.lb, g.rb, g.client});
  }
  if (region) {
    setMask(*region);
  } else {
    clearMask();
  }
  setGeometry(ToQRect(place));

  const int target = std::clamp(hint_.AlphaBlendValue, 0, 255);
  const bool fade = hint_.AlphaBlend && hint_.AlphaBlendAnimation;
  if (hint_.AlphaBlend && (fade || target != applied_alpha_)) {
    setWindowOpacity(fade ? 0.0 : target / 255.0);
    applied_alpha_ = fade ? 0 : target;
  } else if (!hint_.AlphaBlend && applied_alpha_ != 255) {
    setWindowOpacity(1.0);
    applied_alpha_ = 255;
  }
  show();
  update();
  if (fade) {
    QElapsedTimer clock;
    clock.start();
    for (int a = 0; a < target;) {
      if (clock.elapsed() > kFadeIntervalMs) {
        a = std::min(a + kFadeStep, target);
        setWindowOpacity(a / 255.0);
        repaint();
        clock.restart();
      }
    }
    applied_alpha_ = target;
  }
}

void TskSkinHintWindow::Paint(const Look& look, const TskHintGeometry& g, const QString& text) {
  canvas_ = QImage(std::max(g.width, 1), std::max(g.height, 1), QImage::Format_RGB32);
  QPainter p(&canvas_);
  if (look.data) {
    TskNinePartSource source;
    source.skinRect = {0, 0, look.picture->width(), look.picture->height()};
    source.lt = look.data->LTPoint;
    source.rt = look.data->RTPoint;
    source.lb = look.data->LBPoint;
    source.rb = look.data->RBPoint;
    source.client = look.data->ClientRect;
    TskNinePartStretch stretch{look.data->LeftStretch,   look.data->TopStretch,
                               look.data->RightStretch,  look.data->BottomStretch,
                               look.data->StretchEffect, look.data->StretchType};
    QImage background;
    DrawNinePartImage(*look.picture, source, {g.width, g.height, g.lt, g.rt, g.lb, g.rb, g.client},
                      stretch, true, background);
    p.drawImage(0, 0, background);
  } else {
    FillSkinRect(p, {0, 0, g.width, g.height}, SystemColour(kSysInfoBack));
    OutlineSkinRect(p, {0, 0, g.width, g.height}, SystemColour(scBtnShadow));
  }
  p.setFont(look.font);
  p.setPen(ToQColor(look.colour));
  const TRect& c = g.client;
  const QSize textSize = TextSize(look.font, text);
  if (hint_.Title.isEmpty() && hint_.Image.isNull()) {
    if (look.data) {
      const int x = c.Left + (c.Width() - textSize.width()) / 2;
      const int y = c.Top + (c.Height() - textSize.height()) / 2;
      p.drawText(QRect(x, y, textSize.width(), textSize.height()), kTextFlags | Qt::AlignHCenter,
                 text);
    } else {
      DrawText(p, text, 2, 2, g.width - 4, g.height - 4);
    }
    return;
  }
  const int left = look.data ? c.Left + 5 : 2;
  const int top = look.data ? c.Top : 2;
  const int bottom = look.data ? c.Bottom : g.height - 2;
  int titleHeight = 0;
  if (!hint_.Title.isEmpty()) {
    p.setFont(Bold(look.font));
    titleHeight = TextSize(p.font(), hint_.Title).height();
    DrawText(p, hint_.Title, left, top, g.width - left, titleHeight);
    p.setFont(look.font);
  }
  const int below = titleHeight > 0 ? top + titleHeight + 5 : -1;
  int textX = left;
  if (!hint_.Image.isNull()) {
    const int y = below >= 0 ? below : top + (bottom - top - hint_.Image.height()) / 2;
    p.drawImage(QPoint(left, y), hint_.Image);
    textX = left + hint_.Image.width() + 10;
  }
  const int textY = below >= 0 ? below : top + (bottom - top - textSize.height()) / 2;
  DrawText(p, text, textX, textY, g.width - textX, textSize.height());
}

void TskSkinHintWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, canvas_);
}

TskSkinHint::TskSkinHint(QWidget* owner)
    : TComponent(owner),
      window_(std::make_unique<TskSkinHintWindow>(*this)),
      filter_(std::make_unique<ToolTipFilter>(*this)) {
  DefaultFont = QApplication::font();
  AllHints().push_back(this);
  SetActive(true);
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, filter_.get(), [this] { RequestedTimeout(); });
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(filter_.get());
}

TskSkinHint::~TskSkinHint() {
  auto& hints = AllHints();
  hints.erase(std::remove(hints.begin(), hints.end(), this), hints.end());
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(filter_.get());
}

void TskSkinHint::SetSkinData(TskSkinData* skin) {
  if (skin_data_) RemoveFreeNotification(skin_data_);
  skin_data_ = skin;
  if (skin_data_) FreeNotification(skin_data_);
}

void TskSkinHint::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == skin_data_) skin_data_ = nullptr;
}

void TskSkinHint::SetActive(bool on) {
  if (on) {
    for (TskSkinHint* other : AllHints())
      if (other != this && other->Owner() == Owner()) other->active_ = false;
  }
  active_ = on;
}

QString TskSkinHint::ShownText(const QString& text) const {
  if (LineSeparator.isEmpty()) return text;
  QString shown = text;
  return shown.replace(LineSeparator, QStringLiteral("\n"));
}

void TskSkinHint::RequestHint(const QString& text) {
  timer_.stop();
  requested_text_ = text;
  Title.clear();
  Image = QImage();
  showing_requested_ = true;
  window_->hide();
  timer_.start(kHintPause);
}

void TskSkinHint::RequestedTimeout() {
  if (showing_requested_ && !window_->isVisible()) {
    window_->ActivateHint(HintPointAtCursor(), requested_text_);
    timer_.start(kHintHidePause);
    return;
  }
  CancelHint();
}

void TskSkinHint::CancelHint() {
  timer_.stop();
  showing_requested_ = false;
  if (!window_->isVisible()) return;
  window_->hide();
  Title.clear();
  Image = QImage();
}

}  // namespace lumora
