#pragma once
// The built-in skin loaded into a skin data component, and small skins made
// in code, for the frame tests.

#include <QImage>
#include <QWidget>
#include <memory>

#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"

namespace lumora::test {

// A skin data component holding the program's built-in skin.
class BuiltinSkin {
 public:
  explicit BuiltinSkin(QWidget* owner = nullptr);
  ~BuiltinSkin();
  TskSkinData& Data() { return *data_; }
  const TskFormInfo& Info() const { return data_->FormInfo(); }
  int PW() const { return data_->Picture().width(); }
  int PH() const { return data_->Picture().height(); }

 private:
  std::unique_ptr<TskCompressedStoredSkin> stored_;
  std::unique_ptr<TskSkinData> data_;
};

// Whether a pixel of the mask picture is black (inside the shape).
bool MaskBlack(const QImage& mask, int x, int y);

}  // namespace lumora::test
