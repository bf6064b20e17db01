#pragma once
// What every skinned widget shares, whether it descends from the control
// base or from a platform widget (labels, edits): the link to a skin data
// component that is cleared when that component is freed, and the two
// phases of a skin change that the form's walk drives.

#include <functional>
#include <memory>
#include <string>

#include "platform/component.h"

namespace lumora {

class TskSkinData;

// The two phases of a skin change (skin_change_walk.h).
class TskSkinChangeReceiver {
 public:
  virtual ~TskSkinChangeReceiver() = default;
  // Before the skin is reloaded: forget the data object (index -1).
  virtual void PrepareSkinChange() = 0;
  // After loading: look the data object up again, resize, repaint.
  virtual void ApplySkinChange() = 0;
};

// A reference to a skin data component that becomes null when the
// component is freed; onRemoved runs after it was cleared.
class TskSkinLink : private TComponent {
 public:
  explicit TskSkinLink(std::function<void()> onRemoved = {});
  ~TskSkinLink() override;

  TskSkinData* Get() const { return skin_data_; }
  void Set(TskSkinData* skin_data);
  // A component is linked and has a skin loaded.
  bool HasSkin() const;

 private:
  void Notification(TComponent* component, TOperation operation) override;

  TskSkinData* skin_data_ = nullptr;
  std::function<void()> on_removed_;
};

}  // namespace lumora
