#include "skin/controls/skin_link.h"

#include "skin/data/skin_data.h"

namespace lumora {

TskSkinLink::TskSkinLink(std::function<void()> onRemoved) : on_removed_(std::move(onRemoved)) {}

TskSkinLink::~TskSkinLink() {
  if (skin_data_ != nullptr) RemoveFreeNotification(skin_data_);
}

void TskSkinLink::Set(TskSkinData* skin_data) {
  if (skin_data == skin_data_) return;
  if (skin_data_ != nullptr) RemoveFreeNotification(skin_data_);
  skin_data_ = skin_data;
  if (skin_data_ != nullptr) FreeNotification(skin_data_);
}

bool TskSkinLink::HasSkin() const {
  return skin_data_ != nullptr && !skin_data_->Empty();
}

void TskSkinLink::Notification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove || component != skin_data_) return;
  skin_data_ = nullptr;
  if (on_removed_) on_removed_();
}

}  // namespace lumora
