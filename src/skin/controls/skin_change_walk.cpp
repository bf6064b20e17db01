#include "skin/controls/skin_change_walk.h"

#include <QPointer>
#include <QWidget>
#include <vector>

#include "skin/controls/skin_link.h"

namespace lumora {

namespace {

// The widgets are collected first: applying a skin resizes controls, and
// their parents re-dock children while the walk goes on.
template <typename Step>
void Walk(QWidget* root, Step step) {
  if (root == nullptr) return;
  std::vector<QPointer<QWidget>> widgets;
  for (QWidget* w : root->findChildren<QWidget*>()) widgets.emplace_back(w);
  for (const QPointer<QWidget>& w : widgets)
    if (w != nullptr)
      if (auto* receiver = dynamic_cast<TskSkinChangeReceiver*>(w.data())) step(*receiver);
}

}  // namespace

void PrepareSkinChangeOfControls(QWidget* root) {
  Walk(root, [](TskSkinChangeReceiver& r) { r.PrepareSkinChange(); });
}

void ApplySkinChangeOfControls(QWidget* root) {
  Walk(root, [](TskSkinChangeReceiver& r) { r.ApplySkinChange(); });
}

}  // namespace lumora
