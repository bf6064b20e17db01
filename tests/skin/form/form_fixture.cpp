#include "form_fixture.h"

#include "builtin_skin.h"

namespace lumora::test {

BuiltinSkin::BuiltinSkin(QWidget* owner) {
  stored_ = std::make_unique<TskCompressedStoredSkin>(owner);
  stored_->CompressedStream().WriteString(BuiltinSkinBlock());
  data_ = std::make_unique<TskSkinData>(owner);
  data_->SetCompressedStoredSkin(stored_.get());
}

BuiltinSkin::~BuiltinSkin() {
  data_.reset();
  stored_.reset();
}

bool MaskBlack(const QImage& mask, int x, int y) {
  return (mask.pixel(x, y) & 0x00FFFFFFu) == 0;
}

}  // namespace lumora::test
