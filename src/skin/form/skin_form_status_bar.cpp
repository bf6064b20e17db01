// The frame's side of a linked status bar: the grip is the form's
// bottom-right sizing edge, and it is hidden while the form is maximized.
// Kept apart because the status bar brings its own hit-test constants.

#include "skin/controls/skin_status_bar.h"
#include "skin/form/skin_form.h"
#include "skin/form/skin_form_events.h"

namespace lumora {

TskSkinStatusBar* TskSkinForm::StatusBar() const {
  return status_bar_.isNull() ? nullptr : static_cast<TskSkinStatusBar*>(status_bar_.data());
}

void TskSkinForm::SetStatusBar(TskSkinStatusBar* bar) {
  if (TskSkinStatusBar* old = StatusBar()) old->removeEventFilter(events_.get());
  status_bar_ = bar;
  if (bar == nullptr) return;
  bar->installEventFilter(events_.get());
  ShowStatusGrip(window_state_ != wsMaximized);
}

void TskSkinForm::ShowStatusGrip(bool show) {
  if (TskSkinStatusBar* bar = StatusBar()) bar->SetShowGrip(show);
}

bool TskSkinForm::OnStatusGrip(QPoint at) const {
  const TskSkinStatusBar* bar = StatusBar();
  return bar != nullptr && skinnable_ && bar->GripRect().Contains({at.x(), at.y()});
}

}  // namespace lumora
