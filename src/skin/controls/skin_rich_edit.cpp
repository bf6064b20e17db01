#include "skin/controls/skin_rich_edit.h"

#include <QScrollBar>

#include "platform/align.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/data/control_data.h"
#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"

namespace lumora {

namespace {

constexpr int kWindowColour = 5;

// A hidden platform bar with more than one position is what the skinned
// bar shows; while everything fits it has nothing to offer.
void Mirror(const QScrollBar* inner, TskSkinScrollBar* bar) {
  if (bar == nullptr) return;
  if (inner->maximum() <= inner->minimum()) {
    bar->setEnabled(false);
    return;
  }
  if (!bar->isEnabled()) bar->setEnabled(true);
  bar->SetRangeAll(inner->minimum(), inner->maximum() + inner->pageStep() - 1, inner->pageStep(),
                   inner->value());
}

}  // namespace

TskSkinRichEdit::TskSkinRichEdit(QWidget* parent)
    : QPlainTextEdit(parent),
      link_([this] { ApplySkinChange(); }),
      default_color_(SystemColour(kWindowColour)) {
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetTextFont(default_font_);
  SetColour(default_color_);
  // Every change of the text's scroll state, whatever caused it (typing,
  // pasting, the wheel, keys, resizing), reaches the bars.
  for (QScrollBar* inner : {verticalScrollBar(), horizontalScrollBar()}) {
    connect(inner, &QScrollBar::rangeChanged, this, [this] { SyncScrollBars(); });
    connect(inner, &QScrollBar::valueChanged, this, [this] { SyncScrollBars(); });
  }
  connect(this, &QPlainTextEdit::textChanged, this, [this] { SyncScrollBars(); });
}

TskSkinRichEdit::~TskSkinRichEdit() = default;

void TskSkinRichEdit::SetSkinData(TskSkinData* value) {
  link_.Set(value);
  if (value != nullptr && !value->Empty()) ApplySkinChange();
}

void TskSkinRichEdit::SetSkinSupport(bool on) {
  skin_support_ = on;
  ApplySkinChange();
}

void TskSkinRichEdit::SetDefaultFont(const TskFont& font) {
  default_font_ = font;
  if (skin_support_ && index_ == -1) SetTextFont(font);
}

void TskSkinRichEdit::SetDefaultColor(TColor colour) {
  default_color_ = colour;
  if (skin_support_ && index_ == -1) SetColour(colour);
}

void TskSkinRichEdit::SetTextFont(const TskFont& font) {
  setFont(ToQFont(font));
  QPalette pal = palette();
  pal.setColor(QPalette::Text, ToQColor(font.Color));
  setPalette(pal);
}

void TskSkinRichEdit::SetColour(TColor colour) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, ToQColor(colour));
  setPalette(pal);
}

void TskSkinRichEdit::ApplySkinChange() {
  index_ = link_.HasSkin() ? SkinData()->ControlIndexOf(skin_data_name_) : -1;
  if (skin_support_) {
    const auto* data = index_ >= 0
                           ? dynamic_cast<const TskDataSkinRichEdit*>(SkinData()->Control(index_))
                           : nullptr;
    if (index_ == -1) {
      SetColour(default_color_);
      SetTextFont(default_font_);
    } else if (data != nullptr) {
      SetTextFont({data->FontName, data->FontHeight, data->FontStyle, data->FontColor});
      SetColour(data->BGColor);
    }
  }
  SyncScrollBars();
  // The bars may have changed size with the skin; their parent docks again.
  for (TskSkinScrollBar* bar : {vbar_.data(), hbar_.data()})
    if (bar != nullptr) SetAlign(bar, AlignOf(bar));
}

void TskSkinRichEdit::SetVScrollBar(TskSkinScrollBar* bar) {
  vbar_ = bar;
  if (bar != nullptr) {
    // The handlers outlive a later unlinking; they check that the text is
    // still there.
    QPointer<TskSkinRichEdit> self(this);
    bar->OnChange = [self, bar] {
      if (self) self->verticalScrollBar()->setValue(bar->Position());
    };
    bar->OnUpButtonClick = [self, bar] {
      if (!self) return;
      if (bar->Position() < bar->Max() - bar->PageSize() + 1)
        self->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      self->SyncScrollBars();
    };
    bar->OnDownButtonClick = [self, bar] {
      if (!self) return;
      if (bar->Position() != 0)
        self->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
      self->SyncScrollBars();
    };
  }
  SyncScrollBars();
}

void TskSkinRichEdit::SetHScrollBar(TskSkinScrollBar* bar) {
  hbar_ = bar;
  if (bar != nullptr) {
    QPointer<TskSkinRichEdit> self(this);
    bar->OnChange = [self, bar] {
      if (self) self->horizontalScrollBar()->setValue(bar->Position());
    };
  }
  SyncScrollBars();
}

void TskSkinRichEdit::SyncScrollBars() {
  Mirror(verticalScrollBar(), vbar_.data());
  Mirror(horizontalScrollBar(), hbar_.data());
}

void TskSkinRichEdit::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  SyncScrollBars();
}

void TskSkinRichEdit::keyPressEvent(QKeyEvent* event) {
  QPlainTextEdit::keyPressEvent(event);
  SyncScrollBars();
}

// A commit from an input method scrolls the text as typing does, after the
// signals of the text change have gone by.
void TskSkinRichEdit::inputMethodEvent(QInputMethodEvent* event) {
  QPlainTextEdit::inputMethodEvent(event);
  SyncScrollBars();
}

void TskSkinRichEdit::mousePressEvent(QMouseEvent* event) {
  QPlainTextEdit::mousePressEvent(event);
  SyncScrollBars();
}

void TskSkinRichEdit::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  SyncScrollBars();
}

void TskSkinRichEdit::wheelEvent(QWheelEvent* event) {
  QPlainTextEdit::wheelEvent(event);
  SyncScrollBars();
}

}  // namespace lumora
