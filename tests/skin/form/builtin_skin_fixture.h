#pragma once
// The program's built-in skin loaded into a skin data component, so that
// tests read the numbers they check from the skin itself.

#include <QWidget>
#include <memory>

#include "skin/data/skin_data.h"
#include "skin/data/skin_objects.h"
#include "skin/data/stored_skin.h"

namespace lumora::test {

class BuiltinSkin {
 public:
  // owner: the form the components sit on (its broadcasts go there first).
  explicit BuiltinSkin(QWidget* owner = nullptr);
  ~BuiltinSkin();
  TskSkinData& Data() { return *data_; }
  const TskFormInfo& Info() const { return data_->FormInfo(); }
  int PW() const { return data_->Picture().width(); }
  int PH() const { return data_->Picture().height(); }
  const TskDataSkinMenuItem& MenuItem() const;
  const QImage& MenuItemPicture() const;
  const QImage& PopupPicture() const;

 private:
  std::unique_ptr<TskCompressedStoredSkin> stored_;
  std::unique_ptr<TskSkinData> data_;
};

// Whether a pixel of a mask picture is black (inside the shape).
bool MaskBlack(const QImage& mask, int x, int y);

}  // namespace lumora::test
