#include "platform/component.h"

#include <algorithm>

namespace lumora {

TComponent::TComponent(QObject* owner) : owner_(owner) {}

TComponent::~TComponent() {
  // Copy first: a receiver may remove its own link while being told.
  auto receivers = notify_;
  notify_.clear();
  for (TComponent* c : receivers) {
    c->notify_.erase(std::remove(c->notify_.begin(), c->notify_.end(), this), c->notify_.end());
    c->Notification(this, TOperation::opRemove);
  }
}

void TComponent::EndLoading() {
  loading_ = false;
  Loaded();
}

void TComponent::FreeNotification(TComponent* other) {
  if (other == nullptr || other == this) return;
  if (std::find(notify_.begin(), notify_.end(), other) == notify_.end()) notify_.push_back(other);
  if (std::find(other->notify_.begin(), other->notify_.end(), this) == other->notify_.end())
    other->notify_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (other == nullptr) return;
  notify_.erase(std::remove(notify_.begin(), notify_.end(), other), notify_.end());
  other->notify_.erase(std::remove(other->notify_.begin(), other->notify_.end(), this),
                       other->notify_.end());
}

void TComponent::Notification(TComponent*, TOperation) {}

}  // namespace lumora
