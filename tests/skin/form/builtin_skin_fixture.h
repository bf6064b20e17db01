#pragma once
// The program's built-in skin loaded into a skin data component, so that
// tests read the numbers they check from the skin itself.

#include <memory>

#include "skin/data/skin_data.h"
#include "skin/data/skin_objects.h"
#include "skin/data/stored_skin.h"

namespace lumora::test {

class BuiltinSkin {
 public:
  BuiltinSkin();
  ~BuiltinSkin();
  TskSkinData& Data() { return *data_; }
  const TskDataSkinMenuItem& MenuItem() const;
  const QImage& MenuItemPicture() const;
  const QImage& PopupPicture() const;

 private:
  std::unique_ptr<TskCompressedStoredSkin> stored_;
  std::unique_ptr<TskSkinData> data_;
};

}  // namespace lumora::test
