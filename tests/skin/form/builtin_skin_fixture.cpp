#include "builtin_skin_fixture.h"

#include <stdexcept>

#include "builtin_skin.h"

namespace lumora::test {

BuiltinSkin::BuiltinSkin(QWidget* owner) {
  stored_ = std::make_unique<TskCompressedStoredSkin>(owner);
  stored_->CompressedStream().WriteString(BuiltinSkinBlock());
  data_ = std::make_unique<TskSkinData>(owner);
  data_->SetCompressedStoredSkin(stored_.get());
  if (data_->Empty()) throw std::runtime_error("the built-in skin did not load");
}

BuiltinSkin::~BuiltinSkin() {
  data_.reset();
  stored_.reset();
}

const TskDataSkinMenuItem& BuiltinSkin::MenuItem() const {
  for (const auto& object : data_->Objects())
    if (auto* item = dynamic_cast<const TskDataSkinMenuItem*>(object.get())) return *item;
  throw std::runtime_error("the built-in skin has no menu item");
}

const QImage& BuiltinSkin::MenuItemPicture() const {
  return *data_->ActivePicture(MenuItem().ActivePictureIndex);
}

const QImage& BuiltinSkin::PopupPicture() const {
  return *data_->ActivePicture(data_->PopupWindow().WindowPictureIndex);
}

bool MaskBlack(const QImage& mask, int x, int y) {
  return (mask.pixel(x, y) & 0x00FFFFFFu) == 0;
}

}  // namespace lumora::test
